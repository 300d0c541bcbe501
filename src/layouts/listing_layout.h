#pragma once

#include "layouts/layout_definition.h"

#include <vector>

namespace zova {

// The look every listing shares. Names of the elements a calling window fills:
inline constexpr QStringView kTitleElement = u"title"; // page header, centred bold title
inline constexpr QStringView kCaptionElement = u"caption"; // page footer, left: the window caption
inline constexpr QStringView kPrintedByElement = u"printedBy"; // page footer, centre: "Impresso por: ..."
inline constexpr QStringView kTotalElement = u"total"; // total line amount

struct ListColumn {
    QString caption;
    QString field;
    double width; // relative: the columns share the width inside the margins in proportion
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A4 with 10 mm margins, proposed file name "Relatorio".
ReportLayout listingLayout(QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The title centred in bold inside a frame across the page and the page number at the top right.
Band& addListingPageHeader(ReportLayout& layout, const QString& title, double titlePointSize = 11.0);
// Bold captions in grey boxes over the columns.
Band& addColumnCaptions(ReportLayout& layout, BandKind kind, const std::vector<ListColumn>& columns,
    double heightMm = 5.0, double pointSize = 7.5);
// One line per row with the columns' fields under the captions, a faint rule beneath.
Band& addDetailLine(ReportLayout& layout, const std::vector<ListColumn>& columns, double heightMm = 4.5,
    double pointSize = 7.5);
// A rule, then the caption at the left, "Impresso por" in the centre, date and time at the right.
Band& addListingPageFooter(ReportLayout& layout);
// A caption and its amount at the right edge ("TOTAL A RECEBER:" R$ ...), the amount named "total".
Band& addTotalLine(ReportLayout& layout, BandKind kind, const QString& caption,
    const QString& amountName = kTotalElement.toString());

// Left edge and width in millimetres of each column inside the margins.
std::vector<std::pair<double, double>> columnSpans(
    const ReportLayout& layout, const std::vector<ListColumn>& columns);

} // namespace zova
