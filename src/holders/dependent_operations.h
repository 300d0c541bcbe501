#pragma once

#include "core/money.h"
#include "db/connection.h"
#include "db/result_set.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace zova {

// One row of `dependentes` as the dependents panel edits it (`rg` and `falecimento` are never
// written here).
struct DependentRecord {
    qint64 id = 0; // 0: not stored yet
    qint64 holderId = 0; // `id_cliente`
    QString nome;
    QString sexo;
    QString grau;
    QString nascimento; // text as stored: "dd/mm/yyyy", "" or "  /  /    "
    QString cpf; // as the mask shows it
    QString status;
};

// The kinship list, in the order the office knows it.
const QStringList& kinshipItems();
// The kinship of an extra dependent, charged apart by the plan.
inline constexpr QStringView kExtraKinship = u"EXTRA";

// The grid rows of a holder's dependents: id, nome, sexo (first letter), nascimento, idade (whole
// years from the text date to `today`; NULL without a date), grau, rg, cpf, status, falecimento;
// by id.
ResultSet loadDependents(Connection& conn, qint64 holderId, const QDate& today);
std::optional<DependentRecord> loadDependent(Connection& conn, qint64 holderId, qint64 id);

// Stores a new dependent under the next id of the whole table and returns it. The name is
// stored without surrounding blanks; a blank date mask is stored as the empty text.
qint64 insertDependent(Connection& conn, const DependentRecord& dependent);
// Rewrites dependent `id` of `holderId` with the values as typed. DbError when it is gone.
void updateDependent(Connection& conn, const DependentRecord& dependent);
void deleteDependent(Connection& conn, qint64 holderId, qint64 id);

// `valor_dep_extra` of the plan; nullopt when the plan does not exist.
std::optional<Money> planExtraValue(Connection& conn, qint64 planId);

} // namespace zova
