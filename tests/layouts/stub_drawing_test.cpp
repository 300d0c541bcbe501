#include "layouts/pdf_probe.h"
#include "layouts/report_document.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zova;
using zova::test::PdfFolder;

namespace {

ResultSet stubRows(const QStringList& codes)
{
    ResultSet rows({ { u"Titular"_s, ResultSet::Kind::Text }, { u"barcode"_s, ResultSet::Kind::Text } });
    for (const QString& code : codes)
        rows.appendRow(QStringList { u"MARIA DAS DORES"_s, code });
    return rows;
}

// A booklet-like page: artwork stretched to a box, a Code 128 field at millimetre positions,
// text turned along the band's side.
ReportLayout stubLayout(const QImage& artwork)
{
    ReportLayout layout;
    layout.page = PageSetup::custom(QSizeF(210, 297), QMarginsF(12, 0, 12, 0));
    Band& stub = layout.addBand(BandKind::Detail, 72.5, u"stub"_s);
    stub.picture(QRectF(0.3, 12.7, 185.7, 50.8), artwork);
    stub.field(QRectF(96.0, 39.2, 80, 4.5), u"titular"_s);
    stub.barcode(QRectF(96.0, 52.1, 89.2, 10.3), u"BARCODE"_s);
    stub.label(QRectF(2, 14, 6, 45), u"CONTRATO 2024/05"_s, TextStyle().rotated(90));
    stub.label(QRectF(180, 14, 6, 45), u"ENVELOPE LATERAL"_s, TextStyle().rotated(-90));
    return layout;
}

} // namespace

TEST(StubDrawing, Code128FieldDecodesToTheExactTextOnEveryStub)
{
    QImage artwork(40, 10, QImage::Format_RGB32);
    artwork.fill(QColor(0xf4, 0xf4, 0xff));
    ReportDocument doc(stubLayout(artwork), stubRows({ u"0000570013"_s, u"0012340002"_s, QString() }));
    PdfFolder folder;
    const QString path = folder.path(u"stubs.pdf"_s);
    ASSERT_TRUE(doc.writePdf(path));
    QStringList codes = test::decodeBarcodes(path);
    codes.sort();
    // The empty code prints no bars.
    EXPECT_EQ(codes, (QStringList { u"0000570013"_s, u"0012340002"_s }));
    const QString text = test::pdfPages(path).join(u'\n');
    EXPECT_EQ(text.count(u"MARIA DAS DORES"_s), 3);
}

TEST(StubDrawing, RotatedTextKeepsItsWordsAndPicturesFillTheirBox)
{
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ReportDocument doc(stubLayout(red), stubRows({ u"0000570013"_s }));
    PdfFolder folder;
    const QString path = folder.path(u"rotated.pdf"_s);
    ASSERT_TRUE(doc.writePdf(path));
    const QString raw = test::runTool(u"pdftotext"_s, { u"-raw"_s, path, u"-"_s }).simplified();
    EXPECT_TRUE(raw.contains(u"CONTRATO 2024/05"_s)) << raw.toStdString();
    EXPECT_TRUE(raw.contains(u"ENVELOPE LATERAL"_s)) << raw.toStdString();

    // 1 dot per mm: the picture box spans x 12.3..198, y 12.7..63.5 on the sheet.
    const QImage page = doc.renderPage(0, 25.4);
    EXPECT_EQ(page.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(100, 30), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(20, 70), QColor(Qt::white));
}
