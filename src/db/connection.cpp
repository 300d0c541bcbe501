#include "db/connection.h"

#include "core/dates.h"

#include <QByteArray>
#include <errmsg.h>
#include <mysql.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace zova {

namespace {
// No ONLY_FULL_GROUP_BY: listings select columns outside GROUP BY. Strict, so a bad value
// is an error instead of a silently truncated or zeroed one.
constexpr const char* kSessionSetup[] = {
    "SET SESSION sql_mode = 'STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION'",
    "SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED",
    "SET NAMES utf8mb4 COLLATE utf8mb4_general_ci",
};

ResultSet::Kind kindOf(enum_field_types t)
{
    switch (t) {
    case MYSQL_TYPE_TINY:
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
    case MYSQL_TYPE_YEAR:
        return ResultSet::Kind::Integer;
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return ResultSet::Kind::Decimal;
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
        return ResultSet::Kind::Real;
    case MYSQL_TYPE_DATE:
    case MYSQL_TYPE_NEWDATE:
        return ResultSet::Kind::Date;
    case MYSQL_TYPE_TIME:
        return ResultSet::Kind::Time;
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return ResultSet::Kind::DateTime;
    default:
        return ResultSet::Kind::Text;
    }
}

bool isConnectionLost(unsigned code)
{
    return code == CR_SERVER_GONE_ERROR || code == CR_SERVER_LOST;
}
} // namespace

QString likeEscape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out;
}

Connection::Connection() = default;

Connection::~Connection()
{
    close();
}

void Connection::open(const ConnectionParams& params)
{
    close();
    m_params = params;
    MYSQL* my = mysql_init(nullptr);
    if (!my)
        throw DbError(CR_OUT_OF_MEMORY, u"out of memory"_s);
    mysql_options(my, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    unsigned timeout = params.connectTimeoutSeconds;
    mysql_options(my, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    const QByteArray host = params.host.toUtf8();
    const QByteArray user = params.user.toUtf8();
    const QByteArray password = params.password.toUtf8();
    const QByteArray database = params.database.toUtf8();
    const QByteArray socket = params.socket.toUtf8();
    if (!mysql_real_connect(my, host.isEmpty() ? nullptr : host.constData(), user.constData(),
            password.constData(), database.isEmpty() ? nullptr : database.constData(), params.port,
            socket.isEmpty() ? nullptr : socket.constData(), 0)) {
        DbError error(mysql_errno(my), QString::fromUtf8(mysql_error(my)));
        mysql_close(my);
        throw error;
    }
    m_mysql = my;
    m_depth = 0;
    for (const char* setup : kSessionSetup)
        run(QString::fromLatin1(setup));
}

void Connection::close()
{
    if (m_mysql) {
        mysql_close(m_mysql);
        m_mysql = nullptr;
    }
    m_depth = 0;
    m_namedLocks.clear();
}

void Connection::fail()
{
    throw DbError(mysql_errno(m_mysql), QString::fromUtf8(mysql_error(m_mysql)));
}

void Connection::reconnect()
{
    const ConnectionParams params = m_params;
    open(params);
}

void Connection::run(const QString& sql)
{
    if (!m_mysql)
        throw DbError(CR_SERVER_GONE_ERROR, u"MySQL server has gone away"_s);
    const QByteArray bytes = sql.toUtf8();
    ++m_statements;
    if (mysql_real_query(m_mysql, bytes.constData(), static_cast<unsigned long>(bytes.size())) == 0)
        return;
    // A connection dropped by the server between uses is reopened once, but never inside a
    // transaction: the server already rolled it back and the rest must not run on its own.
    if (isConnectionLost(mysql_errno(m_mysql)) && m_depth == 0) {
        reconnect();
        ++m_statements;
        if (mysql_real_query(m_mysql, bytes.constData(), static_cast<unsigned long>(bytes.size())) == 0)
            return;
    }
    fail();
}

ResultSet Connection::query(const QString& sql)
{
    run(sql);
    MYSQL_RES* res = mysql_store_result(m_mysql);
    if (!res) {
        if (mysql_field_count(m_mysql) != 0)
            fail();
        return {};
    }
    const unsigned n = mysql_num_fields(res);
    MYSQL_FIELD* fields = mysql_fetch_fields(res);
    std::vector<ResultSet::Column> columns;
    columns.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        columns.push_back({ QString::fromUtf8(fields[i].name), kindOf(fields[i].type) });
    ResultSet rs(std::move(columns));
    while (MYSQL_ROW row = mysql_fetch_row(res))
        rs.appendRawRow(row, mysql_fetch_lengths(res));
    mysql_free_result(res);
    return rs;
}

quint64 Connection::exec(const QString& sql)
{
    run(sql);
    if (MYSQL_RES* res = mysql_store_result(m_mysql))
        mysql_free_result(res);
    const my_ulonglong affected = mysql_affected_rows(m_mysql);
    return affected == static_cast<my_ulonglong>(-1) ? 0 : affected;
}

QString Connection::escape(const QString& text) const
{
    const QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 1, Qt::Uninitialized);
    unsigned long len = 0;
    if (m_mysql) {
        len = mysql_real_escape_string(
            m_mysql, out.data(), in.constData(), static_cast<unsigned long>(in.size()));
    } else {
        len = mysql_escape_string(out.data(), in.constData(), static_cast<unsigned long>(in.size()));
    }
    out.truncate(static_cast<qsizetype>(len));
    return QString::fromUtf8(out);
}

namespace {
struct Renderer {
    const Connection& conn;
    QString operator()(std::monostate) const { return u"NULL"_s; }
    QString operator()(qint64 v) const { return QString::number(v); }
    QString operator()(const QString& v) const { return u'\'' + conn.escape(v) + u'\''; }
    QString operator()(Money v) const { return v.toSql(); }
    QString operator()(const QDate& v) const { return v.isValid() ? u'\'' + sqlDate(v) + u'\'' : u"NULL"_s; }
    QString operator()(const QTime& v) const { return v.isValid() ? u'\'' + timeText(v) + u'\'' : u"NULL"_s; }
    QString operator()(const SqlName& v) const
    {
        for (QChar c : v.name) {
            if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_')
                throw std::invalid_argument("bad SQL name: " + v.name.toStdString());
        }
        return v.name;
    }
};
} // namespace

QString Connection::compose(QStringView pattern, std::span<const SqlValue> values) const
{
    QString out;
    out.reserve(pattern.size() + 16 * static_cast<qsizetype>(values.size()));
    auto next = values.begin();
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            out += c;
        } else if (c == u'?') {
            if (next == values.end())
                throw std::invalid_argument(
                    "more placeholders than values in: " + pattern.toString().toStdString());
            out += std::visit(Renderer { *this }, next->variant());
            ++next;
        } else {
            out += c;
        }
    }
    if (next != values.end())
        throw std::invalid_argument("more values than placeholders in: " + pattern.toString().toStdString());
    return out;
}

