#include "layouts/holder_list_layout.h"
#include "layouts/listing_layout.h"
#include "layouts/pdf_probe.h"
#include "layouts/preview_window.h"
#include "layouts/report_output.h"
#include "support/scripted_dialogs.h"

#include <QFileInfo>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using zova::test::PdfFolder;

namespace {

ResultSet holders(int count)
{
    ResultSet rows({ { u"id"_s, ResultSet::Kind::Integer }, { u"titular"_s, ResultSet::Kind::Text } });
    for (int i = 1; i <= count; ++i)
        rows.appendRow(QStringList { QString::number(i), u"TITULAR "_s + QString::number(i) });
    return rows;
}

} // namespace

TEST(PreviewWindow, OpensAtTheLayoutsZoomPagesThroughAndSavesThePdf)
{
    test::ScriptedDialogs dialogs;
    ReportDocument plain(listingLayout(), holders(1));
    EXPECT_EQ(PreviewWindow(plain, dialogs).zoomPercent(), 100);

    ReportDocument doc(holderListLayout(), holders(120));
    ASSERT_GE(doc.pageCount(), 3);
    PreviewWindow preview(doc, dialogs);
    EXPECT_EQ(preview.zoomPercent(), 110);
    EXPECT_EQ(preview.currentPage(), 0);
    preview.showPage(1);
    EXPECT_EQ(preview.currentPage(), 1);
    preview.showPage(99);
    EXPECT_EQ(preview.currentPage(), doc.pageCount() - 1);
    preview.showPage(-3);
    EXPECT_EQ(preview.currentPage(), 0);

    PdfFolder folder;
    ASSERT_TRUE(preview.savePdfTo(folder.path(u"Relatorio.pdf"_s)));
    EXPECT_EQ(test::pdfPages(folder.path(u"Relatorio.pdf"_s)).size(), doc.pageCount());
    EXPECT_TRUE(dialogs.empty());

    EXPECT_FALSE(preview.savePdfTo(folder.path(u"no/such/folder/x.pdf"_s)));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_TRUE(dialogs.last().text.startsWith(u"Não foi possível salvar o arquivo"_s));
}

TEST(ReportOutput, PdfFilesNeverOverwriteEachOtherAndTheEnvironmentChoosesThem)
{
    test::ScriptedDialogs dialogs;
    PdfFolder folder;
    PdfFileOutput output(folder.folder(), &dialogs);
    ReportDocument doc(holderListLayout(), holders(2));
    output.present(doc, nullptr);
    output.present(doc, nullptr);
    ASSERT_EQ(output.written().size(), 2);
    EXPECT_EQ(QFileInfo(output.written()[0]).fileName(), u"Relatorio.pdf"_s);
    EXPECT_EQ(QFileInfo(output.written()[1]).fileName(), u"Relatorio-2.pdf"_s);
    EXPECT_TRUE(test::pdfPages(output.last()).join(u' ').contains(u"TITULAR 2"_s));

    qputenv("ZOVA_REPORT_PDF_DIR", folder.folder().toUtf8());
    EXPECT_NE(dynamic_cast<PdfFileOutput*>(defaultReportOutput(dialogs).get()), nullptr);
    qunsetenv("ZOVA_REPORT_PDF_DIR");
    EXPECT_NE(dynamic_cast<PreviewOutput*>(defaultReportOutput(dialogs).get()), nullptr);
}

TEST(ReportOutput, ThePrinterGetsTheSamePagesAndHonoursAPageRange)
{
    ReportDocument doc(holderListLayout(), holders(120));
    ASSERT_GE(doc.pageCount(), 3);
    PdfFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path(u"printer.pdf"_s));
    printer.setPageLayout(doc.pageLayout());
    ASSERT_TRUE(doc.print(printer, 2, 2));
    const QStringList printed = test::pdfPages(folder.path(u"printer.pdf"_s));
    ASSERT_TRUE(doc.writePdf(folder.path(u"all.pdf"_s)));
    const QStringList all = test::pdfPages(folder.path(u"all.pdf"_s));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0], all[1]);
    EXPECT_EQ(test::pdfPageSize(folder.path(u"printer.pdf"_s)), u"842 x 595 pts (A4)"_s);
}
