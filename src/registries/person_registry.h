#pragma once

#include "db/connection.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace zova {

// The collector and seller registries are twins over two tables; this says which one, with the
// texts that name it on screen and in the activity log.
struct PersonRegistry {
    QString table; // "cobradores", "vendedores"
    QString title; // "CADASTRO DE COBRADORES"
    QString gridGroup; // "CONSULTA COBRADORES"
    QString counterTitle; // "COBRADORES"
    QString gridName; // grid title of `nome`: "Cobrador"
    QString noun; // in messages: "Cobrador(a)"
    QString logNoun; // in the activity log: "COBRADOR(A)"

    static const PersonRegistry& collectors();
    static const PersonRegistry& sellers();
};

// One row of `cobradores` / `vendedores`. A null `nascimento` is "no date".
struct PersonRecord {
    qint64 id = 0; // 0: not stored yet
    QString nome;
    QDate nascimento;
    QString sexo;
    QString rg;
    QString cpf; // as the mask shows it, dots and dash included
    QString estadocivil;
    QString endereco;
    QString numero;
    QString bairro;
    QString cidade;
    QString uf;
    QString cep;
    QString telefone;
    QString celular;
    QString status;
};

// Who already holds a CPF in the registry.
struct CpfOwner {
    qint64 id = 0;
    QString nome;
    QString cpf;
};

// A save refused because the CPF belongs to another record of the same table.
class DuplicateCpf : public std::runtime_error {
public:
    explicit DuplicateCpf(CpfOwner owner)
        : std::runtime_error("duplicate cpf")
        , m_owner(std::move(owner))
    {
    }
    const CpfOwner& owner() const { return m_owner; }

private:
    CpfOwner m_owner;
};

// Every row of the registry's table, by id.
ResultSet loadPeople(Connection& conn, const PersonRegistry& registry);
// One row; nullopt when it is gone. Birth dates stored as the old zero date read as no date.
std::optional<PersonRecord> loadPerson(Connection& conn, const PersonRegistry& registry, qint64 id);
// The cities holders live in, for the city list.
QStringList loadCities(Connection& conn);

// The record of this table holding `cpf`, other than `exceptId` (0: none). A blank CPF mask
// never collides.
std::optional<CpfOwner> findCpfOwner(
    Connection& conn, const PersonRegistry& registry, const QString& cpf, qint64 exceptId = 0);

// Stores a new record under the next number and returns it; `person.id` is ignored and the name
// is stored without surrounding blanks. The CPF is checked again inside the insert's transaction
// (DuplicateCpf), so two workstations cannot store the same one at once. DbError on failure.
qint64 insertPerson(Connection& conn, const PersonRegistry& registry, const PersonRecord& person);
// Rewrites record `person.id`. DuplicateCpf as above; DbError when the record is gone.
void updatePerson(Connection& conn, const PersonRegistry& registry, const PersonRecord& person);
// Holders naming the person keep their text.
void deletePerson(Connection& conn, const PersonRegistry& registry, qint64 id);

} // namespace zova
