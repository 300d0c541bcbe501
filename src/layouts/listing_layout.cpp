#include "layouts/listing_layout.h"

using namespace Qt::StringLiterals;

namespace zova {
namespace {

constexpr double kInsetMm = 1.0; // text off the box edges
const QColor kCaptionFill(0xdd, 0xdd, 0xdd);
const QColor kRuleColour(0xbb, 0xbb, 0xbb);

double contentWidth(const ReportLayout& layout)
{
    return layout.page.contentRectMm().width();
}

} // namespace

ReportLayout listingLayout(QPageLayout::Orientation orientation)
{
    ReportLayout layout;
    layout.page = PageSetup::a4(orientation, 10.0);
    layout.documentName = u"Relatorio"_s;
    return layout;
}

std::vector<std::pair<double, double>> columnSpans(
    const ReportLayout& layout, const std::vector<ListColumn>& columns)
{
    double total = 0;
    for (const ListColumn& c : columns)
        total += c.width;
    std::vector<std::pair<double, double>> spans;
    double x = 0;
    const double scale = total > 0 ? contentWidth(layout) / total : 0;
    for (const ListColumn& c : columns) {
        spans.emplace_back(x, c.width * scale);
        x += c.width * scale;
    }
    return spans;
}

Band& addListingPageHeader(ReportLayout& layout, const QString& title, double titlePointSize)
{
    const double w = contentWidth(layout);
    Band& band = layout.addBand(BandKind::PageHeader, 16.0, u"pageHeader"_s);
    band.systemText(
        QRectF(w - 50, 0, 50, 4), u"Página {page} de {pages}"_s, TextStyle().size(7.5).align(Qt::AlignRight));
    band.frame(QRectF(0, 4.5, w, 9), 0.3);
    band.label(QRectF(2, 4.5, w - 4, 9), title,
            TextStyle().size(titlePointSize).setBold().align(Qt::AlignHCenter))
        .named(kTitleElement.toString());
    return band;
}

Band& addColumnCaptions(ReportLayout& layout, BandKind kind, const std::vector<ListColumn>& columns,
    double heightMm, double pointSize)
{
    Band& band = layout.addBand(kind, heightMm, u"captions"_s);
    const auto spans = columnSpans(layout, columns);
    for (size_t i = 0; i < columns.size(); ++i) {
        const auto [x, w] = spans[i];
        band.frame(QRectF(x, 0, w, heightMm - 0.5), 0.15, kCaptionFill);
        band.label(QRectF(x + kInsetMm, 0, w - 2 * kInsetMm, heightMm - 0.5), columns[i].caption,
            TextStyle().size(pointSize).setBold().align(columns[i].alignment));
    }
    return band;
}

Band& addDetailLine(
    ReportLayout& layout, const std::vector<ListColumn>& columns, double heightMm, double pointSize)
{
    Band& band = layout.addBand(BandKind::Detail, heightMm, u"detail"_s);
    const auto spans = columnSpans(layout, columns);
    for (size_t i = 0; i < columns.size(); ++i) {
        const auto [x, w] = spans[i];
        band.field(QRectF(x + kInsetMm, 0, w - 2 * kInsetMm, heightMm), columns[i].field,
            TextStyle().size(pointSize).align(columns[i].alignment));
    }
    band.line(QPointF(0, heightMm - 0.05), QPointF(contentWidth(layout), heightMm - 0.05), 0.1).penColor
        = kRuleColour;
    return band;
}

Band& addListingPageFooter(ReportLayout& layout)
{
    const double w = contentWidth(layout);
    Band& band = layout.addBand(BandKind::PageFooter, 7.0, u"pageFooter"_s);
    band.line(QPointF(0, 1.5), QPointF(w, 1.5), 0.3);
    const TextStyle small = TextStyle().size(7.5);
    band.label(QRectF(0, 2, w * 0.4, 5), QString(), small).named(kCaptionElement.toString());
    band.label(QRectF(w * 0.4, 2, w * 0.3, 5), QString(), TextStyle(small).align(Qt::AlignHCenter))
        .named(kPrintedByElement.toString());
    band.systemText(
        QRectF(w * 0.7, 2, w * 0.3, 5), u"{date} {time}"_s, TextStyle(small).align(Qt::AlignRight));
    return band;
}

Band& addTotalLine(ReportLayout& layout, BandKind kind, const QString& caption, const QString& amountName)
{
    const double w = contentWidth(layout);
    Band& band = layout.addBand(kind, 8.0, amountName + u"Band"_s);
    band.line(QPointF(0, 1), QPointF(w, 1), 0.3);
    const TextStyle bold = TextStyle().size(9).setBold();
    band.label(QRectF(w - 110, 2, 70, 5.5), caption, TextStyle(bold).align(Qt::AlignRight));
    band.label(QRectF(w - 38, 2, 38, 5.5), QString(), TextStyle(bold).align(Qt::AlignRight))
        .named(amountName);
    return band;
}

} // namespace zova
