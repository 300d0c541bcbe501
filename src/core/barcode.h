#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace zova {

// Text printed under an installment stub and read back by the barcode reader:
// holder id as "000000" followed by the installment number as "0000" (pads, never truncates).
QString installmentBarcode(qint64 holderId, qint64 installment);

struct InstallmentCode {
    qint64 holderId = 0;
    qint64 installment = 0;
};

// Digits 1-6 give the holder, 7-10 the installment; anything but ten digits gives nothing.
std::optional<InstallmentCode> parseInstallmentBarcode(QStringView text);

} // namespace zova
