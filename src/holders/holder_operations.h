#pragma once

#include "core/money.h"
#include "db/connection.h"
#include "db/result_set.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>

namespace zova {

// One row of `clientes` as the holder window edits it. Columns the window never maintains (rg,
// codrota, ultimaparcela, ultimovencimento) are not here and stay as stored.
struct HolderRecord {
    qint64 id = 0; // 0: not stored yet
    QString contrato;
    QString titular;
    QString vendedor; // names, not ids
    QString cobrador;
    QDate nascimento;
    QString sexo;
    QString cpf; // as the mask shows it
    QString estadocivil;
    QString endereco;
    QString numero;
    QString telefone;
    QString celular;
    QString bairro;
    QString cidade;
    QString cep;
    QString uf;
    QString plano; // previous contract date, as typed
    QString pagamento; // plan name
    QDate datacontrato;
    QString vencimento;
    Money valorparcela;
    QString status;
    QString tipo;
    QString utilizou;
    qint64 carne = 1;
    QString religiao;
    qint64 seguro = 0; // plan id
};

// The plan list's text: the plan name followed by its id in brackets, "OURO[3]".
QString planItemText(const QString& name, qint64 id);
struct PlanChoice {
    QString name; // text before the first "["
    qint64 id = 0; // 0 without brackets
};
PlanChoice splitPlanText(const QString& text);

// `GeraContrato`: year "/" month of the contract date "/" the id in five digits.
QString contractNumber(const QDate& datacontrato, qint64 id);

// The holder grid: id, contrato, titular, cpf of every holder, newest first.
ResultSet loadHolderRows(Connection& conn);
std::optional<HolderRecord> loadHolder(Connection& conn, qint64 id);

// The lists of the holder fields, blanks trimmed.
QStringList sellerNames(Connection& conn);
QStringList collectorNames(Connection& conn);
QStringList planItems(Connection& conn); // planItemText, by plan name
QStringList holderCities(Connection& conn);
QStringList holderReligions(Connection& conn);
// `valor_plano`; nullopt when the plan does not exist.
std::optional<Money> planValue(Connection& conn, qint64 planId);

// Whether the holder has installments in its current booklet (`boleto`, paid or not). Closed
// and pending booklets do not count.
bool hasCurrentInstallments(Connection& conn, qint64 holderId);

// Who already holds a CPF.
struct HolderCpfOwner {
    qint64 id = 0;
    QString titular;
    QString cpf;
};
// The holder holding `cpf` other than `exceptId` (0: none); a blank mask never collides.
std::optional<HolderCpfOwner> findHolderCpfOwner(Connection& conn, const QString& cpf, qint64 exceptId = 0);

class DuplicateHolderCpf : public std::runtime_error {
public:
    explicit DuplicateHolderCpf(HolderCpfOwner owner)
        : std::runtime_error("duplicate cpf")
        , m_owner(std::move(owner))
    {
    }
    const HolderCpfOwner& owner() const { return m_owner; }

private:
    HolderCpfOwner m_owner;
};

struct StoredHolder {
    qint64 id = 0;
    QString contrato;
};
// Stores a new holder under the next code, its contract number built from that code; the name
// is stored without surrounding blanks. The CPF is checked again inside the transaction
// (DuplicateHolderCpf). DbError on failure.
StoredHolder insertHolder(Connection& conn, const HolderRecord& holder);
// Rewrites holder `holder.id` (name as typed). DuplicateHolderCpf as above; DbError when the
// holder is gone.
void updateHolder(Connection& conn, const HolderRecord& holder);

// Why a holder cannot be deleted.
enum class HolderInUse { No, Dependents, Installments };
// Deletes the holder unless any dependent (whatever its status) or any current-booklet
// installment refers to it; the answer says which refused.
HolderInUse deleteHolder(Connection& conn, qint64 id);

} // namespace zova
