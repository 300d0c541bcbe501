#include "layouts/field_format.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::ResultSet;

TEST(FieldFormat, ShowsCellsInTheirDisplayFormats)
{
    using K = ResultSet::Kind;
    ResultSet rows({ { u"valor"_s, K::Decimal }, { u"parcela"_s, K::Integer }, { u"vencimento"_s, K::Date },
        { u"hora"_s, K::Time }, { u"dia"_s, K::Text }, { u"nome"_s, K::Text } });
    rows.appendRow(
        QStringList { u"1234.5"_s, u"3"_s, u"2024-03-05"_s, u"09:05:07"_s, u"5"_s, u"JOSÉ D'ÁVILA"_s });
    rows.appendRow(std::vector<std::optional<QByteArray>> { std::nullopt, QByteArray("-7"),
        QByteArray("1899-12-30"), std::nullopt, QByteArray("X1"), std::nullopt });

    struct Case {
        int row;
        QString field;
        QString format;
        QString expected;
    };
    const Case cases[] = {
        { 0, u"valor"_s, u"R$##0.00"_s, u"R$1234,50"_s }, { 0, u"valor"_s, u"R$#,##0.00"_s, u"R$1.234,50"_s },
        { 0, u"valor"_s, u"\"R$ \",0.00"_s, u"R$ 1.234,50"_s },
        { 0, u"valor"_s, u"#,##0.00"_s, u"1.234,50"_s }, { 0, u"valor"_s, u"0.00"_s, u"1234,50"_s },
        { 0, u"valor"_s, QString(), u"1234,50"_s }, { 0, u"parcela"_s, u"00"_s, u"03"_s },
        { 0, u"parcela"_s, u"0000"_s, u"0003"_s },
        { 0, u"PARCELA"_s, u"00000"_s, u"00003"_s }, // names match without regard to case
        { 1, u"parcela"_s, u"0000"_s, u"-0007"_s },
        { 0, u"dia"_s, u"00"_s, u"05"_s }, // numbers stored as text pad too
        { 1, u"dia"_s, u"00"_s, u"X1"_s }, // text that is no number prints as stored
        { 0, u"vencimento"_s, u"dd/mm/yyyy"_s, u"05/03/2024"_s },
        { 0, u"vencimento"_s, QString(), u"05/03/2024"_s },
        { 1, u"vencimento"_s, QString(), QString() }, // the old zero date means no date
        { 0, u"hora"_s, QString(), u"09:05:07"_s }, { 0, u"nome"_s, QString(), u"JOSÉ D'ÁVILA"_s },
        { 1, u"valor"_s, u"R$##0.00"_s, QString() }, // NULL prints nothing
        { 0, u"semcoluna"_s, QString(), QString() }, // nor does a column the query lacks
        { 5, u"nome"_s, QString(), QString() }, // nor a row past the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zova::formatField(rows, c.row, c.field, c.format), c.expected)
            << c.field.toStdString() << " " << c.format.toStdString();
    }
}
