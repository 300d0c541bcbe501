#include "holders/holder_operations.h"

#include "core/cpf.h"
#include "db/db_error.h"
#include "db/numbers.h"
#include "db/transaction.h"

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QStringList firstColumn(const ResultSet& rs)
{
    QStringList out;
    out.reserve(rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        out << rs.text(r, 0).trimmed();
    return out;
}

// Saves that test a CPF take turns, so the test and the write see the same rows.
void lockCpfChecks(Connection& conn)
{
    conn.lockUntilTransactionEnd(u"zova:"_s + conn.params().database + u":clientes:cpf"_s);
}

void refuseDuplicate(Connection& conn, const QString& cpf, qint64 exceptId)
{
    if (auto owner = findHolderCpfOwner(conn, cpf, exceptId))
        throw DuplicateHolderCpf(std::move(*owner));
}

// The values every save writes, in the order of the update's assignments after `datacontrato`.
std::vector<SqlValue> commonValues(const HolderRecord& h)
{
    return { h.nascimento, h.sexo, h.cpf, h.estadocivil, h.endereco, h.numero, h.telefone, h.celular,
        h.bairro, h.cidade, h.cep, h.uf, h.plano, h.pagamento, h.vencimento, h.valorparcela, h.status, h.tipo,
        h.utilizou, h.carne, h.religiao, h.seguro };
}

} // namespace

QString planItemText(const QString& name, qint64 id)
{
    return name.trimmed() + u'[' + QString::number(id) + u']';
}

PlanChoice splitPlanText(const QString& text)
{
    const qsizetype open = text.indexOf(u'[');
    const qsizetype close = text.indexOf(u']');
    PlanChoice choice;
    if (open < 0)
        return choice;
    choice.name = text.left(open);
    if (close > open)
        choice.id = text.mid(open + 1, close - open - 1).trimmed().toLongLong();
    return choice;
}

QString contractNumber(const QDate& datacontrato, qint64 id)
{
    return datacontrato.toString(u"yyyy/MM/"_s) + QString::number(id).rightJustified(5, u'0');
}

ResultSet loadHolderRows(Connection& conn)
{
    return conn.query(u"select id, contrato, titular, cpf from clientes order by id desc"_s);
}

std::optional<HolderRecord> loadHolder(Connection& conn, qint64 id)
{
    const ResultSet rs = conn.query(u"select * from clientes where id = ?"_s, { id });
    if (rs.isEmpty())
        return std::nullopt;
    HolderRecord h;
    h.id = rs.integer(0, u"id");
    h.contrato = rs.text(0, u"contrato");
    h.titular = rs.text(0, u"titular");
    h.vendedor = rs.text(0, u"vendedor");
    h.cobrador = rs.text(0, u"cobrador");
    h.nascimento = rs.date(0, u"nascimento");
    h.sexo = rs.text(0, u"sexo");
    h.cpf = rs.text(0, u"cpf");
    h.estadocivil = rs.text(0, u"estadocivil");
    h.endereco = rs.text(0, u"endereco");
    h.numero = rs.text(0, u"numero");
    h.telefone = rs.text(0, u"telefone");
    h.celular = rs.text(0, u"celular");
    h.bairro = rs.text(0, u"bairro");
    h.cidade = rs.text(0, u"cidade");
    h.cep = rs.text(0, u"cep");
    h.uf = rs.text(0, u"uf");
    h.plano = rs.text(0, u"plano");
    h.pagamento = rs.text(0, u"pagamento");
    h.datacontrato = rs.date(0, u"datacontrato");
    h.vencimento = rs.text(0, u"vencimento");
    h.valorparcela = rs.money(0, u"valorparcela");
    h.status = rs.text(0, u"status");
    h.tipo = rs.text(0, u"tipo");
    h.utilizou = rs.text(0, u"utilizou");
    h.carne = rs.integer(0, u"carne");
    h.religiao = rs.text(0, u"religiao");
    h.seguro = rs.integer(0, u"seguro");
    return h;
}

QStringList sellerNames(Connection& conn)
{
    return firstColumn(conn.query(u"select nome from vendedores order by nome asc"_s));
}

QStringList collectorNames(Connection& conn)
{
    return firstColumn(conn.query(u"select nome from cobradores order by nome asc"_s));
}

QStringList planItems(Connection& conn)
{
    const ResultSet rs = conn.query(u"select id, nome_plano from planos order by nome_plano asc"_s);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r)
        out << planItemText(rs.text(r, u"nome_plano"), rs.integer(r, u"id"));
    return out;
}

