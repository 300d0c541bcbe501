#include "layouts/field_format.h"

#include "core/dates.h"
#include "core/money.h"

using namespace Qt::StringLiterals;

namespace zova {
namespace {

bool isMoneyFormat(QStringView f)
{
    return f.contains(u"R$"_s) || f.endsWith(u"0.00"_s);
}

MoneyFormat moneyFormat(QStringView f)
{
    const bool currency = f.contains(u"R$"_s);
    const bool grouped = f.contains(u',');
    if (currency && f.contains(u"R$ "_s))
        return MoneyFormat::Spaced;
    if (currency)
        return grouped ? MoneyFormat::Grouped : MoneyFormat::Plain;
    return grouped ? MoneyFormat::Number : MoneyFormat::Bare;
}

// "00", "0000": at least that many digits.
int paddedWidth(QStringView f)
{
    if (f.isEmpty())
        return 0;
    for (QChar c : f) {
        if (c != u'0')
            return 0;
    }
    return static_cast<int>(f.size());
}

QString padded(const QString& stored, int width)
{
    const QString text = stored.trimmed();
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok)
        return stored;
    const QString digits = QString::number(n < 0 ? -n : n).rightJustified(width, u'0');
    return n < 0 ? u"-"_s + digits : digits;
}

QDate cellDate(const ResultSet& rows, int row, int col)
{
    const QDate d = rows.column(col).kind == ResultSet::Kind::DateTime
        ? fromSqlDate(QStringView(rows.text(row, col)).left(10))
        : rows.date(row, col);
    return isLegacyZeroDate(d) ? QDate() : d;
}

QString dateOnly(const ResultSet& rows, int row, int col)
{
    const QDate d = cellDate(rows, row, col);
    return d.isValid() ? dateText(d) : QString();
}

} // namespace

QString formatCell(const ResultSet& rows, int row, int col, QStringView format)
{
    if (rows.isNull(row, col))
        return {};
    const ResultSet::Kind kind = rows.column(col).kind;
    const QString f = format.toString().toLower();
    if (f.isEmpty()) {
        switch (kind) {
        case ResultSet::Kind::Date:
            return dateOnly(rows, row, col);
        case ResultSet::Kind::Time:
            return timeText(rows.time(row, col));
        case ResultSet::Kind::DateTime: {
            const QString day = dateOnly(rows, row, col);
            return day.isEmpty() ? day : day + u' ' + rows.text(row, col).mid(11, 8);
        }
        case ResultSet::Kind::Decimal:
            return rows.money(row, col).format(MoneyFormat::Bare);
        default:
            return rows.text(row, col);
        }
    }
    if (f.startsWith(u"dd/mm/yy"_s))
        return dateOnly(rows, row, col);
    if (f == u"hh:mm:ss"_s || f == u"hh:nn:ss"_s)
        return timeText(rows.time(row, col));
    if (isMoneyFormat(format))
        return rows.money(row, col).format(moneyFormat(format));
    if (const int width = paddedWidth(format))
        return padded(rows.text(row, col), width);
    return rows.text(row, col);
}

QString formatField(const ResultSet& rows, int row, QStringView field, QStringView format)
{
    const int col = rows.columnIndex(field);
    if (col < 0 || row < 0 || row >= rows.rowCount())
        return {};
    return formatCell(rows, row, col, format);
}

} // namespace zova
