#include "core/barcode.h"
#include "core/cpf.h"
#include "core/dates.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Dates, TextFormsRoundTrip)
{
    EXPECT_EQ(zova::dateText(QDate(2024, 5, 17)), u"17/05/2024"_s);
    EXPECT_EQ(zova::dateText(QDate()), u"  /  /    "_s);
    EXPECT_EQ(zova::sqlDate(QDate(2024, 1, 5)), u"2024-01-05"_s);
    EXPECT_EQ(zova::fromSqlDate(u"2024-01-05"), QDate(2024, 1, 5));
    EXPECT_FALSE(zova::fromSqlDate(u"0000-00-00").isValid());
    EXPECT_TRUE(zova::isLegacyZeroDate(zova::fromSqlDate(u"1899-12-30")));
}

TEST(Dates, ParsesOnlyRealDates)
{
    struct Case {
        QString text;
        QDate expected;
    };
    const Case cases[] = {
        { u"17/05/2024"_s, QDate(2024, 5, 17) },
        { u"29/02/2024"_s, QDate(2024, 2, 29) },
        { u"29/02/2023"_s, QDate() },
        { u"31/04/2024"_s, QDate() },
        { u"  /  /    "_s, QDate() },
        { u""_s, QDate() },
        { u"1/5/2024"_s, QDate() },
        { u"17-05-2024"_s, QDate() },
    };
    for (const Case& c : cases)
        EXPECT_EQ(zova::parseDateText(c.text), c.expected) << c.text.toStdString();
    EXPECT_TRUE(zova::isBlankDateText(u"  /  /    "));
    EXPECT_TRUE(zova::isBlankDateText(u""));
    EXPECT_FALSE(zova::isBlankDateText(u"01/  /    "));
}

TEST(Cpf, CheckDigitsLengthsAndRepeatedNumbers)
{
    struct Case {
        QString cpf;
        bool valid;
    };
    const Case cases[] = {
        { u"529.982.247-25"_s, true },
        { u"52998224725"_s, true },
        { u"111.444.777-35"_s, true },
        { u"000.000.001-91"_s, true }, // leading zeros count as digits
        { u"529.982.247-24"_s, false }, // second digit wrong
        { u"529.982.247-15"_s, false }, // first digit wrong
        { u"111.111.111-11"_s, false },
        { u"000.000.000-00"_s, false },
        { u"5299822472"_s, false }, // ten digits
        { u"529.982.247-2 "_s, false }, // a blank left by the mask
        { u"   .   .   -  "_s, false },
        { u"529 982 247 25"_s, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(zova::cpfValido(c.cpf), c.valid) << c.cpf.toStdString();
}

TEST(Barcode, TenDigitsHolderThenInstallment)
{
    EXPECT_EQ(zova::installmentBarcode(57, 13), u"0000570013"_s);
    EXPECT_EQ(zova::installmentBarcode(1234567, 1), u"12345670001"_s); // pads, never truncates
    const auto code = zova::parseInstallmentBarcode(u"0000420003");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->holderId, 42);
    EXPECT_EQ(code->installment, 3);
    EXPECT_FALSE(zova::parseInstallmentBarcode(u"00004200"));
    EXPECT_FALSE(zova::parseInstallmentBarcode(u"00004200a3"));
}
