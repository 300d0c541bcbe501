#include "layouts/listing_layout.h"
#include "layouts/pdf_probe.h"
#include "layouts/report_document.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using zova::test::PdfFolder;

namespace {

const QDateTime kPrintedAt(QDate(2024, 5, 15), QTime(10, 30, 0));

ResultSet installmentRows(const std::vector<std::pair<QString, int>>& holders)
{
    using K = ResultSet::Kind;
    ResultSet rows({ { u"titular"_s, K::Text }, { u"parcela"_s, K::Integer }, { u"valor"_s, K::Decimal },
        { u"vencimento"_s, K::Date } });
    for (const auto& [name, count] : holders) {
        for (int i = 1; i <= count; ++i) {
            rows.appendRow(QStringList { name, QString::number(i), u"12.5"_s,
                QDate(2024, 3, 5).addMonths(i - 1).toString(Qt::ISODate) });
        }
    }
    return rows;
}

// A grouped listing like the overdue report: group header per holder, total in the column
// footer of every page, a summary once at the end.
ReportLayout groupedLayout()
{
    ReportLayout layout = listingLayout();
    const std::vector<ListColumn> columns = {
        { u"PARCELA"_s, u"parcela"_s, 20 },
        { u"VALOR"_s, u"valor"_s, 30, Qt::AlignRight },
        { u"VENCIMENTO"_s, u"vencimento"_s, 30, Qt::AlignHCenter },
    };
    addListingPageHeader(layout, u"RELATÓRIO DE ATRASADOS"_s);
    Band& group = layout.addGroupHeader(u"titular"_s, 6.0, u"holder"_s);
    group.label(QRectF(0, 1, 20, 5), u"TITULAR:"_s, TextStyle().setBold());
    group.field(QRectF(20, 1, 100, 5), u"titular"_s);
    addColumnCaptions(layout, BandKind::GroupHeader, columns).groupField = u"titular"_s;
    addDetailLine(layout, columns);
    addTotalLine(layout, BandKind::ColumnFooter, u"TOTAL A RECEBER:"_s);
    layout.addBand(BandKind::Summary, 8.0, u"summary"_s).label(QRectF(0, 1, 120, 6), u"FIM DA RELAÇÃO"_s);
    addListingPageFooter(layout);
    layout.setFieldFormat(u"valor"_s, u"R$##0.00"_s);
    layout.setFieldFormat(u"parcela"_s, u"00"_s);
    layout.setText(kTotalElement, u"R$ 1.234,50"_s);
    layout.setText(kCaptionElement, u"FUNERÁRIA - ATRASADOS"_s);
    return layout;
}

} // namespace

TEST(ReportEngine, GroupsRowsNumbersPagesAndPrintsTotalsPerPageAndSummaryOnce)
{
    ReportDocument doc(
        groupedLayout(), installmentRows({ { u"ANA"_s, 40 }, { u"BRUNO"_s, 40 }, { u"CARLA"_s, 20 } }));
    doc.setPrintedAt(kPrintedAt);
    PdfFolder folder;
    const QStringList pages = test::writeAndRead(doc, folder);
    ASSERT_GE(doc.pageCount(), 2);
    ASSERT_EQ(pages.size(), doc.pageCount());
    const QString all = pages.join(u'\n');
    const QString pageCount = QString::number(pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        const QString& page = pages[i];
        EXPECT_TRUE(page.contains(u"RELATÓRIO DE ATRASADOS"_s)) << i;
        EXPECT_TRUE(page.contains(u"Página "_s + QString::number(i + 1) + u" de "_s + pageCount)) << i;
        // The column footer closes every page that lists rows (a page holding only the summary
        // has none).
        const bool listsRows = page.contains(u"R$12,50"_s);
        EXPECT_EQ(page.count(QRegularExpression(u"TOTAL A RECEBER: +R\\$ 1\\.234,50"_s)), listsRows ? 1 : 0)
            << i;
        EXPECT_TRUE(listsRows || i == pages.size() - 1) << i;
        EXPECT_TRUE(page.contains(u"FUNERÁRIA - ATRASADOS"_s)) << i;
        EXPECT_TRUE(page.contains(u"15/05/2024 10:30:00"_s)) << i;
        EXPECT_EQ(page.contains(u"FIM DA RELAÇÃO"_s), i == pages.size() - 1) << i;
    }
    // One group header per holder, in row order, each followed by its own captions.
    for (const QString& name : { u"ANA"_s, u"BRUNO"_s, u"CARLA"_s })
        EXPECT_EQ(all.count(QRegularExpression(u"TITULAR: +"_s + name + u"\\b"_s)), 1) << name.toStdString();
    EXPECT_LT(all.indexOf(u"ANA"_s), all.indexOf(u"BRUNO"_s));
    EXPECT_LT(all.indexOf(u"BRUNO"_s), all.indexOf(u"CARLA"_s));
    EXPECT_EQ(all.count(u"VENCIMENTO"_s), 3);
    // Display formats of the detail fields.
    EXPECT_TRUE(all.contains(QRegularExpression(u"\\b03 +R\\$12,50 +05/05/2024"_s)));
    EXPECT_EQ(all.count(u"R$12,50"_s), 100);
}

