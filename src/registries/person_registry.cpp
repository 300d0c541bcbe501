#include "registries/person_registry.h"

#include "core/cpf.h"
#include "core/dates.h"
#include "db/numbers.h"
#include "db/transaction.h"

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// Saves that test a CPF take turns per table, so the test and the write see the same rows.
void lockCpfChecks(Connection& conn, const PersonRegistry& registry)
{
    conn.lockUntilTransactionEnd(u"zova:"_s + conn.params().database + u':' + registry.table + u":cpf"_s);
}

void refuseDuplicate(Connection& conn, const PersonRegistry& registry, const PersonRecord& person)
{
    if (auto owner = findCpfOwner(conn, registry, person.cpf, person.id))
        throw DuplicateCpf(std::move(*owner));
}

} // namespace

const PersonRegistry& PersonRegistry::collectors()
{
    static const PersonRegistry registry { u"cobradores"_s, u"CADASTRO DE COBRADORES"_s,
        u"CONSULTA COBRADORES"_s, u"COBRADORES"_s, u"Cobrador"_s, u"Cobrador(a)"_s, u"COBRADOR(A)"_s };
    return registry;
}

const PersonRegistry& PersonRegistry::sellers()
{
    static const PersonRegistry registry { u"vendedores"_s, u"CADASTRO DE VENDEDORES"_s,
        u"CONSULTA VENDEDORES"_s, u"VENDEDORES"_s, u"Vendedor"_s, u"Vendedor(a)"_s, u"VENDEDOR(A)"_s };
    return registry;
}

ResultSet loadPeople(Connection& conn, const PersonRegistry& registry)
{
    return conn.query(u"select * from ? order by id"_s, { SqlName { registry.table } });
}

std::optional<PersonRecord> loadPerson(Connection& conn, const PersonRegistry& registry, qint64 id)
{
    const ResultSet rs = conn.query(u"select * from ? where id = ?"_s, { SqlName { registry.table }, id });
    if (rs.isEmpty())
        return std::nullopt;
    PersonRecord p;
    p.id = rs.integer(0, u"id");
    p.nome = rs.text(0, u"nome");
    p.nascimento = rs.date(0, u"nascimento");
    if (isLegacyZeroDate(p.nascimento))
        p.nascimento = {};
    p.sexo = rs.text(0, u"sexo");
    p.rg = rs.text(0, u"rg");
    p.cpf = rs.text(0, u"cpf");
    p.estadocivil = rs.text(0, u"estadocivil");
    p.endereco = rs.text(0, u"endereco");
    p.numero = rs.text(0, u"numero");
    p.bairro = rs.text(0, u"bairro");
    p.cidade = rs.text(0, u"cidade");
    p.uf = rs.text(0, u"uf");
    p.cep = rs.text(0, u"cep");
    p.telefone = rs.text(0, u"telefone");
    p.celular = rs.text(0, u"celular");
    p.status = rs.text(0, u"status");
    return p;
}

QStringList loadCities(Connection& conn)
{
    const ResultSet rs = conn.query(
        u"select distinct trim(cidade) as cidade from clientes where trim(cidade) <> '' order by 1"_s);
    QStringList cities;
    for (int r = 0; r < rs.rowCount(); ++r)
        cities << rs.text(r, 0);
    return cities;
}

std::optional<CpfOwner> findCpfOwner(
    Connection& conn, const PersonRegistry& registry, const QString& cpf, qint64 exceptId)
{
    if (cpf == kEmptyCpfMask || cpf.trimmed().isEmpty())
        return std::nullopt;
    const ResultSet rs = exceptId == 0
        ? conn.query(u"select id, nome, cpf from ? where cpf = ? order by id limit 1"_s,
            { SqlName { registry.table }, cpf })
        : conn.query(u"select id, nome, cpf from ? where cpf = ? and id <> ? order by id limit 1"_s,
            { SqlName { registry.table }, cpf, exceptId });
    if (rs.isEmpty())
        return std::nullopt;
    return CpfOwner { rs.integer(0, u"id"), rs.text(0, u"nome"), rs.text(0, u"cpf") };
}

qint64 insertPerson(Connection& conn, const PersonRegistry& registry, const PersonRecord& person)
{
    Transaction tx(conn);
    lockCpfChecks(conn, registry);
    PersonRecord fresh = person;
    fresh.id = 0;
    refuseDuplicate(conn, registry, fresh);
    const qint64 id = insertWithNextNumber(conn, { registry.table, u"id"_s }, [&](qint64 number) {
        conn.exec(u"insert into ? values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
            { SqlName { registry.table }, number, person.nome.trimmed(), person.nascimento, person.sexo,
                person.rg, person.cpf, person.estadocivil, person.endereco, person.numero, person.bairro,
                person.cidade, person.uf, person.cep, person.telefone, person.celular, person.status });
    });
    tx.commit();
    return id;
}

void updatePerson(Connection& conn, const PersonRegistry& registry, const PersonRecord& person)
{
    Transaction tx(conn);
    lockCpfChecks(conn, registry);
    // Another workstation may have deleted it; saying "saved" then would be false.
    if (conn.query(u"select id from ? where id = ? for update"_s, { SqlName { registry.table }, person.id })
            .isEmpty())
        throw DbError(0, u"Registro %1 não encontrado"_s.arg(person.id));
    refuseDuplicate(conn, registry, person);
    conn.exec(u"update ? set nome = ?, nascimento = ?, sexo = ?, rg = ?, cpf = ?, estadocivil = ?, "
              u"endereco = ?, numero = ?, telefone = ?, celular = ?, bairro = ?, cidade = ?, cep = ?, "
              u"uf = ?, status = ? where id = ?"_s,
        { SqlName { registry.table }, person.nome, person.nascimento, person.sexo, person.rg, person.cpf,
            person.estadocivil, person.endereco, person.numero, person.telefone, person.celular,
            person.bairro, person.cidade, person.cep, person.uf, person.status, person.id });
    tx.commit();
}

void deletePerson(Connection& conn, const PersonRegistry& registry, qint64 id)
{
    conn.exec(u"delete from ? where id = ?"_s, { SqlName { registry.table }, id });
}

} // namespace zova
