#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace zova {

// One entry of a remote folder listing. modified is in UTC: machine listings (MLSD) are UTC by
// definition, and the usual servers (vsftpd, pyftpdlib) write their "ls -l" times in UTC too.
struct FtpEntry {
    QString name;
    qint64 size = 0;
    QDateTime modified;
    bool isDir = false;
};

enum class ListingFormat { Mlsd, List };

// One MLSD line ("type=file;size=12;modify=20240115150405; name"); nullopt for the entries of the
// folder itself and its parent, and for lines that are not facts.
std::optional<FtpEntry> parseMlsdLine(QStringView line);

// One LIST line, Unix "ls -l" style or MS-DOS/IIS style; nullopt for lines it cannot read
// ("total 12", blank lines). A Unix line without a year ("Jan 15 15:04") is taken as the last
// such date not later than a day after nowUtc.
std::optional<FtpEntry> parseListLine(QStringView line, const QDateTime& nowUtc);

// A whole listing as the server sent it; "." and ".." are left out, as are unreadable lines.
QList<FtpEntry> parseListing(const QByteArray& data, ListingFormat format, const QDateTime& nowUtc);

} // namespace zova
