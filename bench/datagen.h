#pragma once

#include "db/connection.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

namespace zova {

struct DataGenOptions {
    int holders = -1; // -1: 100000, or about 50 with demo
    quint64 seed = 1;
    QDate today; // the generator's "today"; null: the current date
    bool demo = false; // a small, friendly set for trying the program out
};

struct DataGenReport {
    std::vector<std::pair<QString, qint64>> rows; // table and rows written, in writing order
    qint64 elapsedMs = 0;
    qint64 indexMs = 0; // of which rebuilding the secondary indexes at the end
    qint64 totalRows() const;
};

// Fills the connection's current database, which must hold the schema and no data, with a
// consistent synthetic office: plans, collectors, sellers, operators, parameters, holders with
// dependents, their booklets (current, settled and pending), cash book, enrolment fees,
// delivered booklets, history notes and activity log. The same options give the same rows.
DataGenReport generateData(Connection& conn, const DataGenOptions& options);

// Opens conn on params.database, creating that database (utf8mb4) when it is missing and its
// tables when they are missing; fresh drops the database first.
void prepareDatabase(Connection& conn, const ConnectionParams& params, bool fresh);

} // namespace zova
