#include "layouts/report_document.h"

#include "core/dates.h"
#include "layouts/code128.h"
#include "layouts/field_format.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova {
namespace {

// Painting happens in hundredths of a millimetre whatever the device, so text is laid out
// the same on screen, on paper and in PDF.
constexpr double kUnitsPerMm = 100.0;
constexpr double kTolerance = 1e-6;

// Indices into the layout's bands, in print order.
using BandList = std::vector<size_t>;

BandList printableBands(const ReportLayout& layout, std::initializer_list<BandKind> kinds)
{
    BandList out;
    const auto& bands = layout.bands();
    for (size_t i = 0; i < bands.size(); ++i) {
        const Band& b = bands[i];
        if (b.printable() && std::find(kinds.begin(), kinds.end(), b.kind()) != kinds.end())
            out.push_back(i);
    }
    return out;
}

double totalHeight(const ReportLayout& layout, const BandList& bands)
{
    double h = 0;
    for (size_t i : bands)
        h += layout.bands()[i].heightMm;
    return h;
}

QRectF toUnits(const QRectF& mm)
{
    return QRectF(
        mm.x() * kUnitsPerMm, mm.y() * kUnitsPerMm, mm.width() * kUnitsPerMm, mm.height() * kUnitsPerMm);
}

QFont fontFor(const TextStyle& style)
{
    QFont font(style.family);
    // Points to hundredths of a millimetre.
    font.setPixelSize(std::max(1, qRound(style.pointSize * 25.4 / 72.0 * kUnitsPerMm)));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawText(QPainter& p, const QRectF& box, const QString& text, const TextStyle& style)
{
    if (style.background.isValid())
        p.fillRect(box, style.background);
    if (text.isEmpty())
        return;
    p.save();
    const QFont font = fontFor(style);
    p.setFont(font);
    p.setPen(style.color);
    QRectF area = box;
    if (style.rotation != 0) {
        p.translate(box.center());
        p.rotate(-style.rotation);
        area = QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width());
    }
    int flags = static_cast<int>(style.alignment);
    QString shown = text;
    if (style.wordWrap) {
        flags |= Qt::TextWordWrap;
    } else {
        shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, area.width());
    }
    p.drawText(area, flags, shown);
    p.restore();
}

} // namespace

ReportDocument::ReportDocument(ReportLayout layout, ResultSet rows, int firstRow)
    : m_layout(std::move(layout))
    , m_rows(std::move(rows))
    , m_firstRow(std::clamp(firstRow, 0, m_rows.rowCount()))
    , m_printedAt(QDateTime::currentDateTime())
{
    paginate();
}

void ReportDocument::paginate()
{
    const QRectF content = m_layout.page.contentRectMm();
    const BandList pageHeaders = printableBands(m_layout, { BandKind::PageHeader });
    const BandList titles = printableBands(m_layout, { BandKind::Title });
    const BandList columnHeaders = printableBands(m_layout, { BandKind::ColumnHeader });
    const BandList groups = printableBands(m_layout, { BandKind::GroupHeader });
    const BandList details = printableBands(m_layout, { BandKind::Detail, BandKind::Spacer });
    const BandList columnFooters = printableBands(m_layout, { BandKind::ColumnFooter });
    const BandList summaries = printableBands(m_layout, { BandKind::Summary });
    const BandList pageFooters = printableBands(m_layout, { BandKind::PageFooter });
    const double footerTop = content.bottom() - totalHeight(m_layout, pageFooters);
    const double columnFooterHeight = totalHeight(m_layout, columnFooters);

    Page page;
    double y = content.top();
    bool pageHasRows = false;
    auto place = [&](const BandList& bands, int row) {
        for (size_t i : bands) {
            page.push_back({ i, row, y });
            y += m_layout.bands()[i].heightMm;
        }
    };
    auto openPage = [&](int row, bool withColumnHeaders) {
        page.clear();
        y = content.top();
        place(pageHeaders, row);
        if (m_pages.empty())
            place(titles, row);
        if (withColumnHeaders)
            place(columnHeaders, row);
        pageHasRows = false;
    };
    auto closePage = [&](int row) {
        y = footerTop;
        place(pageFooters, row);
        m_pages.push_back(page);
    };

    const int end = m_rows.rowCount();
    const int lastRow = end > m_firstRow ? end - 1 : -1;
    openPage(m_firstRow < end ? m_firstRow : -1, true);
    std::vector<QString> keys(groups.size());
    for (int row = m_firstRow; row < end; ++row) {
        BandList block;
        bool changed = row == m_firstRow;
        for (size_t i = 0; i < groups.size(); ++i) {
            const QString key = formatField(m_rows, row, m_layout.bands()[groups[i]].groupField);
            // A change at one level restarts every level below it.
            changed = changed || key != keys[i];
            keys[i] = key;
            if (changed)
                block.push_back(groups[i]);
        }
        block.insert(block.end(), details.begin(), details.end());
        if (pageHasRows && y + totalHeight(m_layout, block) + columnFooterHeight > footerTop + kTolerance) {
            place(columnFooters, row - 1);
            closePage(row - 1);
            openPage(row, true);
        }
        place(block, row);
        pageHasRows = true;
    }
    place(columnFooters, lastRow);
    if (!summaries.empty() && y + totalHeight(m_layout, summaries) > footerTop + kTolerance) {
        closePage(lastRow);
        openPage(lastRow, false);
    }
    place(summaries, lastRow);
    closePage(lastRow);
}

