#include "loopback_peer.h"
#include "net/ftp_client.h"
#include "support/ftp_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <curl/curl.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using zova::FtpClient;
using zova::NetError;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(data);
}

class FtpClientTest : public ::testing::Test {
protected:
    zova::test::FtpServer server;
    QTemporaryDir local { zova::test::testTempParent() + u"/local-XXXXXX"_s };
    QString localPath(const QString& name) const { return local.filePath(name); }
};

// Transfers in passive (true) and active (false) mode.
class FtpTransferTest : public FtpClientTest, public ::testing::WithParamInterface<bool> { };

} // namespace

TEST_P(FtpTransferTest, UploadAppendsSizeDownloadAndList)
{
    FtpClient ftp(server.settings(GetParam()));
    ftp.connect();

    // Two backups in the same minute: the second extends the first. The folders are created.
    writeFile(localPath(u"1.sql"_s), "first dump\n");
    writeFile(localPath(u"2.sql"_s), "second dump\n");
    const QString remote = u"/Aurora/BKP/AURORA-150124-1504.sql"_s;
    ftp.upload(localPath(u"1.sql"_s), remote);
    ftp.upload(localPath(u"2.sql"_s), remote);
    EXPECT_EQ(
        readFile(server.localPath(u"Aurora/BKP/AURORA-150124-1504.sql"_s)), "first dump\nsecond dump\n");

    EXPECT_EQ(ftp.size(remote), 23);
    EXPECT_EQ(ftp.size(u"/Aurora/Atualizador.exe"_s), std::nullopt);

    // Names with accents and spaces, and a file replacing an older local copy.
    writeFile(server.localPath(u"FUNERÁRIA SÃO JOSÉ/mensagem.txt"_s), "Bom dia\nÚltima linha\n");
    writeFile(localPath(u"mensagem.txt"_s), "old local copy that is longer than the new one");
    ftp.download(u"/FUNERÁRIA SÃO JOSÉ/mensagem.txt"_s, localPath(u"mensagem.txt"_s));
    EXPECT_EQ(readFile(localPath(u"mensagem.txt"_s)), "Bom dia\nÚltima linha\n");

    const auto entries = ftp.list(u"/Aurora/BKP/"_s);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, u"AURORA-150124-1504.sql"_s);
    EXPECT_EQ(entries[0].size, 23);

    // Without append the remote file is replaced.
    ftp.upload(localPath(u"2.sql"_s), remote, false);
    EXPECT_EQ(readFile(server.localPath(u"Aurora/BKP/AURORA-150124-1504.sql"_s)), "second dump\n");
}

INSTANTIATE_TEST_SUITE_P(Modes, FtpTransferTest, ::testing::Values(true, false),
    [](const ::testing::TestParamInfo<bool>& mode) { return mode.param ? "Passive" : "Active"; });

TEST_F(FtpClientTest, ListsNamesSizesAndDatesInBothFormats)
{
    const QDateTime old(QDate(2022, 3, 5), QTime(14, 7, 9), Qt::UTC);
    const QDateTime recent = QDateTime::currentDateTimeUtc().addDays(-2);
    const struct {
        QString name;
        QByteArray data;
        QDateTime modified;
    } files[] = {
        { u"AURORA-050322-1407.sql"_s, QByteArray(123456, 'x'), old },
        { u"Cópia de segurança.sql"_s, QByteArray(2048, 'y'), recent },
    };
    for (const auto& f : files) {
        const QString path = server.localPath(u"Aurora/BKP/"_s + f.name);
        writeFile(path, f.data);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(f.modified, QFileDevice::FileModificationTime));
    }
    QDir().mkpath(server.localPath(u"Aurora/BKP/antigos"_s));

    FtpClient ftp(server.settings());
    for (const auto format : { zova::ListingFormat::Mlsd, zova::ListingFormat::List }) {
        SCOPED_TRACE(format == zova::ListingFormat::Mlsd ? "MLSD" : "LIST");
        auto entries = ftp.list(u"/Aurora/BKP"_s, format);
        std::sort(
            entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
        ASSERT_EQ(entries.size(), 3);
        EXPECT_EQ(entries[0].name, files[0].name);
        EXPECT_EQ(entries[0].size, 123456);
        EXPECT_EQ(entries[0].modified.date(), old.date());
        EXPECT_FALSE(entries[0].isDir);
        EXPECT_EQ(entries[1].name, files[1].name);
        EXPECT_EQ(entries[1].size, 2048);
        // LIST shows minutes for recent files; MLSD shows seconds.
        EXPECT_LE(qAbs(entries[1].modified.secsTo(recent)), 60);
        EXPECT_EQ(entries[2].name, u"antigos"_s);
        EXPECT_TRUE(entries[2].isDir);
        if (format == zova::ListingFormat::Mlsd) {
            EXPECT_EQ(entries[0].modified, old);
        }
    }
    // The default asks for MLSD and reads the same entries.
    EXPECT_EQ(ftp.list(u"/Aurora/BKP/"_s).size(), 3);
    EXPECT_TRUE(ftp.list(u"Aurora/BKP/antigos"_s).isEmpty());
    EXPECT_THROW(ftp.list(u"/Nada/"_s), NetError);
}

