#include "db/numbers.h"
#include "db/schema.h"
#include "db/transaction.h"
#include "support/test_database.h"

#include <QRegularExpression>
#include <thread>

using namespace Qt::StringLiterals;
using namespace zova;
using zova::test::DbTest;

class ConnectionTest : public DbTest { };

TEST_F(ConnectionTest, EveryTableAndColumnInOrder)
{
    // Positional inserts rely on this exact order.
    const std::map<QString, QString> expected = {
        { u"adesao"_s, u"id id_cliente vendedor valor data"_s },
        { u"backups"_s, u"NomeBKP TamanhoBKP DataBKP"_s },
        { u"boleto"_s,
            u"id_boleto id_cliente parcela_boleto valor_parcela_boleto vencimento_parcela_boleto "
            "status_parcela_boleto pgto_parcela_boleto barcode f_pagamento"_s },
        { u"boleto_atrasado"_s,
            u"id_boleto id_cliente parcela_boleto valor_parcela_boleto vencimento_parcela_boleto "
            "status_parcela_boleto pgto_parcela_boleto barcode f_pagamento"_s },
        { u"boleto_fechado"_s,
            u"id_boleto id_cliente parcela_boleto valor_parcela_boleto vencimento_parcela_boleto "
            "status_parcela_boleto pgto_parcela_boleto f_pagamento"_s },
        { u"caixa"_s, u"id cod_titular titular parcela cobrador valor vencimento pagamento moeda"_s },
        { u"carne_entregue"_s, u"id_cliente"_s },
        { u"clientes"_s,
            u"id contrato titular vendedor cobrador nascimento sexo rg cpf estadocivil endereco numero "
            "telefone celular bairro cidade cep uf plano pagamento datacontrato vencimento valorparcela "
            "status tipo utilizou codrota carne religiao ultimaparcela ultimovencimento seguro"_s },
        { u"cobradores"_s,
            u"id nome nascimento sexo rg cpf estadocivil endereco numero bairro cidade uf cep telefone "
            "celular status"_s },
        { u"dependentes"_s, u"id id_cliente nome sexo grau nascimento cpf rg falecimento status"_s },
        { u"externo"_s,
            u"Codigo Data Cobrador ValorBruto Comissao ValorComissao Despesas DescDespesa Ticket "
            "ValorLiquido Cidade"_s },
        { u"historico"_s, u"id id_cliente historico data"_s },
        { u"log"_s, u"codigo login acao data hora"_s },
        { u"operador"_s, u"Nome SenhaAcesso LoginAcesso DataCadastro"_s },
        { u"parametros"_s, u"InativarDias CarenciaDias"_s },
        { u"planos"_s,
            u"id nome_plano descricao_plano valor_plano valor_reajuste_anual valor_dep_extra valor_seguro"_s },
        { u"temporaria"_s, u"id titular situacao cidade valor total"_s },
        { u"vendedores"_s,
            u"id nome nascimento sexo rg cpf estadocivil endereco numero bairro cidade uf cep telefone "
            "celular status"_s },
    };
    const ResultSet rs = conn().query(
        u"select table_name, column_name, engine, table_collation from information_schema.columns "
        "join information_schema.tables using (table_schema, table_name) "
        "where table_schema = database() order by table_name, ordinal_position"_s);
    std::map<QString, QStringList> actual;
    for (int r = 0; r < rs.rowCount(); ++r) {
        actual[rs.text(r, u"table_name")] << rs.text(r, u"column_name");
        EXPECT_EQ(rs.text(r, u"engine"), u"InnoDB"_s);
        EXPECT_TRUE(rs.text(r, u"table_collation").startsWith(u"utf8mb4"_s));
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (const auto& [table, columns] : expected)
        EXPECT_EQ(actual[table].join(u' '), columns) << table.toStdString();
}

TEST_F(ConnectionTest, TableNamesAndTextIgnoreLetterCase)
{
    conn().exec(u"insert into Log values (1, 'A', 'x', '2024-01-01', '10:00:00')"_s);
    EXPECT_EQ(conn().query(u"select count(*) from LOG where login = 'a'"_s).integer(0, 0), 1);
}

TEST_F(ConnectionTest, ValuesAreEscapedByTheConnection)
{
    const QString nasty = u"O'BRIEN \\ \"JOÃO\" ; drop table log; -- ?"_s;
    conn().exec(u"insert into log values (?, ?, ?, ?, ?)"_s,
        { 7, nasty, u"AÇÃO '?'"_s, QDate(2024, 2, 29), QTime(23, 59, 1) });
    const ResultSet rs = conn().query(u"select * from log where login = ?"_s, { nasty });
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, u"LOGIN"), nasty);
    EXPECT_EQ(rs.text(0, u"acao"), u"AÇÃO '?'"_s);
    EXPECT_EQ(rs.date(0, u"data"), QDate(2024, 2, 29));
    EXPECT_EQ(rs.time(0, u"hora"), QTime(23, 59, 1));
    EXPECT_EQ(rs.integer(0, u"codigo"), 7);
    // A "?" inside a literal of the pattern is text, not a placeholder.
    EXPECT_EQ(conn().compose(u"select '?', ?"_s, { 1 }), u"select '?', 1"_s);
    EXPECT_THROW(conn().compose(u"select ?"_s, {}), std::invalid_argument);
}

