#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <deque>

namespace zova {

// Paper and margins of a printed layout, in millimetres.
struct PageSetup {
    QSizeF paperMm { 210.0, 297.0 }; // as held in portrait
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm { 10.0, 10.0, 10.0, 10.0 };

    static PageSetup a4(QPageLayout::Orientation orientation = QPageLayout::Portrait, double marginMm = 10.0);
    static PageSetup custom(QSizeF paperMm, QMarginsF marginsMm);

    // The sheet as printed (width and height swapped in landscape).
    QSizeF pageSizeMm() const;
    // The area inside the margins, from the sheet's top-left corner.
    QRectF contentRectMm() const;
};

struct TextStyle {
    QString family = QStringLiteral("Arial");
    double pointSize = 9.0;
    bool bold = false;
    bool italic = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    QColor background; // invalid: transparent
    bool wordWrap = false;
    // 0, or 90 (reads upwards) or -90 (reads downwards); the box is given unrotated.
    int rotation = 0;

    TextStyle& size(double pt)
    {
        pointSize = pt;
        return *this;
    }
    TextStyle& setBold(bool on = true)
    {
        bold = on;
        return *this;
    }
    TextStyle& setItalic(bool on = true)
    {
        italic = on;
        return *this;
    }
    TextStyle& align(Qt::Alignment horizontal)
    {
        alignment = horizontal | (alignment & Qt::AlignVertical_Mask);
        return *this;
    }
    TextStyle& valign(Qt::Alignment vertical)
    {
        alignment = vertical | (alignment & Qt::AlignHorizontal_Mask);
        return *this;
    }
    TextStyle& on(const QColor& fill)
    {
        background = fill;
        return *this;
    }
    TextStyle& inColor(const QColor& c)
    {
        color = c;
        return *this;
    }
    TextStyle& wrap(bool on = true)
    {
        wordWrap = on;
        return *this;
    }
    TextStyle& rotated(int degrees)
    {
        rotation = degrees;
        return *this;
    }
};

enum class ElementKind {
    Label, // fixed text, filled by the caller
    Field, // a column of the current row, in its display format
    System, // text with {page}, {pages}, {date}, {time} replaced at print time
    Picture, // an image stretched to its box
    Barcode, // Code 128 (set B) bars of a column or of a fixed text
    Line,
    Frame,
};

// One printed element. Positions are millimetres from the top-left corner of its band.
struct Element {
    ElementKind kind = ElementKind::Label;
    QString name;
    QRectF rect;
    bool visible = true;
    QString text;
    QString field;
    QString format; // overrides the layout's format for the field
    TextStyle style;
    QImage picture;
    double penMm = 0.2;
    QColor penColor = Qt::black;
    QColor fill;

    Element& named(const QString& n)
    {
        name = n;
        return *this;
    }
    Element& hidden(bool on = true)
    {
        visible = !on;
        return *this;
    }
    Element& withFormat(const QString& f)
    {
        format = f;
        return *this;
    }
};

enum class BandKind {
    PageHeader, // top of every page
    Title, // once, under the first page header
    ColumnHeader, // every page, under the page header
    GroupHeader, // before the first row and whenever its key field changes
    Detail, // once per row
    Spacer, // after each row's detail bands
    ColumnFooter, // after the last row of every page
    Summary, // once, after the last row
    PageFooter, // bottom of every page
};

class Band {
public:
    Band(BandKind bandKind, double height, QString bandName)
        : heightMm(height)
        , m_kind(bandKind)
        , m_name(std::move(bandName))
    {
    }

    double heightMm;
    bool visible = true;
    QString groupField; // GroupHeader: the key
    std::deque<Element> elements;

    // Hidden bands and bands of height 0 take no room and print nothing.
    bool printable() const { return visible && heightMm > 0.0; }
    BandKind kind() const { return m_kind; }
    const QString& name() const { return m_name; }

    Element& add(Element e);
    Element& label(const QRectF& mm, const QString& text, const TextStyle& style = {});
    Element& field(const QRectF& mm, const QString& fieldName, const TextStyle& style = {});
    Element& systemText(const QRectF& mm, const QString& pattern, const TextStyle& style = {});
    Element& picture(const QRectF& mm, const QImage& image);
    Element& barcode(const QRectF& mm, const QString& fieldName);
    Element& line(QPointF fromMm, QPointF toMm, double penMm = 0.2);
    Element& frame(const QRectF& mm, double penMm = 0.2, const QColor& fill = {});

private:
    BandKind m_kind;
    QString m_name;
};

// A banded layout: page setup, bands in print order, and what the preview needs to know.
// It holds no data: rows and filled labels are given to it by the caller.
class ReportLayout {
public:
    PageSetup page;
    QString documentName = QStringLiteral("Relatorio"); // proposed PDF name, without extension
    int previewZoomPercent = 100;

    Band& addBand(BandKind kind, double heightMm, const QString& name = {});
    Band& addGroupHeader(const QString& keyField, double heightMm, const QString& name = {});

    std::deque<Band>& bands() { return m_bands; }
    const std::deque<Band>& bands() const { return m_bands; }

    Band* findBand(QStringView name);
    Element* findElement(QStringView name);
    const Element* findElement(QStringView name) const;
    // Unknown names are programming errors and raise std::invalid_argument.
    Band& band(QStringView name);
    Element& element(QStringView name);
    void setText(QStringView elementName, const QString& text);
    // An element or a band.
    void setVisible(QStringView name, bool visible);

    // Display format of a data field wherever it prints ("R$##0.00", "00", "dd/mm/yyyy" ...).
    void setFieldFormat(const QString& field, const QString& format);
    QString fieldFormat(QStringView field) const;

private:
    std::deque<Band> m_bands;
    QHash<QString, QString> m_formats; // by lower-case field name
};

} // namespace zova
