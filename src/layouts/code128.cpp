#include "layouts/code128.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace zova {

bool drawCode128(QPainter& painter, const QRectF& box, const QString& text)
{
    if (text.isEmpty() || box.isEmpty())
        return false;
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    if (!symbol)
        return false;
    symbol->symbology = BARCODE_CODE128B;
    symbol->show_hrt = 0;
    const QByteArray data = text.toLatin1();
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
            static_cast<int>(data.size()))
        >= ZINT_ERROR)
        return false;
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector)
        return false;
    const zint_vector& v = *symbol->vector;
    if (v.width <= 0 || v.height <= 0)
        return false;
    const double sx = box.width() / static_cast<double>(v.width);
    const double sy = box.height() / static_cast<double>(v.height);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const zint_vector_rect* r = v.rectangles; r; r = r->next) {
        if (r->colour > 0 && r->colour != 7) // only the dark modules, never a white fill
            continue;
        painter.drawRect(
            QRectF(box.left() + r->x * sx, box.top() + r->y * sy, r->width * sx, r->height * sy));
    }
    painter.restore();
    return true;
}

} // namespace zova
