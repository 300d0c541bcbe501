#pragma once

#include "core/money.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace zova {
class Connection;
}

namespace zova::datagen {

class StatementSink;

// Where generated rows go: statements to the sink, text escaped by the connection.
struct Output {
    StatementSink& sink;
    const Connection& conn;
};

// Gathers the rows of one table into multi-row INSERT statements; a statement is sent when it
// holds rowsPerStatement rows, and by flush(). Text goes through the connection's escaping;
// numbers, money and dates are written in the server's literal forms.
class BulkInsert {
public:
    BulkInsert(const Output& out, QString table, int rowsPerStatement = 1000);
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    BulkInsert& row();
    BulkInsert& num(qint64 value);
    BulkInsert& money(Money value);
    BulkInsert& date(const QDate& value); // NULL when invalid
    BulkInsert& time(const QTime& value);
    BulkInsert& text(const QString& value);
    // A value rendered once by quoted() and written many times.
    BulkInsert& literal(QStringView rendered);
    BulkInsert& null();
    void end();
    void flush();

    // The quoted, escaped form of a text for literal().
    QString quoted(const QString& value) const;
    const QString& table() const { return m_table; }
    qint64 rows() const { return m_rows; }

private:
    void separate();
    void appendNumber(qint64 value, int width = 0);

    StatementSink& m_sink;
    const Connection& m_conn;
    QString m_table;
    int m_limit;
    QString m_sql;
    int m_pending = 0;
    bool m_rowStart = true;
    qint64 m_rows = 0;
};

} // namespace zova::datagen
