#include "holders/dependent_operations.h"

#include "core/dates.h"
#include "db/db_error.h"
#include "db/numbers.h"
#include "db/transaction.h"

using namespace Qt::StringLiterals;

namespace zova {

const QStringList& kinshipItems()
{
    static const QStringList items { u"PAI"_s, u"MÃE"_s, u"FILHO(A)"_s, u"FILHO(A) SOLTEIRO(A)"_s,
        u"ESPOSO(A)"_s, u"IRMÃO(Ã)"_s, u"TIO(A)"_s, u"SOBRINHO(A)"_s, u"NETO(A)"_s, u"BISNETO(A)"_s,
        u"AVÔ(Ó)"_s, u"CUNHADO(A)"_s, u"SOGRO(A)"_s, u"NORA"_s, u"GENRO"_s, u"PADRASTO"_s, u"MADRASTA"_s,
        u"ENTENADO(A)"_s, u"OUTROS"_s, kExtraKinship.toString() };
    return items;
}

ResultSet loadDependents(Connection& conn, qint64 holderId, const QDate& today)
{
    // The birth date is text; an empty or blank one gives no date and so no age.
    return conn.query(u"select id, nome, substring(sexo, 1, 1) as sexo, nascimento, "
                      u"floor(datediff(?, str_to_date(nascimento, '%d/%m/%Y')) / 365.25) as idade, grau, rg, "
                      u"cpf, status, falecimento from dependentes where id_cliente = ? order by id"_s,
        { today, holderId });
}

std::optional<DependentRecord> loadDependent(Connection& conn, qint64 holderId, qint64 id)
{
    const ResultSet rs
        = conn.query(u"select * from dependentes where id_cliente = ? and id = ?"_s, { holderId, id });
    if (rs.isEmpty())
        return std::nullopt;
    DependentRecord d;
    d.id = rs.integer(0, u"id");
    d.holderId = rs.integer(0, u"id_cliente");
    d.nome = rs.text(0, u"nome");
    d.sexo = rs.text(0, u"sexo");
    d.grau = rs.text(0, u"grau");
    d.nascimento = rs.text(0, u"nascimento");
    d.cpf = rs.text(0, u"cpf");
    d.status = rs.text(0, u"status");
    return d;
}

qint64 insertDependent(Connection& conn, const DependentRecord& d)
{
    const QString nascimento = d.nascimento == kEmptyDateMask ? QString() : d.nascimento;
    return insertWithNextNumber(conn, { u"dependentes"_s, u"id"_s }, [&](qint64 id) {
        conn.exec(
            u"insert into dependentes (id, id_cliente, nome, sexo, grau, nascimento, cpf, rg, falecimento, "
            u"status) values (?, ?, ?, ?, ?, ?, ?, null, null, ?)"_s,
            { id, d.holderId, d.nome.trimmed(), d.sexo, d.grau, nascimento, d.cpf, d.status });
    });
}

void updateDependent(Connection& conn, const DependentRecord& d)
{
    Transaction tx(conn);
    // Deleted meanwhile on another workstation: saying "saved" would be false.
    if (conn.query(u"select id from dependentes where id_cliente = ? and id = ? for update"_s,
                { d.holderId, d.id })
            .isEmpty())
        throw DbError(0, u"Dependente %1 não encontrado"_s.arg(d.id));
    conn.exec(u"update dependentes set nome = ?, sexo = ?, grau = ?, nascimento = ?, cpf = ?, status = ? "
              u"where id_cliente = ? and id = ?"_s,
        { d.nome, d.sexo, d.grau, d.nascimento, d.cpf, d.status, d.holderId, d.id });
    tx.commit();
}

void deleteDependent(Connection& conn, qint64 holderId, qint64 id)
{
    conn.exec(u"delete from dependentes where id = ? and id_cliente = ?"_s, { id, holderId });
}

std::optional<Money> planExtraValue(Connection& conn, qint64 planId)
{
    const ResultSet rs = conn.query(u"select valor_dep_extra from planos where id = ?"_s, { planId });
    if (rs.isEmpty())
        return std::nullopt;
    return rs.money(0, 0);
}

} // namespace zova
