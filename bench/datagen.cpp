#include "datagen.h"

#include "datagen_bulk.h"
#include "datagen_holders.h"
#include "datagen_indexes.h"
#include "datagen_internal.h"
#include "datagen_pipeline.h"

#include "db/schema.h"

#include <QElapsedTimer>
#include <QTime>
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <tuple>

using namespace Qt::StringLiterals;

namespace zova {

qint64 DataGenReport::totalRows() const
{
    qint64 total = 0;
    for (const auto& [table, count] : rows)
        total += count;
    return total;
}

namespace datagen {
namespace {
// One server connection per core of the machine this runs on.
constexpr int kConnections = 2;

const QStringList kTablesWritten = { u"planos"_s, u"cobradores"_s, u"vendedores"_s, u"operador"_s,
    u"parametros"_s, u"clientes"_s, u"dependentes"_s, u"boleto"_s, u"boleto_fechado"_s, u"boleto_atrasado"_s,
    u"historico"_s, u"carne_entregue"_s, u"caixa"_s, u"adesao"_s, u"log"_s };

const QStringList kAccessTexts = { u"ACESSOU RELATÓRIO DE CAIXA"_s, u"ACESSOU RELATÓRIO DE ATRASADOS"_s,
    u"ACESSOU CARNÊ COM PARCELAS PENDENTES"_s, u"ACESSOU HISTÓRICO DE CARNÊS"_s, u"ACESSOU BUSCA AVANÇADA"_s,
    u"ACESSOU RELATÓRIO DE TITULARES DO COBRADOR"_s, u"ACESSOU CONTAS A RECEBER"_s,
    u"ACESSOU RELATÓRIO DE NOVOS CONTRATOS POR PERÍODO"_s };

void requireEmpty(Connection& conn)
{
    for (const QString& table : kTablesWritten) {
        if (!conn.query(u"SELECT 1 FROM ? LIMIT 1"_s, { SqlName { table } }).isEmpty())
            throw std::runtime_error("table " + table.toStdString()
                + " already holds rows: generate into an empty database (--fresh recreates it)");
    }
}

// The demo shows every case on few holders: some inactive, some received today, some overdue,
// two just registered without a booklet and one who paid the enrolment fee today.
void shapeDemo(std::vector<HolderSetup>& setups, const QDate& today)
{
    const int n = static_cast<int>(setups.size());
    for (int i = 0; i < n; ++i) {
        const int id = i + 1;
        HolderSetup& s = setups[static_cast<size_t>(i)];
        s.inactive = id % 9 == 4;
        s.payToday = id % 5 == 2;
        s.profile = id % 7 == 3 ? Profile::Defaulting : id % 7 == 5 ? Profile::Irregular : Profile::Punctual;
    }
    if (n < 3)
        return;
    for (int i = n - 3; i < n; ++i)
        setups[static_cast<size_t>(i)].contract = today;
    setups[static_cast<size_t>(n - 3)].forceFee = true;
    setups[static_cast<size_t>(n - 2)].noBooklet = true;
    setups[static_cast<size_t>(n - 1)].noBooklet = true;
}

// Contract dates in id order (ids were handed out as holders signed up); the office grew, so
// recent years weigh more.
std::vector<HolderSetup> holderSetups(Random& rng, const Settings& s)
{
    const int span = (s.demo ? 3 : 6) * 365;
    std::vector<QDate> dates;
    dates.reserve(static_cast<size_t>(s.holders));
    for (int i = 0; i < s.holders; ++i) {
        const int daysAgo = rng.chance(0.5) ? rng.below(span) : std::min(rng.below(span), rng.below(span));
        const QDate d = s.today.addDays(-daysAgo);
        dates.push_back(d.dayOfWeek() == Qt::Sunday ? d.addDays(-1) : d);
    }
    std::sort(dates.begin(), dates.end());
    std::vector<HolderSetup> setups(dates.size());
    for (size_t i = 0; i < dates.size(); ++i)
        setups[i].contract = dates[i];
    if (s.demo)
        shapeDemo(setups, s.today);
    return setups;
}

// Tables without a primary key keep their rows in insertion order: each is written by one
// connection only, so that order is the same on every run.
QHash<QString, int> pinnedTables()
{
    return { { u"boleto"_s, 0 }, { u"boleto_atrasado"_s, 0 }, { u"boleto_fechado"_s, 1 },
        { u"operador"_s, 0 }, { u"parametros"_s, 0 } };
}

void writeHolders(const Output& out, Random& rng, const Registry& reg, const Settings& s, Ledger& ledger,
    DataGenReport& report)
{
    const std::vector<HolderSetup> setups = holderSetups(rng, s);
    ledger.holders.reserve(setups.size());
    HolderWriter writer(out, reg, s, ledger);
    for (int i = 0; i < s.holders; ++i)
        writer.write(i + 1, setups[static_cast<size_t>(i)], rng);
    writer.flush();
    writer.report(report);
}

// Cash book and enrolment fees are numbered in the order the money came in, as the counter
// numbers them.
void writeCash(const Output& out, const Registry& reg, Ledger& ledger, DataGenReport& report)
{
    std::vector<CashEntry>& cash = ledger.cash;
    std::sort(cash.begin(), cash.end(), [](const CashEntry& a, const CashEntry& b) {
        return std::tie(a.paidDay, a.holder, a.installment) < std::tie(b.paidDay, b.holder, b.installment);
    });
    BulkInsert caixa(out, u"caixa"_s);
    BulkInsert adesao(out, u"adesao"_s);
    const QString inCash = caixa.quoted(u"À VISTA"_s);
    const QString inMoney = caixa.quoted(u"DINHEIRO"_s);
    qint64 id = 0;
    qint64 feeId = 0;
    for (const CashEntry& e : cash) {
        const HolderRef& holder = ledger.holders[static_cast<size_t>(e.holder - 1)];
        const bool fee = e.kind == CashKind::Fee;
        const QString& by
            = fee ? reg.sellers[holder.seller].literal : reg.collectors[holder.collector].literal;
        caixa.row().num(++id).num(e.holder).literal(holder.literal).num(e.installment).literal(by);
        caixa.money(Money::fromCents(e.cents)).date(fromDayNumber(e.dueDay)).date(fromDayNumber(e.paidDay));
        caixa.literal(fee ? inMoney : inCash).end();
        if (fee) {
            adesao.row().num(++feeId).num(e.holder).literal(by).money(Money::fromCents(e.cents));
            adesao.date(fromDayNumber(e.paidDay)).end();
        }
    }
    caixa.flush();
    adesao.flush();
    report.rows.emplace_back(caixa.table(), caixa.rows());
    report.rows.emplace_back(adesao.table(), adesao.rows());
}

// Receipts and fees of the logged period, plus the daily logins and window openings.
void addCounterLog(Random& rng, const Settings& s, const Registry& reg, Ledger& ledger)
{
    const qint32 first = dayNumber(s.logStart);
    for (const CashEntry& e : ledger.cash) {
        if (e.paidDay < first)
            continue;
        const LogKind kind = e.kind == CashKind::Fee ? LogKind::Fee
            : e.kind == CashKind::PendingInstallment ? LogKind::ReceivedPending
                                                     : LogKind::Received;
        ledger.log.push_back({ e.paidDay, rng.between(8 * 3600, 18 * 3600), e.holder, kind, e.installment });
    }
    for (QDate day = s.logStart; day <= s.today; day = day.addDays(1)) {
        if (day.dayOfWeek() == Qt::Sunday)
            continue;
        for (int op = 0; op < reg.operators.size(); ++op) {
            if (rng.chance(0.85))
                ledger.log.push_back({ dayNumber(day), rng.between(7 * 3600 + 2700, 8 * 3600 + 900), 0,
                    LogKind::Login, 0, op });
        }
        for (int n = rng.between(2, 6); n > 0; --n) {
            const int text = rng.below(static_cast<int>(kAccessTexts.size()));
            ledger.log.push_back({ dayNumber(day), rng.between(8 * 3600, 18 * 3600), text, LogKind::Access });
        }
    }
}

QString logText(const LogEntry& e, const Ledger& ledger)
{
    const auto name = [&] { return ledger.holders[static_cast<size_t>(e.subject - 1)].name; };
    switch (e.kind) {
    case LogKind::Registered:
        return u"CADASTROU TITULAR: "_s + name();
    case LogKind::Generated:
        return u"GEROU PARCELAS - TITULAR "_s + name();
    case LogKind::Settled:
        return u"QUITOU TODAS AS PARCELAS - TITULAR "_s + name();
    case LogKind::Received:
        return u"RECEBEU PARCELA "_s + QString::number(e.installment) + u" - TITULAR "_s + name();
    case LogKind::ReceivedPending:
        return u"RECEBEU PARCELA "_s + QString::number(e.installment) + u" DE CARNÊ PENDENTE - TITULAR "_s
            + name();
    case LogKind::Fee:
        return u"GEROU ADESÃO - TITULAR "_s + name();
    case LogKind::Login:
        return u"ACESSOU O SISTEMA"_s;
    case LogKind::Access:
        break;
    }
    return kAccessTexts[e.subject];
}

void writeLog(const Output& out, Random& rng, const Settings& s, const Registry& reg, Ledger& ledger,
    DataGenReport& report)
{
    addCounterLog(rng, s, reg, ledger);
    std::stable_sort(ledger.log.begin(), ledger.log.end(), [](const LogEntry& a, const LogEntry& b) {
        return std::tie(a.day, a.second) < std::tie(b.day, b.second);
    });
    BulkInsert log(out, u"log"_s);
    QStringList operators;
    for (const Operator& op : reg.operators)
        operators << log.quoted(op.name);
    qint64 codigo = 0;
    for (const LogEntry& e : ledger.log) {
        const int op = e.op >= 0 ? e.op : rng.weighted({ 50, 30, 20 });
        log.row().num(++codigo).literal(operators[op]).text(logText(e, ledger)).date(fromDayNumber(e.day));
        log.time(QTime(0, 0).addSecs(e.second)).end();
    }
    log.flush();
    report.rows.emplace_back(log.table(), log.rows());
}
} // namespace
} // namespace datagen

DataGenReport generateData(Connection& conn, const DataGenOptions& options)
{
    using namespace datagen;
    QElapsedTimer timer;
    timer.start();
    Settings s;
    s.today = options.today.isValid() ? options.today : QDate::currentDate();
    s.seed = options.seed;
    s.demo = options.demo;
    s.holders = options.holders >= 0 ? options.holders : options.demo ? 50 : 100000;
    s.logStart = s.today.addMonths(-2);

    requireEmpty(conn);
    ConnectionParams params = conn.params();
    params.database = conn.query(u"SELECT DATABASE()"_s).text(0, 0);
    DataGenReport report;
    {
        DeferredIndexes indexes(conn, kTablesWritten);
        StatementPipeline pipeline(params, kConnections, pinnedTables());
        const Output out { pipeline, conn };
        Random rng(options.seed);
        const Registry reg = writeRegistry(out, rng, s, report);
        Ledger ledger;
        writeHolders(out, rng, reg, s, ledger, report);
        writeCash(out, reg, ledger, report);
        writeLog(out, rng, s, reg, ledger, report);
        pipeline.drain();
        QElapsedTimer indexTimer;
        indexTimer.start();
        indexes.restore(pipeline, report);
        report.indexMs = indexTimer.elapsed();
    }
    report.elapsedMs = timer.elapsed();
    return report;
}

void prepareDatabase(Connection& conn, const ConnectionParams& params, bool fresh)
{
    const SqlName name { params.database };
    ConnectionParams server = params;
    server.database.clear();
    conn.open(server);
    if (fresh)
        conn.exec(u"DROP DATABASE IF EXISTS ?"_s, { name });
    conn.exec(
        u"CREATE DATABASE IF NOT EXISTS ? CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"_s, { name });
    conn.open(params);
    const ResultSet tables = conn.query(
        u"SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = ?"_s, { params.database });
    if (tables.integer(0, 0) == 0)
        applySchema(conn);
}

} // namespace zova