TEST_F(ConnectionTest, LikePatternsTreatWildcardsAsText)
{
    conn().exec(u"insert into log values (1,'A','100% PAGO','2024-01-01','10:00:00'),"
                "(2,'A','1000 PAGO','2024-01-01','10:00:00'),(3,'A','X_Y','2024-01-01','10:00:00'),"
                "(4,'A','XZY','2024-01-01','10:00:00')"_s);
    auto count = [&](const QString& typed) {
        return conn()
            .query(
                u"select count(*) from log where acao like ?"_s, { QString(u'%' + likeEscape(typed) + u'%') })
            .integer(0, 0);
    };
    EXPECT_EQ(count(u"0%"_s), 1);
    EXPECT_EQ(count(u"X_"_s), 1);
    EXPECT_EQ(count(u"'"_s), 0);
}

TEST_F(ConnectionTest, NullAwareGettersAndServerErrorText)
{
    conn().exec(u"insert into caixa values (1, NULL, NULL, NULL, NULL, 12.5, NULL, '2024-03-01', NULL)"_s);
    const ResultSet rs = conn().query(u"select * from caixa"_s);
    EXPECT_TRUE(rs.isNull(0, u"titular"));
    EXPECT_EQ(rs.text(0, u"titular"), QString());
    EXPECT_EQ(rs.integer(0, u"cod_titular"), 0);
    EXPECT_FALSE(rs.date(0, u"vencimento").isValid());
    EXPECT_EQ(rs.money(0, u"valor"), Money::fromCents(1250));
    EXPECT_EQ(rs.value(0, rs.columnIndex(u"valor")).value<Money>(), Money::fromCents(1250));
    EXPECT_FALSE(rs.optInteger(0, u"parcela").has_value());
    try {
        conn().exec(u"select * from nao_existe"_s);
        FAIL();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(u"nao_existe' doesn't exist"_s)) << e.message().toStdString();
    }
}

TEST_F(ConnectionTest, TransactionRollsBackWhenLeftByAnException)
{
    try {
        Transaction tx(conn());
        conn().exec(u"insert into log values (1,'A','X','2024-01-01','10:00:00')"_s);
        conn().exec(u"insert into log values (1,'A','DUP','2024-01-01','10:00:00')"_s);
        tx.commit();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.isDuplicateKey());
    }
    EXPECT_EQ(conn().query(u"select count(*) from log"_s).integer(0, 0), 0);
    EXPECT_FALSE(conn().inTransaction());
}

TEST_F(ConnectionTest, NumbersStartAtOneAndAgainWhenEmptied)
{
    const NumberColumn logNumber { u"log"_s, u"codigo"_s };
    EXPECT_EQ(nextNumber(conn(), logNumber), 1);
    auto insertLog = [&](qint64 n) {
        conn().exec(u"insert into log values (?, 'A', 'X', '2024-01-01', '10:00:00')"_s, { n });
    };
    EXPECT_EQ(insertWithNextNumber(conn(), logNumber, insertLog), 1);
    EXPECT_EQ(insertWithNextNumber(conn(), logNumber, insertLog), 2);
    conn().exec(u"delete from log"_s);
    EXPECT_EQ(insertWithNextNumber(conn(), logNumber, insertLog), 1);

    // Per-holder numbering of history notes.
    auto note = [&](qint64 holder) {
        return insertWithNextNumber(
            conn(), { u"historico"_s, u"id"_s, u"id_cliente"_s, holder }, [&](qint64 n) {
                conn().exec(u"insert into historico values (?, ?, 'NOTA', '2024-01-01')"_s, { n, holder });
            });
    };
    EXPECT_EQ(note(5), 1);
    EXPECT_EQ(note(5), 2);
    EXPECT_EQ(note(6), 1);
}

TEST_F(ConnectionTest, TwoWorkstationsAllocatingAtOnceNeverCollide)
{
    constexpr int kEach = 150;
    auto workstation = [&](const QString& who, std::vector<qint64>& got) {
        auto c = db().openAnother();
        for (int i = 0; i < kEach; ++i) {
            got.push_back(insertWithNextNumber(*c, { u"log"_s, u"codigo"_s }, [&](qint64 n) {
                c->exec(u"insert into log values (?, ?, 'X', '2024-01-01', '10:00:00')"_s, { n, who });
            }));
        }
    };
    std::vector<qint64> a;
    std::vector<qint64> b;
    std::thread ta(workstation, u"A"_s, std::ref(a));
    std::thread tb(workstation, u"B"_s, std::ref(b));
    ta.join();
    tb.join();
    const ResultSet rs
        = conn().query(u"select count(*) as n, count(distinct codigo) as d, max(codigo) as m from log"_s);
    EXPECT_EQ(rs.integer(0, u"n"), 2 * kEach);
    EXPECT_EQ(rs.integer(0, u"d"), 2 * kEach);
    EXPECT_EQ(rs.integer(0, u"m"), 2 * kEach);
    std::set<qint64> all(a.begin(), a.end());
    all.insert(b.begin(), b.end());
    EXPECT_EQ(all.size(), size_t(2 * kEach));
}
