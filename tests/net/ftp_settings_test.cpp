#include "core/path_ini.h"
#include "net/ftp_settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

zova::FtpSettings settingsFrom(const QByteArray& ftpSection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Path.ini"_s);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Conexao]\nPassword=db\n[FTP]\n" + ftpSection);
    f.close();
    return zova::ftpSettingsFromIni(zova::PathIni(path));
}

} // namespace

TEST(FtpSettings, ReadsTheFtpSection)
{
    const auto s
        = settingsFrom("Host= ftp.aurora.com.br \nPorta=2121\nUsername=aurora\nPassword=s3nh@\nPassive=0\n");
    EXPECT_EQ(s.host, u"ftp.aurora.com.br"_s);
    EXPECT_EQ(s.port, 2121);
    EXPECT_EQ(s.user, u"aurora"_s);
    EXPECT_EQ(s.password, u"s3nh@"_s); // the FTP one, not the database's
    EXPECT_TRUE(s.passive);
    EXPECT_EQ(s.connectTimeoutMs, 5000);
    EXPECT_EQ(s.receiveBufferSize, 8192);
}

TEST(FtpSettings, PassiveOnlyForZero)
{
    const struct {
        const char* passive;
        bool expected;
    } cases[] = { { "0", true }, { " 0 ", true }, { "1", false }, { "2", false }, { "-1", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.passive);
        EXPECT_EQ(
            settingsFrom("Host=h\nPorta=21\nPassive=" + QByteArray(c.passive) + "\n").passive, c.expected);
    }
}

TEST(FtpSettings, MissingOrMalformedNumbersAreConfigErrors)
{
    const struct {
        const char* section;
        const char* key;
    } cases[] = {
        { "Host=h\nPassive=0\n", "Porta" },
        { "Host=h\nPorta=vinte\nPassive=0\n", "Porta" },
        { "Host=h\nPorta=21.5\nPassive=0\n", "Porta" },
        { "Host=h\nPorta=70000\nPassive=0\n", "Porta" },
        { "Host=h\nPorta=0\nPassive=0\n", "Porta" },
        { "Host=h\nPorta=21\n", "Passive" },
        { "Host=h\nPorta=21\nPassive=sim\n", "Passive" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        try {
            settingsFrom(c.section);
            ADD_FAILURE() << "no ConfigError";
        } catch (const zova::ConfigError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.key))) << e.what();
            EXPECT_TRUE(e.message().contains(u"[FTP]"_s)) << e.what();
        }
    }
}
