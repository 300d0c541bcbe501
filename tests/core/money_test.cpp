#include "core/money.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::Money;
using zova::MoneyFormat;

TEST(Money, FormatsInEveryScreenForm)
{
    struct Case {
        std::int64_t units;
        MoneyFormat form;
        QString expected;
    };
    const Case cases[] = {
        { 12345000, MoneyFormat::Grouped, u"R$1.234,50"_s },
        { 12345000, MoneyFormat::Plain, u"R$1234,50"_s },
        { 12345000, MoneyFormat::Spaced, u"R$ 1.234,50"_s },
        { 12345000, MoneyFormat::Number, u"1.234,50"_s },
        { 12345000, MoneyFormat::Bare, u"1234,50"_s },
        { 0, MoneyFormat::Spaced, u"R$ 0,00"_s },
        { 10000000000, MoneyFormat::Grouped, u"R$1.000.000,00"_s },
        { 999999, MoneyFormat::Grouped, u"R$100,00"_s }, // 99.9999 rounds up
        { 5, MoneyFormat::Plain, u"R$0,00"_s }, // 0.0005 rounds down
        { 50, MoneyFormat::Plain, u"R$0,01"_s }, // 0.005 rounds half away from zero
        { -50, MoneyFormat::Plain, u"-R$0,01"_s },
        { -12345000, MoneyFormat::Grouped, u"-R$1.234,50"_s },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Money::fromUnits(c.units).format(c.form), c.expected) << c.units;
}

TEST(Money, SqlFormIsPlainDecimalWithPoint)
{
    EXPECT_EQ(Money::fromUnits(12345000).toSql(), u"1234.50"_s);
    EXPECT_EQ(Money::fromUnits(-1000).toSql(), u"-0.10"_s);
    EXPECT_EQ(Money().toSql(), u"0.00"_s);
    EXPECT_EQ(Money::fromUnits(1234567).toSql(), u"123.46"_s);
}

TEST(Money, ParsesServerAndScreenTexts)
{
    struct Case {
        QString text;
        bool sql;
        std::optional<std::int64_t> units;
    };
    const Case cases[] = {
        { u"1234.50"_s, true, 12345000 },
        { u"-0.01"_s, true, -100 },
        { u"12"_s, true, 120000 },
        { u"0.00005"_s, true, 1 }, // rounded to the scale
        { u"abc"_s, true, std::nullopt },
        { u""_s, true, std::nullopt },
        { u"R$ 1.234,50"_s, false, 12345000 },
        { u"R$1234,5"_s, false, 12345000 },
        { u"1.234"_s, false, 12340000 },
        { u"-3,25"_s, false, -32500 },
        { u"12,3,4"_s, false, std::nullopt },
        { u"R$"_s, false, std::nullopt },
    };
    for (const Case& c : cases) {
        const auto m = c.sql ? Money::fromSql(c.text) : Money::parse(c.text);
        ASSERT_EQ(m.has_value(), c.units.has_value()) << c.text.toStdString();
        if (m) {
            EXPECT_EQ(m->units(), *c.units) << c.text.toStdString();
        }
    }
}

TEST(Money, ArithmeticStaysExact)
{
    Money sum;
    for (int i = 0; i < 10; ++i)
        sum += Money::fromCents(10); // ten times 0.10 is exactly 1.00, unlike binary floating point
    EXPECT_EQ(sum, Money::fromReais(1));
    EXPECT_EQ(Money::fromReais(100).times(*Money::fromSql(u"12.5")), Money::fromReais(1250));
    EXPECT_EQ(Money::fromReais(10).dividedBy(3).units(), 33333);
    EXPECT_LT(Money::fromCents(-1), Money());
}
