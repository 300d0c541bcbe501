#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

namespace zova {

// Screen forms of money used across the program (pt-BR separators).
enum class MoneyFormat {
    Grouped, // "R$#,##0.00"   -> R$1.234,50
    Plain, // "R$##0.00"       -> R$1234,50
    Spaced, // "\"R$ \",0.00"  -> R$ 1.234,50
    Number, // "#,##0.00"      -> 1.234,50
    Bare, // "0.00"            -> 1234,50
};

// Fixed-point money in ten-thousandths of a real, like a 4-decimal currency.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * 100); }
    static constexpr Money fromReais(std::int64_t reais) { return Money(reais * kScale); }

    // "1234.5", "-0.0001", "12" (point decimal, as the server returns DECIMAL columns).
    static std::optional<Money> fromSql(QStringView text);
    // Screen text: "R$ 1.234,50", "1234,5", "1.234" (dot groups thousands, comma decimals).
    static std::optional<Money> parse(QStringView text);

    constexpr std::int64_t units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded half away from zero to whole cents, as decimal(…,2) columns keep them.
    Money roundedToCents() const;
    std::int64_t cents() const { return roundedToCents().m_units / 100; }

    // Plain decimal with a point and two places: the form written into SQL.
    QString toSql() const;
    QString format(MoneyFormat form = MoneyFormat::Grouped) const;

    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money& operator+=(Money o)
    {
        m_units += o.m_units;
        return *this;
    }
    constexpr Money& operator-=(Money o)
    {
        m_units -= o.m_units;
        return *this;
    }
    friend constexpr Money operator+(Money a, Money b) { return a += b; }
    friend constexpr Money operator-(Money a, Money b) { return a -= b; }
    friend constexpr Money operator*(Money a, std::int64_t n) { return Money(a.m_units * n); }
    friend constexpr Money operator*(std::int64_t n, Money a) { return Money(a.m_units * n); }
    // Product of two amounts (e.g. value × rate), rounded to the scale half away from zero.
    Money times(Money factor) const;
    // Division by a whole number, rounded to the scale half away from zero.
    Money dividedBy(std::int64_t n) const;

    friend constexpr auto operator<=>(Money, Money) = default;
    friend constexpr bool operator==(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t units)
        : m_units(units)
    {
    }
    std::int64_t m_units = 0;
};

} // namespace zova
