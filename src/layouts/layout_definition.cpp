#include "layouts/layout_definition.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace zova {

PageSetup PageSetup::a4(QPageLayout::Orientation orientation, double marginMm)
{
    PageSetup p;
    p.orientation = orientation;
    p.marginsMm = QMarginsF(marginMm, marginMm, marginMm, marginMm);
    return p;
}

PageSetup PageSetup::custom(QSizeF paperMm, QMarginsF marginsMm)
{
    PageSetup p;
    p.paperMm = paperMm;
    p.marginsMm = marginsMm;
    return p;
}

QSizeF PageSetup::pageSizeMm() const
{
    return orientation == QPageLayout::Landscape ? paperMm.transposed() : paperMm;
}

QRectF PageSetup::contentRectMm() const
{
    return QRectF(QPointF(0, 0), pageSizeMm()).marginsRemoved(marginsMm);
}

Element& Band::add(Element e)
{
    elements.push_back(std::move(e));
    return elements.back();
}

Element& Band::label(const QRectF& mm, const QString& text, const TextStyle& style)
{
    Element e;
    e.kind = ElementKind::Label;
    e.rect = mm;
    e.text = text;
    e.style = style;
    return add(std::move(e));
}

Element& Band::field(const QRectF& mm, const QString& fieldName, const TextStyle& style)
{
    Element e;
    e.kind = ElementKind::Field;
    e.rect = mm;
    e.field = fieldName;
    e.style = style;
    return add(std::move(e));
}

Element& Band::systemText(const QRectF& mm, const QString& pattern, const TextStyle& style)
{
    Element e;
    e.kind = ElementKind::System;
    e.rect = mm;
    e.text = pattern;
    e.style = style;
    return add(std::move(e));
}

Element& Band::picture(const QRectF& mm, const QImage& image)
{
    Element e;
    e.kind = ElementKind::Picture;
    e.rect = mm;
    e.picture = image;
    return add(std::move(e));
}

Element& Band::barcode(const QRectF& mm, const QString& fieldName)
{
    Element e;
    e.kind = ElementKind::Barcode;
    e.rect = mm;
    e.field = fieldName;
    return add(std::move(e));
}

Element& Band::line(QPointF fromMm, QPointF toMm, double penMm)
{
    Element e;
    e.kind = ElementKind::Line;
    e.rect = QRectF(fromMm, toMm);
    e.penMm = penMm;
    return add(std::move(e));
}

Element& Band::frame(const QRectF& mm, double penMm, const QColor& fill)
{
    Element e;
    e.kind = ElementKind::Frame;
    e.rect = mm;
    e.penMm = penMm;
    e.fill = fill;
    return add(std::move(e));
}

Band& ReportLayout::addBand(BandKind kind, double heightMm, const QString& name)
{
    m_bands.emplace_back(kind, heightMm, name);
    return m_bands.back();
}

Band& ReportLayout::addGroupHeader(const QString& keyField, double heightMm, const QString& name)
{
    Band& b = addBand(BandKind::GroupHeader, heightMm, name);
    b.groupField = keyField;
    return b;
}

Band* ReportLayout::findBand(QStringView name)
{
    for (Band& b : m_bands) {
        if (!b.name().isEmpty() && b.name() == name)
            return &b;
    }
    return nullptr;
}

Element* ReportLayout::findElement(QStringView name)
{
    for (Band& b : m_bands) {
        for (Element& e : b.elements) {
            if (!e.name.isEmpty() && e.name == name)
                return &e;
        }
    }
    return nullptr;
}

const Element* ReportLayout::findElement(QStringView name) const
{
    return const_cast<ReportLayout*>(this)->findElement(name);
}

Band& ReportLayout::band(QStringView name)
{
    if (Band* b = findBand(name))
        return *b;
    throw std::invalid_argument("layout has no band " + name.toString().toStdString());
}

Element& ReportLayout::element(QStringView name)
{
    if (Element* e = findElement(name))
        return *e;
    throw std::invalid_argument("layout has no element " + name.toString().toStdString());
}

void ReportLayout::setText(QStringView elementName, const QString& text)
{
    element(elementName).text = text;
}

void ReportLayout::setVisible(QStringView name, bool visible)
{
    if (Element* e = findElement(name)) {
        e->visible = visible;
        return;
    }
    band(name).visible = visible;
}

void ReportLayout::setFieldFormat(const QString& field, const QString& format)
{
    m_formats.insert(field.toLower(), format);
}

QString ReportLayout::fieldFormat(QStringView field) const
{
    return m_formats.value(field.toString().toLower());
}

} // namespace zova
