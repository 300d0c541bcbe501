#include "holder_fixture.h"
#include "holders/grace_period.h"

#include <optional>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

using Result = GraceCheck::Result;

class GracePeriodTest : public HolderTest {
protected:
    const QDate today = clock.today();

    GraceCheck check(qint64 holder, const QString& utilizou = u"SIM"_s)
    {
        return VerificaCarencia(conn(), today, holder, utilizou);
    }

    void storeHolder(const QDate& contract)
    {
        Holder h;
        h.datacontrato = contract;
        insertHolder(h);
    }
};

TEST_F(GracePeriodTest, DaysCountedFromTheStoredContractDate)
{
    struct Case {
        const char* name;
        std::optional<int> carencia;
        int daysAgo;
        QString utilizou;
        Result result;
        qint64 days;
    };
    const Case cases[] = {
        { "one day short", 90, 89, u"SIM"_s, Result::Refused, 89 },
        { "exactly the period", 90, 90, u"SIM"_s, Result::Passed, 90 },
        { "plan not used", 90, 10, u"NÃO"_s, Result::Passed, 0 },
        { "check disabled", 0, 10, u"SIM"_s, Result::Passed, 0 },
        { "negative disables too", -5, 10, u"SIM"_s, Result::Passed, 0 },
        { "no parameter", std::nullopt, 10, u"SIM"_s, Result::NoParameter, 0 },
        { "contract after today", 90, -3, u"SIM"_s, Result::Refused, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        conn().exec(u"delete from clientes"_s);
        setCarencia(c.carencia);
        storeHolder(today.addDays(-c.daysAgo));
        const GraceCheck g = check(1, c.utilizou);
        EXPECT_EQ(g.result, c.result);
        EXPECT_EQ(g.days, c.days);
    }
}

TEST_F(GracePeriodTest, ParameterIsReadBeforeAnythingElse)
{
    // A new holder is never checked, but a missing parameter still ends its save.
    setCarencia(std::nullopt);
    EXPECT_EQ(check(0, u"NÃO"_s).result, Result::NoParameter);
    conn().exec(u"insert into parametros values (30, null)"_s);
    EXPECT_EQ(check(0, u"NÃO"_s).result, Result::NoParameter) << "a null parameter is no parameter";

    setCarencia(90);
    const GraceCheck fresh = check(0);
    EXPECT_EQ(fresh.result, Result::Passed);
    EXPECT_EQ(fresh.carenciaDias, 90);
}

TEST_F(GracePeriodTest, MissingContractDateCountsNoDays)
{
    setCarencia(90);
    storeHolder(today.addDays(-400));
    conn().exec(u"update clientes set datacontrato = null where id = 1"_s);
    const GraceCheck noDate = check(1);
    EXPECT_EQ(noDate.result, Result::Refused);
    EXPECT_EQ(noDate.days, 0);
    conn().exec(u"update clientes set datacontrato = '1899-12-30' where id = 1"_s);
    EXPECT_EQ(check(1).result, Result::Refused) << "the old zero date is no contract date";
    EXPECT_EQ(check(2).result, Result::Refused) << "a holder deleted meanwhile";
}

TEST_F(GracePeriodTest, RefusalText)
{
    setCarencia(90);
    storeHolder(today.addDays(-89));
    const GraceCheck g = check(1);
    EXPECT_EQ(graceRefusalText(u"JOSE DA SILVA"_s, g),
        u"Não é possível inserir utilização de plano do Titular \"JOSE DA SILVA\".\r"
        u"O período de adesão para uso do plano, conforme parâmetro, é de \"90\" dias.\r"
        u" O titular possui \"89\" dias de adesão. Ação cancelada!\r\r"_s);
}

} // namespace
