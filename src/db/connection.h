#pragma once

#include "core/money.h"
#include "db/db_error.h"
#include "db/result_set.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <initializer_list>
#include <span>
#include <variant>
#include <vector>

struct st_mysql;

namespace zova {

struct ConnectionParams {
    QString host;
    unsigned port = 0;
    QString socket;
    QString database;
    QString user;
    QString password;
    unsigned connectTimeoutSeconds = 10;
};

// Column or table name written into SQL by code (never user text); only [A-Za-z0-9_] accepted.
struct SqlName {
    QString name;
};

// A value placed into SQL text, rendered by the connection's own escaping.
class SqlValue {
public:
    SqlValue(std::nullptr_t)
        : m_v(std::monostate {})
    {
    }
    SqlValue(int v)
        : m_v(static_cast<qint64>(v))
    {
    }
    SqlValue(qint64 v)
        : m_v(v)
    {
    }
    SqlValue(const QString& v)
        : m_v(v)
    {
    }
    SqlValue(const char16_t* v)
        : m_v(QString::fromUtf16(v))
    {
    }
    SqlValue(Money v)
        : m_v(v)
    {
    }
    SqlValue(const QDate& v)
        : m_v(v)
    {
    } // invalid date -> NULL
    SqlValue(const QTime& v)
        : m_v(v)
    {
    }
    SqlValue(SqlName v)
        : m_v(std::move(v))
    {
    }

    using Variant = std::variant<std::monostate, qint64, QString, Money, QDate, QTime, SqlName>;
    const Variant& variant() const { return m_v; }

private:
    Variant m_v;
};

// Text for LIKE patterns: "%", "_" and "\" stand for themselves.
QString likeEscape(QStringView text);

// One connection to the server (MySQL C API). Statements are composed with "?" placeholders
// that the connection fills with escaped literals; errors raise DbError with the server's text.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void open(const ConnectionParams& params);
    void close();
    bool isOpen() const { return m_mysql != nullptr; }
    const ConnectionParams& params() const { return m_params; }

    QString escape(const QString& text) const;
    // Replaces each "?" outside quoted literals by the next value, escaped.
    QString compose(QStringView pattern, std::span<const SqlValue> values) const;
    QString compose(QStringView pattern, std::initializer_list<SqlValue> values) const
    {
        return compose(pattern, std::span<const SqlValue>(values.begin(), values.size()));
    }

    ResultSet query(const QString& sql);
    ResultSet query(QStringView pattern, std::initializer_list<SqlValue> values)
    {
        return query(compose(pattern, values));
    }
    // Runs a statement that returns no rows; gives the number of rows it changed.
    quint64 exec(const QString& sql);
    // For statements whose values are assembled in steps.
    quint64 exec(QStringView pattern, const std::vector<SqlValue>& values)
    {
        return exec(compose(pattern, values));
    }
    quint64 exec(QStringView pattern, std::initializer_list<SqlValue> values)
    {
        return exec(compose(pattern, values));
    }

    // Transactions nest: only the outermost begin/commit reach the server.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }
    // Takes a server-wide named lock held until the outermost transaction ends; waits for
    // another session holding it (up to the server's lock wait), then raises DbError.
    void lockUntilTransactionEnd(const QString& name);

    // Statements sent since open (for measuring how many a screen refresh needs).
    quint64 statementCount() const { return m_statements; }

private:
    void run(const QString& sql);
    void reconnect();
    [[noreturn]] void fail();
    void releaseNamedLocks();

    st_mysql* m_mysql = nullptr;
    ConnectionParams m_params;
    int m_depth = 0;
    bool m_rollbackOnly = false;
    QStringList m_namedLocks;
    quint64 m_statements = 0;
};

} // namespace zova
