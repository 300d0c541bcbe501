#include "core/cpf.h"

#include <QString>

namespace zova {

namespace {
int checkDigit(const QString& digits, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += digits[i].digitValue() * (count + 1 - i);
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}
} // namespace

bool cpfValido(QStringView cpf)
{
    QString digits = cpf.toString();
    digits.remove(u'.');
    digits.remove(u'-');
    if (digits.size() != 11)
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    if (digits.count(digits[0]) == 11)
        return false;
    return checkDigit(digits, 9) == digits[9].digitValue()
        && checkDigit(digits, 10) == digits[10].digitValue();
}

} // namespace zova
