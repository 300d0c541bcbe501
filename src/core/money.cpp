#include "core/money.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

__extension__ typedef __int128 Wide; // products of two amounts overflow 64 bits

std::int64_t roundDiv(Wide num, Wide den)
{
    Wide q = num / den;
    Wide r = num % den;
    if (2 * (r < 0 ? -r : r) >= (den < 0 ? -den : den))
        q += ((num < 0) != (den < 0)) ? -1 : 1;
    return static_cast<std::int64_t>(q);
}

// Parses "[-]digits[<sep>digits]" into units; extra decimals are rounded.
std::optional<Money> parseDecimal(QStringView text, QChar decimalSep, QChar groupSep)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1).trimmed();
    }
    if (text.isEmpty())
        return std::nullopt;
    Wide whole = 0;
    Wide frac = 0;
    Wide fracScale = 1;
    bool inFraction = false;
    bool anyDigit = false;
    for (QChar c : text) {
        if (c.isDigit()) {
            anyDigit = true;
            const int d = c.digitValue();
            if (inFraction) {
                if (fracScale > 1'000'000'000'000LL)
                    continue; // beyond any useful precision
                frac = frac * 10 + d;
                fracScale *= 10;
            } else {
                whole = whole * 10 + d;
                if (whole > 900'000'000'000'000LL)
                    return std::nullopt;
            }
        } else if (c == decimalSep && !inFraction) {
            inFraction = true;
        } else if (!groupSep.isNull() && c == groupSep && !inFraction) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    Wide units = whole * Money::kScale + roundDiv(frac * Money::kScale, fracScale);
    return Money::fromUnits(static_cast<std::int64_t>(negative ? -units : units));
}

} // namespace

std::optional<Money> Money::fromSql(QStringView text)
{
    return parseDecimal(text, u'.', QChar());
}

std::optional<Money> Money::parse(QStringView text)
{
    QString t = text.toString();
    t.remove(u"R$"_s);
    t.remove(u' ');
    t.remove(QChar(0x00A0));
    return parseDecimal(t, u',', u'.');
}

Money Money::roundedToCents() const
{
    return Money(roundDiv(m_units, 100) * 100);
}

Money Money::times(Money factor) const
{
    return Money(roundDiv(static_cast<Wide>(m_units) * factor.m_units, kScale));
}

Money Money::dividedBy(std::int64_t n) const
{
    return Money(roundDiv(m_units, n));
}

QString Money::toSql() const
{
    const std::int64_t c = cents();
    const std::int64_t a = c < 0 ? -c : c;
    return (c < 0 ? u"-"_s : QString()) + QString::number(a / 100) + u'.'
        + QString::number(a % 100).rightJustified(2, u'0');
}

QString Money::format(MoneyFormat form) const
{
    const std::int64_t c = cents();
    const std::int64_t a = c < 0 ? -c : c;
    QString whole = QString::number(a / 100);
    const bool grouped
        = form == MoneyFormat::Grouped || form == MoneyFormat::Spaced || form == MoneyFormat::Number;
    if (grouped) {
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, u'.');
    }
    const QString number = whole + u',' + QString::number(a % 100).rightJustified(2, u'0');
    QString prefix;
    switch (form) {
    case MoneyFormat::Grouped:
    case MoneyFormat::Plain:
        prefix = u"R$"_s;
        break;
    case MoneyFormat::Spaced:
        prefix = u"R$ "_s;
        break;
    case MoneyFormat::Number:
    case MoneyFormat::Bare:
        break;
    }
    return (c < 0 ? u"-"_s : QString()) + prefix + number;
}

} // namespace zova
