#include "core/barcode.h"

namespace zova {

QString installmentBarcode(qint64 holderId, qint64 installment)
{
    return QString::number(holderId).rightJustified(6, u'0')
        + QString::number(installment).rightJustified(4, u'0');
}

std::optional<InstallmentCode> parseInstallmentBarcode(QStringView text)
{
    text = text.trimmed();
    if (text.size() != 10)
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return InstallmentCode { text.left(6).toLongLong(), text.mid(6).toLongLong() };
}

} // namespace zova
