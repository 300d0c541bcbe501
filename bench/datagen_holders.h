#pragma once

#include "datagen_bulk.h"
#include "datagen_internal.h"

#include <optional>

namespace zova::datagen {

enum class Profile { Punctual, Irregular, Defaulting };

// Choices for one holder; the demo fixes some of them so that its screens show every case.
struct HolderSetup {
    QDate contract;
    bool noBooklet = false; // registered, booklet not generated yet
    bool payToday = false; // the first open installment is received today
    bool forceFee = false;
    std::optional<Profile> profile;
    std::optional<bool> inactive;
};

// Writes holders with everything that hangs on them: dependents, booklets (current, settled,
// pending), history notes and delivered booklets. Amounts received and log events go to the
// ledger, to be numbered in date order at the end.
class HolderWriter {
public:
    HolderWriter(const Output& out, const Registry& registry, const Settings& settings, Ledger& ledger);
    void write(qint32 id, const HolderSetup& setup, Random& rng);
    void flush();
    void report(DataGenReport& report) const;

private:
    struct Holder;
    Holder describe(qint32 id, const HolderSetup& setup, Random& rng) const;
    void writeDependents(Holder& h, Random& rng);
    void writeBooklets(Holder& h, Random& rng);
    void writeSettled(
        const Holder& h, int booklet, const QDate& generated, const QDate& settled, Random& rng);
    void writeCurrent(const Holder& h, int booklet, const QDate& generated, Random& rng);
    void writeHolderRow(const Holder& h, Random& rng);
    void writeExtras(const Holder& h, Random& rng);
    void addLog(qint32 holder, const QDate& day, LogKind kind, Random& rng, int afterSecond = -1);

    const Registry& m_registry;
    const Settings& m_settings;
    Ledger& m_ledger;
    BulkInsert m_clientes;
    BulkInsert m_dependentes;
    BulkInsert m_boleto;
    BulkInsert m_fechado;
    BulkInsert m_atrasado;
    BulkInsert m_historico;
    BulkInsert m_entregue;
    qint64 m_nextDependent = 1;
    QString m_paid;
    QString m_open;
    QStringList m_paymentForms; // receiving a current-booklet installment
    QStringList m_pendingForms; // receiving a pending one
};

} // namespace zova::datagen
