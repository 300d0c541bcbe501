#include "net/ftp_listing.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::FtpEntry;

namespace {

const QDateTime kNow(QDate(2024, 3, 10), QTime(12, 0), Qt::UTC);

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

void expectEntry(
    const std::optional<FtpEntry>& e, const QString& name, qint64 size, const QDateTime& modified, bool isDir)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->name, name);
    EXPECT_EQ(e->size, size);
    EXPECT_EQ(e->modified, modified);
    EXPECT_EQ(e->modified.timeSpec(), Qt::UTC);
    EXPECT_EQ(e->isDir, isDir);
}

} // namespace

TEST(FtpListing, UnixAndDosLines)
{
    const struct {
        const char* line;
        QString name;
        qint64 size;
        QDateTime modified;
        bool isDir;
    } cases[] = {
        // vsftpd, this year (no year shown)
        { "-rw-r--r--    1 1000     1000       123456 Jan 15 15:04 AURORA-150124-1504.sql",
            u"AURORA-150124-1504.sql"_s, 123456, utc(2024, 1, 15, 15, 4), false },
        // a month ahead of "now" without year: last year's
        { "-rw-r--r--    1 ftp      ftp          2048 Dec 31 23:59 old.sql", u"old.sql"_s, 2048,
            utc(2023, 12, 31, 23, 59), false },
        { "drwxr-xr-x    2 ftp      ftp          4096 Mar 01  2022 BKP", u"BKP"_s, 4096, utc(2022, 3, 1),
            true },
        // no group column, name with spaces, Latin-1 month case
        { "-rw-r--r-- 1 owner 77 FEB 9 08:00 Cópia de segurança.sql", u"Cópia de segurança.sql"_s, 77,
            utc(2024, 2, 9, 8, 0), false },
        { "lrwxrwxrwx    1 0        0               7 Mar 01 10:00 atual -> AURORA.sql", u"atual"_s, 7,
            utc(2024, 3, 1, 10, 0), false },
        // IIS, MS-DOS style
        { "01-15-24  03:04PM               123456 AURORA-150124-1504.sql", u"AURORA-150124-1504.sql"_s,
            123456, utc(2024, 1, 15, 15, 4), false },
        { "12-01-23  12:30AM       <DIR>          Pasta Antiga", u"Pasta Antiga"_s, 0,
            utc(2023, 12, 1, 0, 30), true },
        { "02-29-2024  17:45                    9 x.txt", u"x.txt"_s, 9, utc(2024, 2, 29, 17, 45), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        expectEntry(
            zova::parseListLine(QString::fromUtf8(c.line), kNow), c.name, c.size, c.modified, c.isDir);
    }
    for (const char* junk :
        { "total 24", "", "-rw-r--r-- 1 u g 12 Foo 15 15:04 x", "13-45-24  03:04PM  1 x" }) {
        SCOPED_TRACE(junk);
        EXPECT_FALSE(zova::parseListLine(QString::fromUtf8(junk), kNow).has_value());
    }
}

TEST(FtpListing, MlsdLines)
{
    expectEntry(zova::parseMlsdLine(u"type=file;size=123456;modify=20240115150405.123;perm=adfrw; A B.sql"_s),
        u"A B.sql"_s, 123456, utc(2024, 1, 15, 15, 4, 5), false);
    expectEntry(zova::parseMlsdLine(u"Type=dir;Modify=20230301000000;sizd=4096; BKP"_s), u"BKP"_s, 4096,
        utc(2023, 3, 1), true);
    EXPECT_FALSE(zova::parseMlsdLine(u"type=cdir;modify=20230301000000; /Aurora/BKP"_s).has_value());
    EXPECT_FALSE(zova::parseMlsdLine(u"type=pdir;modify=20230301000000; .."_s).has_value());
    EXPECT_FALSE(zova::parseMlsdLine(u"arquivo.sql"_s).has_value());
}

TEST(FtpListing, WholeListingSkipsDotEntriesAndDecodesNames)
{
    const QByteArray unix = "total 8\r\n"
                            "drwxr-xr-x 2 u g 4096 Mar 01 10:00 .\r\n"
                            "drwxr-xr-x 2 u g 4096 Mar 01 10:00 ..\r\n"
                            "-rw-r--r-- 1 u g 5 Mar 01 10:00 S\xC3\xA3o.sql\r\n"
                            "-rw-r--r-- 1 u g 6 Mar 01 10:00 Jos\xE9.sql\r\n"; // Latin-1 from an older server
    const auto entries = zova::parseListing(unix, zova::ListingFormat::List, kNow);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, u"São.sql"_s);
    EXPECT_EQ(entries[1].name, u"José.sql"_s);

    const QByteArray mlsd = "type=cdir;modify=20240301100000; .\r\n"
                            "type=file;size=5;modify=20240301100000; a.sql\r\n";
    const auto machine = zova::parseListing(mlsd, zova::ListingFormat::Mlsd, kNow);
    ASSERT_EQ(machine.size(), 1);
    EXPECT_EQ(machine[0].name, u"a.sql"_s);
}