TEST(ReportEngine, StartsANewGroupWheneverTheKeyChanges)
{
    ReportDocument doc(
        groupedLayout(), installmentRows({ { u"ANA"_s, 2 }, { u"BIA"_s, 1 }, { u"ANA"_s, 1 } }));
    PdfFolder folder;
    const QString all = test::writeAndRead(doc, folder).join(u'\n');
    EXPECT_EQ(all.count(QRegularExpression(u"TITULAR: +ANA"_s)), 2);
    EXPECT_EQ(all.count(QRegularExpression(u"TITULAR: +BIA"_s)), 1);
}

TEST(ReportEngine, EmptyResultGivesOnePageWithHeadersTotalsAndNoRows)
{
    ReportDocument doc(groupedLayout(), installmentRows({}));
    PdfFolder folder;
    const QStringList pages = test::writeAndRead(doc, folder);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(u"RELATÓRIO DE ATRASADOS"_s));
    EXPECT_TRUE(pages[0].contains(u"Página 1 de 1"_s));
    EXPECT_TRUE(pages[0].contains(u"TOTAL A RECEBER:"_s));
    EXPECT_TRUE(pages[0].contains(u"FIM DA RELAÇÃO"_s));
    EXPECT_FALSE(pages[0].contains(u"TITULAR:"_s));
    EXPECT_FALSE(pages[0].contains(u"R$12,50"_s));
}

TEST(ReportEngine, PrintsFromTheGivenRowToTheEnd)
{
    ReportDocument doc(groupedLayout(), installmentRows({ { u"ANA"_s, 2 }, { u"BIA"_s, 2 } }), 2);
    PdfFolder folder;
    const QString all = test::writeAndRead(doc, folder).join(u'\n');
    EXPECT_FALSE(all.contains(u"ANA"_s));
    EXPECT_EQ(all.count(u"R$12,50"_s), 2);
}

TEST(ReportEngine, HiddenBandsBandsOfHeightZeroAndHiddenElementsPrintNothing)
{
    ReportLayout layout = listingLayout();
    layout.addBand(BandKind::Title, 10, u"shown"_s).label(QRectF(0, 0, 80, 5), u"VISÍVEL"_s);
    layout.addBand(BandKind::Title, 10, u"hidden"_s).label(QRectF(0, 0, 80, 5), u"BANDA OCULTA"_s);
    layout.addBand(BandKind::Detail, 0, u"flat"_s).label(QRectF(0, 0, 80, 5), u"ALTURA ZERO"_s);
    Band& detail = layout.addBand(BandKind::Detail, 5, u"rows"_s);
    detail.field(QRectF(0, 0, 60, 5), u"titular"_s);
    detail.label(QRectF(60, 0, 60, 5), u"CAMPO OCULTO"_s).named(u"secret"_s);
    layout.setVisible(u"hidden"_s, false);
    layout.setVisible(u"secret"_s, false);
    ReportDocument doc(std::move(layout), installmentRows({ { u"ANA"_s, 1 } }));
    PdfFolder folder;
    const QString all = test::writeAndRead(doc, folder).join(u'\n');
    EXPECT_TRUE(all.contains(u"VISÍVEL"_s));
    EXPECT_TRUE(all.contains(u"ANA"_s));
    EXPECT_FALSE(all.contains(u"BANDA OCULTA"_s));
    EXPECT_FALSE(all.contains(u"ALTURA ZERO"_s));
    EXPECT_FALSE(all.contains(u"CAMPO OCULTO"_s));
    EXPECT_THROW(layout.setText(u"nothing"_s, u"x"_s), std::invalid_argument);
}

TEST(ReportEngine, PaperSizesAndOrientationReachThePdf)
{
    struct Case {
        PageSetup page;
        QString size;
    };
    const Case cases[] = {
        { PageSetup::a4(), u"595 x 842 pts (A4)"_s },
        { PageSetup::a4(QPageLayout::Landscape), u"842 x 595 pts (A4)"_s },
        { PageSetup::custom(QSizeF(113, 230), QMarginsF(5, 5, 5, 5)), u"320 x 652 pts"_s },
    };
    PdfFolder folder;
    for (const Case& c : cases) {
        ReportLayout layout;
        layout.page = c.page;
        layout.addBand(BandKind::PageHeader, 10).label(QRectF(0, 0, 80, 5), u"FOLHA"_s);
        ReportDocument doc(std::move(layout));
        const QString path = folder.path(u"size.pdf"_s);
        ASSERT_TRUE(doc.writePdf(path));
        EXPECT_EQ(test::pdfPageSize(path), c.size);
    }
}
