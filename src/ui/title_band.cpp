#include "ui/title_band.h"

using namespace Qt::StringLiterals;

namespace zova {

TitleBand::TitleBand(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(u"titleBand"_s);
    setAlignment(Qt::AlignCenter);
    setMinimumHeight(26);
    setMargin(3);
    // The palette keeps the look without the style sheet too (tests, other styles).
    QPalette p = palette();
    p.setColor(QPalette::Window, kMaroon);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    makeCaption(label);
    return label;
}

void makeCaption(QLabel* label)
{
    label->setProperty("caption", true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, kNavy);
    label->setPalette(p);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
}

void setCaptionColour(QWidget* label, const QColor& colour)
{
    // The widget's own style sheet outranks the application's caption rule.
    label->setStyleSheet(u"color: %1;"_s.arg(colour.name()));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QLabel* counterLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    label->setFont(f);
    setCaptionColour(label, kNavy);
    return label;
}

QString counterText(qint64 count)
{
    return QString::number(count).rightJustified(5, u'0');
}

void setLabelStyle(QLabel* label, const QColor& colour, int pointSize, bool bold)
{
    QString sheet = u"color: %1; font-weight: %2;"_s.arg(colour.name(), bold ? u"bold"_s : u"normal"_s);
    if (pointSize > 0)
        sheet += u" font-size: %1pt;"_s.arg(pointSize);
    label->setStyleSheet(sheet);
}

} // namespace zova
