#include "db/result_set.h"

#include "core/dates.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace zova {

ResultSet::ResultSet(std::vector<Column> columns)
    : m_columns(std::move(columns))
{
}

QStringList ResultSet::columnNames() const
{
    QStringList names;
    for (const Column& c : m_columns)
        names << c.name;
    return names;
}

int ResultSet::columnIndex(QStringView name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int ResultSet::requireColumn(QStringView name) const
{
    const int col = columnIndex(name);
    if (col < 0)
        throw std::out_of_range("no column " + name.toString().toStdString() + " in result");
    return col;
}

QByteArrayView ResultSet::raw(int row, int col) const
{
    const auto& cell = m_cells.at(static_cast<size_t>(row) * m_columns.size() + static_cast<size_t>(col));
    if (cell.second < 0)
        return {};
    return QByteArrayView(m_data.constData() + cell.first, cell.second);
}

bool ResultSet::isNull(int row, int col) const
{
    return m_cells.at(static_cast<size_t>(row) * m_columns.size() + static_cast<size_t>(col)).second < 0;
}

QString ResultSet::text(int row, int col) const
{
    return QString::fromUtf8(raw(row, col));
}

qint64 ResultSet::integer(int row, int col) const
{
    const QByteArrayView v = raw(row, col);
    if (v.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok)
        return n;
    // DECIMAL or text holding a number: take its whole part.
    return static_cast<qint64>(QString::fromUtf8(v).trimmed().toDouble());
}

std::optional<qint64> ResultSet::optInteger(int row, QStringView name) const
{
    const int col = requireColumn(name);
    if (isNull(row, col))
        return std::nullopt;
    return integer(row, col);
}

Money ResultSet::money(int row, int col) const
{
    return Money::fromSql(QString::fromUtf8(raw(row, col))).value_or(Money());
}

QDate ResultSet::date(int row, int col) const
{
    return fromSqlDate(QString::fromUtf8(raw(row, col)));
}

QTime ResultSet::time(int row, int col) const
{
    return QTime::fromString(QString::fromUtf8(raw(row, col)).left(8), u"hh:mm:ss"_s);
}

QVariant ResultSet::value(int row, int col) const
{
    if (isNull(row, col))
        return {};
    switch (m_columns[static_cast<size_t>(col)].kind) {
    case Kind::Integer:
        return integer(row, col);
    case Kind::Decimal:
        return QVariant::fromValue(money(row, col));
    case Kind::Real:
        return text(row, col).toDouble();
    case Kind::Date:
        return date(row, col);
    case Kind::Time:
        return time(row, col);
    case Kind::DateTime:
        return QDateTime::fromString(text(row, col), u"yyyy-MM-dd hh:mm:ss"_s);
    case Kind::Text:
        break;
    }
    return text(row, col);
}

void ResultSet::appendRow(const std::vector<std::optional<QByteArray>>& cells)
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (i < cells.size() && cells[i]) {
            m_cells.emplace_back(m_data.size(), cells[i]->size());
            m_data += *cells[i];
        } else {
            m_cells.emplace_back(0, -1);
        }
    }
    ++m_rowCount;
}

void ResultSet::appendRawRow(const char* const* cells, const unsigned long* lengths)
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (cells[i]) {
            const auto len = static_cast<qsizetype>(lengths[i]);
            m_cells.emplace_back(m_data.size(), len);
            m_data.append(cells[i], len);
        } else {
            m_cells.emplace_back(0, -1);
        }
    }
    ++m_rowCount;
}

void ResultSet::appendRow(const QStringList& cells)
{
    std::vector<std::optional<QByteArray>> bytes;
    for (const QString& c : cells)
        bytes.emplace_back(c.toUtf8());
    appendRow(bytes);
}

} // namespace zova
