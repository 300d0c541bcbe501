#pragma once

#include "db/result_set.h"

#include <QDate>
#include <QString>

namespace zova {

class Connection;
class Session;

// Entries dated on or before this day are removed: three calendar months before the newest
// entry (31 May gives the last day of February).
QDate logCutOff(const QDate& newest);

// Keeps about three months of activity log, counted from the newest entry. A failure is
// reported ("Erro") and gives false: the action that asked for the clean-up (the exit) stops.
bool LimpaLog(Session& session);

// What the activity-log window asks for: a period, and optionally part of the action text and
// the operator.
struct LogFilter {
    QDate from;
    QDate to;
    QString acao; // matched anywhere in the text, "%" and "_" as typed
    QString usuario;
};

// The activity-log query, newest entry first.
QString composeLogQuery(const Connection& conn, const LogFilter& filter);
ResultSet queryLog(Connection& conn, const LogFilter& filter);

} // namespace zova
