#include "registries/plan_registry.h"

#include "db/numbers.h"
#include "db/transaction.h"

using namespace Qt::StringLiterals;

namespace zova {

ResultSet loadPlans(Connection& conn)
{
    return conn.query(u"select * from planos order by id"_s);
}

std::optional<PlanRecord> loadPlan(Connection& conn, qint64 id)
{
    const ResultSet rs = conn.query(u"select * from planos where id = ?"_s, { id });
    if (rs.isEmpty())
        return std::nullopt;
    PlanRecord p;
    p.id = rs.integer(0, u"id");
    p.nome = rs.text(0, u"nome_plano");
    p.descricao = rs.text(0, u"descricao_plano");
    p.valorPlano = rs.money(0, u"valor_plano");
    p.valorReajusteAnual = rs.money(0, u"valor_reajuste_anual");
    p.valorDepExtra = rs.money(0, u"valor_dep_extra");
    p.valorSeguro = rs.money(0, u"valor_seguro");
    return p;
}

bool planInUse(Connection& conn, const QString& name)
{
    return !conn.query(u"select pagamento from clientes where pagamento = ? limit 1"_s, { name }).isEmpty();
}

bool planNameExists(Connection& conn, const QString& name)
{
    return !conn.query(u"select nome_plano from planos where nome_plano = ? limit 1"_s, { name.trimmed() })
                .isEmpty();
}

qint64 insertPlan(Connection& conn, const PlanRecord& plan)
{
    Transaction tx(conn);
    // Inserts take turns, so two workstations cannot both find the name free.
    conn.lockUntilTransactionEnd(u"zova:"_s + conn.params().database + u":planos:nome"_s);
    if (planNameExists(conn, plan.nome))
        throw DuplicatePlanName(plan.nome.trimmed());
    const qint64 id = insertWithNextNumber(conn, { u"planos"_s, u"id"_s }, [&](qint64 number) {
        conn.exec(u"insert into planos values (?, ?, ?, ?, ?, ?, ?)"_s,
            { number, plan.nome.trimmed(), plan.descricao, plan.valorPlano, plan.valorReajusteAnual,
                plan.valorDepExtra, plan.valorSeguro });
    });
    tx.commit();
    return id;
}

void updatePlan(Connection& conn, const PlanRecord& plan)
{
    Transaction tx(conn);
    if (conn.query(u"select id from planos where id = ? for update"_s, { plan.id }).isEmpty())
        throw DbError(0, u"Registro %1 não encontrado"_s.arg(plan.id));
    conn.exec(u"update planos set nome_plano = ?, descricao_plano = ?, valor_plano = ?, "
              u"valor_reajuste_anual = ?, valor_dep_extra = ?, valor_seguro = ? where id = ?"_s,
        { plan.nome, plan.descricao, plan.valorPlano, plan.valorReajusteAnual, plan.valorDepExtra,
            plan.valorSeguro, plan.id });
    tx.commit();
}

void deletePlan(Connection& conn, qint64 id)
{
    conn.exec(u"delete from planos where id = ?"_s, { id });
}

} // namespace zova
