#include "core/dates.h"

using namespace Qt::StringLiterals;

namespace zova {

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(u"dd/MM/yyyy"_s) : kEmptyDateMask.toString();
}

bool isBlankDateText(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ' && c != u'/' && c != u'_')
            return false;
    }
    return true;
}

QDate parseDateText(QStringView text)
{
    text = text.trimmed();
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return {};
    bool okDay = false;
    bool okMonth = false;
    bool okYear = false;
    const int day = text.mid(0, 2).toInt(&okDay);
    const int month = text.mid(3, 2).toInt(&okMonth);
    const int year = text.mid(6, 4).toInt(&okYear);
    if (!okDay || !okMonth || !okYear)
        return {};
    return QDate(year, month, day); // invalid when impossible
}

QString sqlDate(const QDate& date)
{
    return date.toString(u"yyyy-MM-dd"_s);
}

QDate fromSqlDate(QStringView text)
{
    if (text.size() < 10 || text.startsWith(u"0000"))
        return {};
    return QDate::fromString(text.left(10).toString(), u"yyyy-MM-dd"_s);
}

bool isLegacyZeroDate(const QDate& date)
{
    return date == QDate(1899, 12, 30);
}

QString timeText(const QTime& time)
{
    return time.toString(u"hh:mm:ss"_s);
}

} // namespace zova
