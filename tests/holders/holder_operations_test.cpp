#include "holders/holder_operations.h"

#include "db/db_error.h"
#include "holder_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zova::test {
namespace {

TEST(HolderTexts, ContractNumberAndPlanText)
{
    EXPECT_EQ(contractNumber(QDate(2024, 5, 17), 12), u"2024/05/00012"_s);
    EXPECT_EQ(contractNumber(QDate(1999, 12, 1), 123456), u"1999/12/123456"_s);
    EXPECT_EQ(planItemText(u" OURO "_s, 3), u"OURO[3]"_s);

    struct Case {
        QString text;
        QString name;
        qint64 id;
    };
    const Case cases[] = {
        { u"OURO[3]"_s, u"OURO"_s, 3 },
        { u"OURO"_s, u""_s, 0 }, // no bracket: neither name nor id
        { u"OURO[12"_s, u"OURO"_s, 0 }, // unclosed
        { u"A]B[7]"_s, u"A]B"_s, 0 }, // "]" before "[": the id is not read
        { u""_s, u""_s, 0 },
    };
    for (const Case& c : cases) {
        const PlanChoice p = splitPlanText(c.text);
        EXPECT_EQ(p.name, c.name) << c.text.toStdString();
        EXPECT_EQ(p.id, c.id) << c.text.toStdString();
    }
}

class HolderOperationsTest : public HolderTest { };

HolderRecord someHolder()
{
    HolderRecord h;
    h.titular = u"  MARIA DAS DORES "_s;
    h.datacontrato = QDate(2024, 3, 5);
    h.nascimento = QDate(1970, 1, 2);
    h.cpf = u"529.982.247-25"_s;
    h.pagamento = u"OURO"_s;
    h.seguro = 1;
    h.valorparcela = Money::fromCents(4550);
    h.plano = u"  /  /    "_s;
    h.vencimento = u"10"_s;
    h.status = u"ATIVO"_s;
    h.utilizou = u"NÃO"_s;
    return h;
}

TEST_F(HolderOperationsTest, InsertAllocatesCodeAndContractAndRefusesAStoredCpf)
{
    insertHolder({ .id = 7, .cpf = u"111.444.777-35"_s });
    const StoredHolder stored = zova::insertHolder(conn(), someHolder());
    EXPECT_EQ(stored.id, 8);
    EXPECT_EQ(stored.contrato, u"2024/03/00008"_s);
    const auto back = loadHolder(conn(), 8);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->titular, u"MARIA DAS DORES"_s);
    EXPECT_EQ(back->contrato, u"2024/03/00008"_s);
    EXPECT_EQ(back->valorparcela, Money::fromCents(4550));
    EXPECT_EQ(back->plano, u"  /  /    "_s);
    EXPECT_EQ(back->seguro, 1);

    HolderRecord again = someHolder();
    again.cpf = u"111.444.777-35"_s;
    try {
        zova::insertHolder(conn(), again);
        FAIL() << "a stored CPF was accepted";
    } catch (const DuplicateHolderCpf& e) {
        EXPECT_EQ(e.owner().id, 7);
    }
    // Its own CPF does not count against it; a blank mask never collides.
    HolderRecord own = *loadHolder(conn(), 7);
    EXPECT_NO_THROW(updateHolder(conn(), own));
    HolderRecord blank = someHolder();
    blank.cpf = u"   .   .   -  "_s;
    EXPECT_NO_THROW(zova::insertHolder(conn(), blank));
    EXPECT_NO_THROW(zova::insertHolder(conn(), blank));
}

TEST_F(HolderOperationsTest, UpdateOfAHolderDeletedElsewhereFails)
{
    HolderRecord gone = someHolder();
    gone.id = 99;
    EXPECT_THROW(updateHolder(conn(), gone), DbError);
}

TEST_F(HolderOperationsTest, DeleteIsRefusedByDependentsAndCurrentInstallmentsOnly)
{
    struct Case {
        const char* what;
        std::function<void()> arrange;
        HolderInUse expected;
    };
    const Case cases[] = {
        { "inactive dependent", [&] { insertDependent(1, 1, u"ANA"_s, u"FILHO(A)"_s, u"INATIVO"_s); },
            HolderInUse::Dependents },
        { "current installment", [&] { insertInstallment(u"boleto"_s, 1); }, HolderInUse::Installments },
        { "closed and pending booklets",
            [&] {
                insertInstallment(u"boleto_fechado"_s, 1);
                insertInstallment(u"boleto_atrasado"_s, 1);
            },
            HolderInUse::No },
    };
    for (const Case& c : cases) {
        db().clear();
        insertHolder({});
        c.arrange();
        EXPECT_EQ(deleteHolder(conn(), 1), c.expected) << c.what;
        EXPECT_EQ(loadHolder(conn(), 1).has_value(), c.expected != HolderInUse::No) << c.what;
    }
}

TEST_F(HolderOperationsTest, ListsAreTrimmedAndOrdered)
{
    insertPlan(2, u"PRATA"_s, u"30.00"_s);
    insertPlan(1, u"OURO "_s, u"45.00"_s);
    EXPECT_EQ(planItems(conn()), (QStringList { u"OURO[1]"_s, u"PRATA[2]"_s }));
    EXPECT_EQ(planValue(conn(), 2), Money::fromReais(30));
    EXPECT_FALSE(planValue(conn(), 9));
    insertHolder({ .id = 1 });
    insertHolder({ .id = 2 });
    EXPECT_EQ(holderCities(conn()), QStringList { u"IBAITI"_s });
}

} // namespace
} // namespace zova::test
