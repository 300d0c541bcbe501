#pragma once

// Pieces shared by the parts of the data generator; not used outside bench/.

#include "core/money.h"
#include "datagen.h"
#include "datagen_people.h"

#include <QDate>
#include <QList>
#include <QString>
#include <vector>

namespace zova {
class Connection;
}

namespace zova::datagen {

struct Plan {
    qint64 id;
    QString name;
    QString description;
    Money value;
    Money readjustment;
    Money extraDependent;
    Money insurance;
    int weight; // how often holders choose it
};

struct Staff {
    QString name;
    QString literal; // name rendered for SQL once, written into many rows
    bool active;
};

struct Operator {
    QString name;
    QString login;
    QString password;
};

// The registers every holder refers to.
struct Registry {
    QList<Plan> plans;
    QList<Staff> collectors;
    QList<int> cityCollector; // per city of cities(): the collector who visits it
    QList<Staff> sellers;
    QList<Operator> operators;
};

// Generation settings derived from the options.
struct Settings {
    QDate today;
    quint64 seed;
    bool demo;
    int holders;
    QDate logStart; // activity-log entries are kept for the last months only
};

enum class CashKind : quint8 { Installment, PendingInstallment, Fee };

// One amount received; numbered in date order once every holder is written.
struct CashEntry {
    qint32 holder;
    qint32 installment;
    qint32 dueDay; // Julian days
    qint32 paidDay;
    qint64 cents;
    CashKind kind;
};

enum class LogKind : quint8 { Registered, Generated, Settled, Received, ReceivedPending, Fee, Login, Access };

struct LogEntry {
    qint32 day;
    qint32 second; // of the day
    qint32 subject; // holder id; for Access the index of the window text
    LogKind kind;
    qint32 installment = 0;
    qint32 op = -1; // operator index; -1: whoever was at the counter
};

struct HolderRef {
    QString name;
    QString literal;
    qint32 collector;
    qint32 seller;
};

// What the holders leave for the tables numbered in date order (caixa, adesao, log).
struct Ledger {
    std::vector<HolderRef> holders; // index: id - 1
    std::vector<CashEntry> cash;
    std::vector<LogEntry> log;
};

inline qint32 dayNumber(const QDate& d)
{
    return static_cast<qint32>(d.toJulianDay());
}
inline QDate fromDayNumber(qint32 day)
{
    return QDate::fromJulianDay(day);
}

struct Output;
Registry writeRegistry(const Output& out, Random& rng, const Settings& settings, DataGenReport& report);

} // namespace zova::datagen
