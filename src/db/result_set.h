#pragma once

#include "core/money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <optional>
#include <vector>

namespace zova {

// Rows of one query, held in memory. Columns are found by name without regard to letter case;
// getters are NULL-aware: text gives "", numbers 0, dates a null QDate for NULL.
class ResultSet {
public:
    enum class Kind { Text, Integer, Decimal, Real, Date, Time, DateTime };
    struct Column {
        QString name;
        Kind kind = Kind::Text;
    };

    ResultSet() = default;
    explicit ResultSet(std::vector<Column> columns);

    int rowCount() const { return m_rowCount; }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    bool isEmpty() const { return m_rowCount == 0; }
    const Column& column(int col) const { return m_columns[static_cast<size_t>(col)]; }
    QString columnName(int col) const { return column(col).name; }
    QStringList columnNames() const;
    // -1 when there is no such column.
    int columnIndex(QStringView name) const;

    bool isNull(int row, int col) const;
    bool isNull(int row, QStringView name) const { return isNull(row, requireColumn(name)); }

    QString text(int row, int col) const;
    QString text(int row, QStringView name) const { return text(row, requireColumn(name)); }
    qint64 integer(int row, int col) const;
    qint64 integer(int row, QStringView name) const { return integer(row, requireColumn(name)); }
    std::optional<qint64> optInteger(int row, QStringView name) const;
    Money money(int row, int col) const;
    Money money(int row, QStringView name) const { return money(row, requireColumn(name)); }
    QDate date(int row, int col) const;
    QDate date(int row, QStringView name) const { return date(row, requireColumn(name)); }
    QTime time(int row, int col) const;
    QTime time(int row, QStringView name) const { return time(row, requireColumn(name)); }
    // Typed value for grids: qint64, Money (as QVariant::fromValue), QDate, QTime, QString; null QVariant for
    // NULL.
    QVariant value(int row, int col) const;

    // Building (by the connection, or by code that needs an in-memory table).
    void appendRow(const std::vector<std::optional<QByteArray>>& cells);
    void appendRow(const QStringList& cells);
    // Cells as the client library hands them: a null pointer is NULL.
    void appendRawRow(const char* const* cells, const unsigned long* lengths);

private:
    int requireColumn(QStringView name) const;
    QByteArrayView raw(int row, int col) const;

    std::vector<Column> m_columns;
    // Cell bytes of all rows, back to back; per cell its start and length (-1 for NULL).
    QByteArray m_data;
    std::vector<std::pair<qsizetype, qsizetype>> m_cells;
    int m_rowCount = 0;
};

} // namespace zova

Q_DECLARE_METATYPE(zova::Money)