QStringList holderCities(Connection& conn)
{
    return firstColumn(
        conn.query(u"select distinct cidade from clientes where cidade <> '' order by cidade"_s));
}

QStringList holderReligions(Connection& conn)
{
    return firstColumn(
        conn.query(u"select distinct religiao from clientes where religiao <> '' order by religiao"_s));
}

std::optional<Money> planValue(Connection& conn, qint64 planId)
{
    const ResultSet rs = conn.query(u"select valor_plano from planos where id = ?"_s, { planId });
    if (rs.isEmpty())
        return std::nullopt;
    return rs.money(0, 0);
}

bool hasCurrentInstallments(Connection& conn, qint64 holderId)
{
    return !conn.query(u"select id_cliente from boleto where id_cliente = ? limit 1"_s, { holderId })
                .isEmpty();
}

std::optional<HolderCpfOwner> findHolderCpfOwner(Connection& conn, const QString& cpf, qint64 exceptId)
{
    if (cpf == kEmptyCpfMask || cpf.trimmed().isEmpty())
        return std::nullopt;
    const ResultSet rs
        = conn.query(u"select id, titular, cpf from clientes where cpf = ? and id <> ? order by id limit 1"_s,
            { cpf, exceptId });
    if (rs.isEmpty())
        return std::nullopt;
    return HolderCpfOwner { rs.integer(0, u"id"), rs.text(0, u"titular"), rs.text(0, u"cpf") };
}

StoredHolder insertHolder(Connection& conn, const HolderRecord& holder)
{
    Transaction tx(conn);
    lockCpfChecks(conn);
    refuseDuplicate(conn, holder.cpf, 0);
    StoredHolder stored;
    stored.id = insertWithNextNumber(conn, { u"clientes"_s, u"id"_s }, [&](qint64 id) {
        stored.contrato = contractNumber(holder.datacontrato, id);
        std::vector<SqlValue> values { id, stored.contrato, holder.titular.trimmed(), holder.vendedor,
            holder.cobrador, holder.datacontrato };
        const std::vector<SqlValue> rest = commonValues(holder);
        values.insert(values.end(), rest.begin(), rest.end());
        conn.exec(
            u"insert into clientes (id, contrato, titular, vendedor, cobrador, datacontrato, nascimento, "
            u"sexo, cpf, estadocivil, endereco, numero, telefone, celular, bairro, cidade, cep, uf, plano, "
            u"pagamento, vencimento, valorparcela, status, tipo, utilizou, carne, religiao, seguro) values "
            u"(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
            values);
    });
    tx.commit();
    return stored;
}

void updateHolder(Connection& conn, const HolderRecord& holder)
{
    Transaction tx(conn);
    lockCpfChecks(conn);
    // Another workstation may have deleted it; saying "saved" then would be false.
    if (conn.query(u"select id from clientes where id = ? for update"_s, { holder.id }).isEmpty())
        throw DbError(0, u"Titular %1 não encontrado"_s.arg(holder.id));
    refuseDuplicate(conn, holder.cpf, holder.id);
    std::vector<SqlValue> values { holder.contrato, holder.titular, holder.vendedor, holder.cobrador,
        holder.datacontrato };
    const std::vector<SqlValue> rest = commonValues(holder);
    values.insert(values.end(), rest.begin(), rest.end());
    values.emplace_back(holder.id);
    conn.exec(
        u"update clientes set contrato = ?, titular = ?, vendedor = ?, cobrador = ?, datacontrato = ?, "
        u"nascimento = ?, sexo = ?, cpf = ?, estadocivil = ?, endereco = ?, numero = ?, telefone = ?, "
        u"celular = ?, bairro = ?, cidade = ?, cep = ?, uf = ?, plano = ?, pagamento = ?, vencimento = ?, "
        u"valorparcela = ?, status = ?, tipo = ?, utilizou = ?, carne = ?, religiao = ?, seguro = ? "
        u"where id = ?"_s,
        values);
    tx.commit();
}

HolderInUse deleteHolder(Connection& conn, qint64 id)
{
    Transaction tx(conn);
    // Read under lock so a dependent or booklet saved meanwhile elsewhere is seen.
    if (!conn.query(u"select id_cliente from dependentes where id_cliente = ? limit 1 lock in share mode"_s,
                 { id })
             .isEmpty())
        return HolderInUse::Dependents;
    if (!conn.query(
                 u"select id_cliente from boleto where id_cliente = ? limit 1 lock in share mode"_s, { id })
             .isEmpty())
        return HolderInUse::Installments;
    conn.exec(u"delete from clientes where id = ?"_s, { id });
    tx.commit();
    return HolderInUse::No;
}

} // namespace zova