void Connection::begin()
{
    if (m_depth == 0) {
        run(u"START TRANSACTION"_s);
        m_rollbackOnly = false;
    }
    ++m_depth;
}

void Connection::commit()
{
    if (m_depth == 0)
        throw std::logic_error("commit without begin");
    if (m_depth == 1 && m_rollbackOnly) {
        rollback();
        throw DbError(0, u"transação desfeita por uma falha anterior"_s);
    }
    if (--m_depth == 0) {
        run(u"COMMIT"_s);
        releaseNamedLocks();
    }
}

void Connection::lockUntilTransactionEnd(const QString& name)
{
    if (m_depth == 0)
        throw std::logic_error("named lock outside a transaction");
    if (m_namedLocks.contains(name))
        return;
    const ResultSet rs = query(u"select get_lock(?, 30)"_s, { name });
    if (rs.isEmpty() || rs.integer(0, 0) != 1)
        throw DbError(0, u"Tempo esgotado aguardando outra estação: "_s + name);
    m_namedLocks << name;
}

void Connection::releaseNamedLocks()
{
    for (const QString& name : std::as_const(m_namedLocks)) {
        try {
            exec(u"do release_lock(?)"_s, { name });
        } catch (const DbError&) {
            // a lost connection released it already
        }
    }
    m_namedLocks.clear();
}

void Connection::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0) {
        m_rollbackOnly = false;
        if (m_mysql)
            mysql_real_query(m_mysql, "ROLLBACK", 8);
        releaseNamedLocks();
    } else {
        m_rollbackOnly = true; // an inner failure dooms the whole transaction
    }
}

} // namespace zova
