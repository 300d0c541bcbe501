#include "datagen_bulk.h"

#include "datagen_pipeline.h"

#include "db/connection.h"

#include <charconv>

using namespace Qt::StringLiterals;

namespace zova::datagen {

BulkInsert::BulkInsert(const Output& out, QString table, int rowsPerStatement)
    : m_sink(out.sink)
    , m_conn(out.conn)
    , m_table(std::move(table))
    , m_limit(rowsPerStatement)
{
    m_sql.reserve(256 * rowsPerStatement);
}

BulkInsert& BulkInsert::row()
{
    m_sql += m_pending == 0 ? u"INSERT INTO "_s + m_table + u" VALUES ("_s : u",("_s;
    m_rowStart = true;
    return *this;
}

void BulkInsert::separate()
{
    if (!m_rowStart)
        m_sql += u',';
    m_rowStart = false;
}

void BulkInsert::appendNumber(qint64 value, int width)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    for (auto n = res.ptr - buf; n < width; ++n)
        m_sql += u'0';
    m_sql += QLatin1StringView(buf, res.ptr);
}

BulkInsert& BulkInsert::num(qint64 value)
{
    separate();
    appendNumber(value);
    return *this;
}

BulkInsert& BulkInsert::money(Money value)
{
    separate();
    m_sql += value.toSql();
    return *this;
}

// Formatted by hand: this runs millions of times and QDate::toString is slow.
BulkInsert& BulkInsert::date(const QDate& value)
{
    if (!value.isValid())
        return null();
    separate();
    int y = 0, m = 0, d = 0;
    value.getDate(&y, &m, &d);
    m_sql += u'\'';
    appendNumber(y, 4);
    m_sql += u'-';
    appendNumber(m, 2);
    m_sql += u'-';
    appendNumber(d, 2);
    m_sql += u'\'';
    return *this;
}

BulkInsert& BulkInsert::time(const QTime& value)
{
    separate();
    m_sql += u'\'';
    appendNumber(value.hour(), 2);
    m_sql += u':';
    appendNumber(value.minute(), 2);
    m_sql += u':';
    appendNumber(value.second(), 2);
    m_sql += u'\'';
    return *this;
}

BulkInsert& BulkInsert::text(const QString& value)
{
    separate();
    m_sql += u'\'' + m_conn.escape(value) + u'\'';
    return *this;
}

BulkInsert& BulkInsert::literal(QStringView rendered)
{
    separate();
    m_sql += rendered;
    return *this;
}

BulkInsert& BulkInsert::null()
{
    separate();
    m_sql += u"NULL"_s;
    return *this;
}

void BulkInsert::end()
{
    m_sql += u')';
    ++m_rows;
    if (++m_pending >= m_limit)
        flush();
}

void BulkInsert::flush()
{
    if (m_pending == 0)
        return;
    m_sink.insert(m_table, std::move(m_sql));
    m_sql = QString();
    m_sql.reserve(256 * m_limit);
    m_pending = 0;
}

QString BulkInsert::quoted(const QString& value) const
{
    return u'\'' + m_conn.escape(value) + u'\'';
}

} // namespace zova::datagen
