#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace zova {

// The text a dd/mm/yyyy mask shows when nothing was typed; means "no date".
inline constexpr QStringView kEmptyDateMask = u"  /  /    ";

// dd/mm/yyyy, or the empty mask for a null date.
QString dateText(const QDate& date);
// Strict dd/mm/yyyy; a blank mask, an empty text or an impossible date give a null QDate.
QDate parseDateText(QStringView text);
// True for texts with nothing typed: empty, blanks, or the bare mask separators.
bool isBlankDateText(QStringView text);

// yyyy-mm-dd as written into SQL.
QString sqlDate(const QDate& date);
// yyyy-mm-dd from the server; zero dates and malformed texts give a null QDate.
QDate fromSqlDate(QStringView text);
// The platform's zero date (1899-12-30) that older data stored for "no date".
bool isLegacyZeroDate(const QDate& date);

// hh:mm:ss
QString timeText(const QTime& time);

} // namespace zova
