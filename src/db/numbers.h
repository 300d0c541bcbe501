#pragma once

#include "db/connection.h"

#include <functional>

namespace zova {

// Where a "max + 1" number is counted: a table's number column, optionally within a group
// (history notes are numbered per holder).
struct NumberColumn {
    NumberColumn(QString t, QString c, QString g = {}, qint64 v = 0)
        : table(std::move(t))
        , column(std::move(c))
        , groupColumn(std::move(g))
        , groupValue(v)
    {
    }
    QString table;
    QString column;
    QString groupColumn; // empty: the whole table
    qint64 groupValue = 0;
};

// The next number as shown before saving: maximum + 1, or 1 for an empty table or group.
qint64 nextNumber(Connection& conn, const NumberColumn& where);

// Allocates the next number and runs insert(number) inside one transaction (joining the
// caller's when there is one). Another workstation taking the same number in the meantime
// makes the insert fail on the primary key; the number is then read again and the insert
// retried, so two workstations never store the same number.
qint64 insertWithNextNumber(
    Connection& conn, const NumberColumn& where, const std::function<void(qint64)>& insert);

} // namespace zova