TEST_F(FtpClientTest, FailedDownloadLeavesNoPartialFile)
{
    FtpClient ftp(server.settings());
    const QString fresh = localPath(u"mensagem.txt"_s);
    EXPECT_THROW(ftp.download(u"/Aurora/mensagem.txt"_s, fresh), NetError);
    EXPECT_FALSE(QFile::exists(fresh));

    const QString kept = localPath(u"kept.txt"_s);
    writeFile(kept, "local text");
    EXPECT_THROW(ftp.download(u"/Aurora/mensagem.txt"_s, kept), NetError);
    EXPECT_EQ(readFile(kept), "local text");
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList { u"kept.txt"_s });

    // A local folder that cannot be written: a NetError, not a crash, and nothing on disk.
    writeFile(server.localPath(u"a.txt"_s), "abc");
    EXPECT_THROW(ftp.download(u"/a.txt"_s, localPath(u"no/such/folder/a.txt"_s)), NetError);
}

TEST_F(FtpClientTest, UploadOfAMissingLocalFileFails)
{
    FtpClient ftp(server.settings());
    EXPECT_THROW(ftp.upload(localPath(u"none.sql"_s), u"/Aurora/BKP/none.sql"_s), NetError);
    EXPECT_FALSE(QFile::exists(server.localPath(u"Aurora/BKP/none.sql"_s)));
}

TEST_F(FtpClientTest, MakeDirCreatesParentsAndAcceptsExistingFolders)
{
    FtpClient ftp(server.settings());
    ftp.makeDir(u"/Aurora/BKP"_s);
    ftp.makeDir(u"/Aurora/BKP/"_s);
    ftp.makeDir(u"Outra"_s);
    EXPECT_TRUE(QFileInfo(server.localPath(u"Aurora/BKP"_s)).isDir());
    EXPECT_TRUE(QFileInfo(server.localPath(u"Outra"_s)).isDir());
}

TEST_F(FtpClientTest, RefusedLoginIsANetError)
{
    auto settings = server.settings();
    settings.password = u"errada"_s;
    FtpClient ftp(settings);
    try {
        ftp.connect();
        FAIL() << "login accepted";
    } catch (const NetError& e) {
        EXPECT_EQ(e.curlCode(), CURLE_LOGIN_DENIED);
        EXPECT_FALSE(e.message().isEmpty());
    }
}

TEST(FtpClientConnect, UnreachableServersFailWithinTheTimeOut)
{
    zova::FtpSettings settings;
    settings.host = u"127.0.0.1"_s;
    settings.connectTimeoutMs = 2000;

    // Nothing listening: refused at once.
    settings.port = zova::test::closedLoopbackPort();
    QElapsedTimer clock;
    clock.start();
    EXPECT_THROW(FtpClient(settings).connect(), NetError);
    EXPECT_LT(clock.elapsed(), 2000);

    // A host that takes the connection but never greets, like a dead server behind a firewall.
    zova::test::LoopbackPeer silent;
    settings.port = silent.port();
    clock.restart();
    try {
        FtpClient(settings).connect();
        FAIL() << "connected to a silent server";
    } catch (const NetError& e) {
        EXPECT_EQ(e.curlCode(), CURLE_OPERATION_TIMEDOUT) << e.what();
    }
    EXPECT_GE(clock.elapsed(), 1500);
    EXPECT_LT(clock.elapsed(), 5000);

    settings.host.clear();
    EXPECT_THROW(FtpClient(settings).connect(), NetError);
}
