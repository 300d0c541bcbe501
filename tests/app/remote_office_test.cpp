#include "app/curl_remote_office.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/ftp_server.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
}
} // namespace

// The start-up visit against a real FTP server and echo page.
TEST(CurlRemoteOffice, StartupVisitDownloadsTheMessageAndSeesUpdates)
{
    FtpServer ftp;
    IpEchoServer echo;
    QTemporaryDir dir;
    writeFile(dir.filePath(u"Path.ini"_s),
        u"[FTP]\nHost=127.0.0.1\nPorta=%1\nUsername=%2\nPassword=%3\nPassive=0\n[Empresa]\nFantasia=Amparo\n"
        "[Internet]\nPaginaIP=%4\n"_s.arg(ftp.port())
            .arg(ftp.user(), ftp.password(), echo.url())
            .toUtf8());
    writeFile(ftp.localPath(u"Amparo/mensagem.txt"_s), "Bem-vindo\nReunião amanhã às 9h\n");
    writeFile(ftp.localPath(u"Amparo/mysqldump.exe"_s), "x");

    PathIni ini(dir.filePath(u"Path.ini"_s));
    CurlRemoteOffice remote(ini);
    EXPECT_EQ(remote.verificaInternet(), u"127.0.0.1"_s);
    EXPECT_NO_THROW(remote.testConnection());

    Connection conn;
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 0)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session(conn, ini, clock, dialogs, opener);
    MainWindow main(session);
    Startup startup(session, remote, main, {});
    startup.ConectaFTP();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(startup.updateFlag(), 1);
    EXPECT_EQ(main.serverLabelText(), u"SERVIDOR: 127.0.0.1"_s);
    EXPECT_EQ(opener.opened, QStringList { u"zova::MessageWindow"_s });
    QFile local(startup.messageFilePath());
    ASSERT_TRUE(local.open(QIODevice::ReadOnly));
    EXPECT_EQ(local.readAll(), QByteArray("Bem-vindo\nReunião amanhã às 9h\n"));

    // A refused login is a failed connection.
    writeFile(dir.filePath(u"Path.ini"_s),
        u"[FTP]\nHost=127.0.0.1\nPorta=%1\nUsername=zova\nPassword=errada\nPassive=0\n"_s.arg(ftp.port())
            .toUtf8());
    EXPECT_ANY_THROW(remote.testConnection());
}
