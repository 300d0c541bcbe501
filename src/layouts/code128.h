#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace zova {

// Draws the Code 128 (character set B) bars of text as filled rectangles stretched to box, so
// the symbol stays sharp on paper and in PDF. An empty text, or one the symbology cannot carry,
// draws nothing and gives false.
bool drawCode128(QPainter& painter, const QRectF& box, const QString& text);

} // namespace zova
