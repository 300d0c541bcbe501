#pragma once

#include "db/result_set.h"
#include "layouts/layout_definition.h"

#include <QDateTime>
#include <QImage>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace zova {

// A layout with its rows, laid out into pages. The one painter behind preview, printer and PDF:
// every device gets the same pages, element for element.
class ReportDocument {
public:
    // Prints one detail per row from firstRow to the last.
    explicit ReportDocument(ReportLayout layout, ResultSet rows = {}, int firstRow = 0);

    const ReportLayout& layout() const { return m_layout; }
    const ResultSet& rows() const { return m_rows; }

    // The date and time the footers print (the session clock's, so tests can fix it).
    void setPrintedAt(const QDateTime& at) { m_printedAt = at; }
    const QDateTime& printedAt() const { return m_printedAt; }

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    QSizeF pageSizeMm() const { return m_layout.page.pageSizeMm(); }
    QPageLayout pageLayout() const;

    // Paints one page (0-based) with the painter's origin at the sheet's top-left corner.
    void paintPage(QPainter& painter, int page, double dotsPerMm) const;
    // The page as an image at the given resolution, white background.
    QImage renderPage(int page, double dotsPerInch) const;
    // Every page, or the range a printer was given (1-based, inclusive); false when the
    // device could not be painted on.
    bool print(QPagedPaintDevice& device, int fromPage = 0, int toPage = 0) const;
    bool writePdf(const QString& path) const;

private:
    struct Placed {
        size_t band; // index into the layout's bands
        int row; // the row its fields read, -1 for none
        double top; // mm from the sheet's top
    };
    using Page = std::vector<Placed>;

    void paginate();
    void paintElement(QPainter& p, const Element& e, const Placed& at, int page) const;
    QString elementText(const Element& e, int row, int page) const;

    ReportLayout m_layout;
    ResultSet m_rows;
    int m_firstRow;
    QDateTime m_printedAt;
    std::vector<Page> m_pages;
};

} // namespace zova
