#include "ui/style.h"

#include "ui/colours.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

// Resources compiled into a static library must be registered by hand, from the global namespace.
static void initZovaUiResources()
{
    Q_INIT_RESOURCE(zova_ui);
}

namespace zova {

QString zovaStyleSheet()
{
    initZovaUiResources();
    QFile file(u":/zova/zova.qss"_s);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool applyZovaStyle(QApplication& app)
{
    if (QStyle* fusion = QStyleFactory::create(u"Fusion"_s))
        app.setStyle(fusion);

    QPalette p = app.style()->standardPalette();
    p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xEE, 0xF2, 0xFA));
    p.setColor(QPalette::Highlight, kNavy);
    p.setColor(QPalette::HighlightedText, Qt::white);
    app.setPalette(p);

    QFont font = app.font();
    font.setFamilies({ u"Tahoma"_s, u"Segoe UI"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s });
    font.setPointSize(9);
    app.setFont(font);

    const QString sheet = zovaStyleSheet();
    app.setStyleSheet(sheet);
    return !sheet.isEmpty();
}

} // namespace zova
