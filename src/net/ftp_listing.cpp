#include "net/ftp_listing.h"

#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

int monthNumber(QStringView name)
{
    static const QStringList months = { u"jan"_s, u"feb"_s, u"mar"_s, u"apr"_s, u"may"_s, u"jun"_s, u"jul"_s,
        u"aug"_s, u"sep"_s, u"oct"_s, u"nov"_s, u"dec"_s };
    return int(months.indexOf(name.toString().toLower())) + 1; // 0 when unknown
}

// Servers send names in UTF-8 nowadays; older ones in a Latin code page.
QString decodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::optional<FtpEntry> parseUnixLine(QStringView line, const QDateTime& nowUtc)
{
    // type+permissions, links, owner, group (some servers omit it), size, month, day, time or year, name
    static const QRegularExpression re(
        uR"(^([-dlcbps])\S{9,}\s.*?\s(\d+)\s+([A-Za-z]{3})\s+(\d{1,2})\s+(\d{1,2}:\d{2}|\d{4})\s+(.+)$)"_s);
    const auto m = re.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    const int month = monthNumber(m.capturedView(3));
    if (month == 0)
        return std::nullopt;
    const int day = m.capturedView(4).toInt();
    const QStringView timeOrYear = m.capturedView(5);
    QDate date;
    QTime time(0, 0);
    if (timeOrYear.contains(u':')) {
        time = QTime::fromString(timeOrYear.toString(), u"H:mm"_s);
        const QDate today = nowUtc.date();
        date = QDate(today.year(), month, day);
        // "ls -l" leaves out the year for the last six months; a date ahead of today is last year's.
        if (!date.isValid() || date > today.addDays(1))
            date = QDate(today.year() - 1, month, day);
    } else {
        date = QDate(timeOrYear.toInt(), month, day);
    }
    if (!date.isValid() || !time.isValid())
        return std::nullopt;

    FtpEntry e;
    e.isDir = m.capturedView(1) == u"d";
    e.size = m.capturedView(2).toLongLong();
    e.modified = QDateTime(date, time, Qt::UTC);
    e.name = m.captured(6);
    if (m.capturedView(1) == u"l") {
        const qsizetype arrow = e.name.indexOf(u" -> "_s);
        if (arrow > 0)
            e.name.truncate(arrow);
    }
    return e;
}

std::optional<FtpEntry> parseDosLine(QStringView line)
{
    // 01-15-24  03:04PM       <DIR>          Pasta
    // 01-15-2024  15:04              123456 arquivo.sql
    static const QRegularExpression re(
        uR"(^(\d{2})-(\d{2})-(\d{2}|\d{4})\s+(\d{1,2}):(\d{2})\s*([AaPp][Mm])?\s+(<DIR>|\d+)\s+(.+)$)"_s);
    const auto m = re.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    int year = m.capturedView(3).toInt();
    if (m.capturedView(3).size() == 2)
        year += year < 70 ? 2000 : 1900;
    int hour = m.capturedView(4).toInt();
    if (m.capturedLength(6) > 0) {
        const bool pm = m.capturedView(6).startsWith(u'P', Qt::CaseInsensitive);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QDate date(year, m.capturedView(1).toInt(), m.capturedView(2).toInt());
    const QTime time(hour, m.capturedView(5).toInt());
    if (!date.isValid() || !time.isValid())
        return std::nullopt;

    FtpEntry e;
    e.isDir = m.capturedView(7) == u"<DIR>";
    e.size = e.isDir ? 0 : m.capturedView(7).toLongLong();
    e.modified = QDateTime(date, time, Qt::UTC);
    e.name = m.captured(8);
    return e;
}

} // namespace

std::optional<FtpEntry> parseMlsdLine(QStringView line)
{
    const qsizetype space = line.indexOf(u' ');
    if (space <= 0 || !line.left(space).contains(u'='))
        return std::nullopt;
    FtpEntry e;
    e.name = line.mid(space + 1).toString();
    for (const QStringView fact : line.left(space).split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = fact.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = fact.left(eq).toString().toLower();
        const QStringView value = fact.mid(eq + 1);
        if (key == u"type") {
            const QString type = value.toString().toLower();
            if (type == u"cdir" || type == u"pdir")
                return std::nullopt;
            e.isDir = type == u"dir";
        } else if (key == u"size" || key == u"sizd") {
            e.size = value.toLongLong();
        } else if (key == u"modify") {
            // YYYYMMDDHHMMSS, optionally followed by fractions of a second; always UTC
            e.modified = QDateTime(QDate::fromString(value.left(8).toString(), u"yyyyMMdd"_s),
                QTime::fromString(value.mid(8, 6).toString(), u"HHmmss"_s), Qt::UTC);
        }
    }
    if (e.name.isEmpty())
        return std::nullopt;
    return e;
}

std::optional<FtpEntry> parseListLine(QStringView line, const QDateTime& nowUtc)
{
    if (auto e = parseUnixLine(line, nowUtc))
        return e;
    return parseDosLine(line);
}

QList<FtpEntry> parseListing(const QByteArray& data, ListingFormat format, const QDateTime& nowUtc)
{
    QList<FtpEntry> entries;
    for (QByteArray raw : data.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = decodeLine(raw);
        const auto e = format == ListingFormat::Mlsd ? parseMlsdLine(line) : parseListLine(line, nowUtc);
        if (e && e->name != u"." && e->name != u"..")
            entries.append(*e);
    }
    return entries;
}

} // namespace zova