QPageLayout ReportDocument::pageLayout() const
{
    const PageSetup& setup = m_layout.page;
    const QPageSize size(setup.paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, setup.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QString ReportDocument::elementText(const Element& e, int row, int page) const
{
    switch (e.kind) {
    case ElementKind::Label:
        return e.text;
    case ElementKind::Field:
    case ElementKind::Barcode:
        if (e.field.isEmpty())
            return e.text;
        return formatField(
            m_rows, row, e.field, e.format.isEmpty() ? m_layout.fieldFormat(e.field) : e.format);
    case ElementKind::System: {
        QString text = e.text;
        text.replace(u"{page}"_s, QString::number(page + 1));
        text.replace(u"{pages}"_s, QString::number(pageCount()));
        text.replace(u"{date}"_s, dateText(m_printedAt.date()));
        text.replace(u"{time}"_s, timeText(m_printedAt.time()));
        return text;
    }
    default:
        return {};
    }
}

void ReportDocument::paintElement(QPainter& p, const Element& e, const Placed& at, int page) const
{
    const double left = m_layout.page.contentRectMm().left();
    const QRectF box = toUnits(e.rect.translated(left, at.top));
    switch (e.kind) {
    case ElementKind::Label:
    case ElementKind::Field:
    case ElementKind::System:
        drawText(p, box, elementText(e, at.row, page), e.style);
        break;
    case ElementKind::Picture:
        if (!e.picture.isNull())
            p.drawImage(box, e.picture);
        break;
    case ElementKind::Barcode:
        drawCode128(p, box, elementText(e, at.row, page));
        break;
    case ElementKind::Line: {
        QPen pen(e.penColor, e.penMm * kUnitsPerMm);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(box.topLeft(), box.bottomRight());
        break;
    }
    case ElementKind::Frame:
        if (e.penMm > 0) {
            QPen pen(e.penColor, e.penMm * kUnitsPerMm);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
        } else {
            p.setPen(Qt::NoPen);
        }
        p.setBrush(e.fill.isValid() ? QBrush(e.fill) : QBrush(Qt::NoBrush));
        p.drawRect(box);
        break;
    }
}

void ReportDocument::paintPage(QPainter& painter, int page, double dotsPerMm) const
{
    if (page < 0 || page >= pageCount())
        return;
    painter.save();
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(dotsPerMm / kUnitsPerMm, dotsPerMm / kUnitsPerMm);
    for (const Placed& placed : m_pages[static_cast<size_t>(page)]) {
        for (const Element& e : m_layout.bands()[placed.band].elements) {
            if (e.visible)
                paintElement(painter, e, placed, page);
        }
    }
    painter.restore();
}

QImage ReportDocument::renderPage(int page, double dotsPerInch) const
{
    const double dotsPerMm = dotsPerInch / 25.4;
    const QSizeF mm = pageSizeMm();
    QImage image(qRound(mm.width() * dotsPerMm), qRound(mm.height() * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, dotsPerMm);
    return image;
}

bool ReportDocument::print(QPagedPaintDevice& device, int fromPage, int toPage) const
{
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        // Positions are measured from the sheet's edge, not from the printable area.
        printer->setFullPage(true);
    } else {
        device.setPageLayout(pageLayout());
    }
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? std::min(toPage, pageCount()) - 1 : pageCount() - 1;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        paintPage(painter, page, dotsPerMm);
    }
    return painter.end();
}

bool ReportDocument::writePdf(const QString& path) const
{
    QPdfWriter writer(path);
    writer.setCreator(u"ZOVA"_s);
    writer.setTitle(m_layout.documentName);
    writer.setResolution(1200);
    return print(writer);
}

} // namespace zova
