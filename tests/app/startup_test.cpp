#include "app/main_window.h"
#include "app/message_window.h"
#include "app/remote_office.h"
#include "app/startup.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <map>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

// The office's FTP folder as a map of remote paths to contents.
class FakeRemote final : public RemoteOffice {
public:
    bool internet = true;
    bool reachable = true;
    bool failTransfers = false;
    std::map<QString, QByteArray> files;

    QString verificaInternet() override { return internet ? u"203.0.113.7"_s : u"SEM CONEXÃO"_s; }
    void testConnection() override
    {
        if (!reachable)
            throw std::runtime_error("Connection timed out");
    }
    std::optional<qint64> size(const QString& path) override
    {
        testConnection();
        if (failTransfers)
            throw std::runtime_error("transfer failed");
        const auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional<qint64>(it->second.size());
    }
    void download(const QString& path, const QString& local) override
    {
        QFile f(local);
        f.open(QIODevice::WriteOnly);
        f.write(files.at(path));
    }
    QString host() const override { return u" ftp.escritorio.test "_s; }
};

class StartupTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        writeIni(db().params().port);
    }

    void writeIni(unsigned port)
    {
        const ConnectionParams& p = db().params();
        QFile f(dir.filePath(u"Path.ini"_s));
        f.open(QIODevice::WriteOnly);
        f.write(
            u"[FTP]\nHost=ftp.escritorio.test\nPassword=ftp\n[Conexao]\nHostName=%1\nPort=%2\nDatabase=%3\n"
            "User_Name=%4\nPassword=%5\n[Empresa]\nFantasia=Funeraria\nSubtitulo=Plano\n"_s.arg(p.host)
                .arg(port)
                .arg(p.database, p.user, p.password)
                .toUtf8());
    }

    Startup::Steps steps()
    {
        return { {},
            [this](const QString& lastAccess, const QString& host) {
                logins << lastAccess + u" | "_s + host;
                return loginAccepted;
            },
            {},
            [this](const QString& program) {
                launched << program;
                return true;
            } };
    }

    QString messageShown()
    {
        return opener.opened.contains(u"zova::MessageWindow"_s) ? lastMessage : QString();
    }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(u"Path.ini"_s) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 30)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Connection own;
    Session session { own, ini, clock, dialogs, opener };
    MainWindow main { session };
    FakeRemote remote;
    QStringList logins;
    QStringList launched;
    bool loginAccepted = true;
    QString lastMessage;
};

} // namespace

TEST_F(StartupTest, NoInternetEndsBeforeAnyWindow)
{
    remote.internet = false;
    Startup s(session, remote, main, steps());
    EXPECT_FALSE(s.create());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Cadastro Obrigatório"_s);
    EXPECT_TRUE(dialogs.last().text.startsWith(u"Não foi detectado acesso à internet."_s));
}

TEST_F(StartupTest, UnreachableFtpEndsBeforeTheDatabase)
{
    remote.reachable = false;
    Startup s(session, remote, main, steps());
    EXPECT_TRUE(s.create());
    EXPECT_FALSE(s.show());
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_EQ(dialogs.last().text,
        u"Não foi possível estabelecer conexão com o servidor remoto. Entre em contato com o suporte do sistema!\r\r"_s);
    EXPECT_FALSE(own.isOpen());
    EXPECT_TRUE(logins.isEmpty());
}

TEST_F(StartupTest, UnreachableDatabaseEndsAfterItsMessage)
{
    writeIni(1); // nothing listens on port 1
    Startup s(session, remote, main, steps());
    EXPECT_FALSE(s.show());
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_TRUE(dialogs.last().text.startsWith(
        u"Ocorreu um erro ao conectar base de dados. Procedimento cancelado. Erro: Can't connect"_s))
        << dialogs.last().text.toStdString();
    EXPECT_TRUE(dialogs.last().text.endsWith(u"."_s));
    EXPECT_FALSE(own.isOpen());
    EXPECT_TRUE(logins.isEmpty());
}

TEST_F(StartupTest, LoginSeesTheLastAccessAndTheHost)
{
    Startup s(session, remote, main, steps());
    ASSERT_TRUE(s.show());
    ASSERT_EQ(logins.size(), 1);
    EXPECT_EQ(logins[0], u"ÚLTIMO ACESSO:  às  | DATABASE HOST: 127.0.0.1 - DATABASE USER: ZOVA"_s);
    own.exec(
        u"insert into log values (1,'A','X','2024-05-16','18:01:02'),(2,'B','Y','2024-05-15','08:00:00')"_s);
    EXPECT_EQ(s.lastAccessText(), u"ÚLTIMO ACESSO: 15/05/2024 às 08:00:00"_s);
    EXPECT_EQ(main.serverLabelText(), u"SERVIDOR: ftp.escritorio.test"_s);
    EXPECT_TRUE(main.addressLabelText().startsWith(u"IP LOCAL: "_s));

    loginAccepted = false;
    Startup cancelled(session, remote, main, steps());
    EXPECT_FALSE(cancelled.show());
}

TEST_F(StartupTest, MessageFileShowsItsLastLineOnly)
{
    struct Case {
        QByteArray content;
        QString shown; // empty: no window
    };
    const Case cases[] = {
        { "primeira\nsegunda\n  Reunião às 18h  \n", u"REUNIÃO ÀS 18H\n\n"_s },
        { "texto\n\n", QString() },
        { "", QString() },
        { "uma só linha", u"UMA SÓ LINHA\n\n"_s },
    };
    for (const Case& c : cases) {
        remote.files = { { u"/Funeraria/mensagem.txt"_s, c.content } };
        opener.opened.clear();
        QString shown;
        opener.onOpen = [&](QDialog& w) {
            shown = static_cast<MessageWindow&>(w).text();
            return 0;
        };
        Startup s(session, remote, main, steps());
        s.ConectaFTP();
        EXPECT_EQ(shown, c.shown) << c.content.toStdString();
        EXPECT_EQ(opener.opened.isEmpty(), c.shown.isEmpty());
    }
}

TEST_F(StartupTest, StaleLocalMessageIsDeletedWhenGoneFromTheServer)
{
    Startup s(session, remote, main, steps());
    QFile stale(s.messageFilePath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("mensagem antiga\n");
    stale.close();
    s.ConectaFTP();
    EXPECT_FALSE(QFile::exists(s.messageFilePath()));
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST_F(StartupTest, AnyUpdateFileRaisesTheFlagAndPrompts)
{
    for (const QString& name : { u"Atualizador.exe"_s, u"Zovaris.exe"_s, u"mysqldump.exe"_s }) {
        remote.files = { { u"/Funeraria/"_s + name, "x" } };
        Startup s(session, remote, main, steps());
        s.ConectaFTP();
        EXPECT_EQ(s.updateFlag(), 1) << name.toStdString();
    }
    remote.files.clear();
    Startup none(session, remote, main, steps());
    none.ConectaFTP();
    EXPECT_EQ(none.updateFlag(), 0);
    EXPECT_TRUE(none.offerUpdate()); // no flag, no question
}

TEST_F(StartupTest, UpdatePromptAnswers)
{
    remote.files = { { u"/Funeraria/Zovaris.exe"_s, "x" } };
    Startup s(session, remote, main, steps());
    s.ConectaFTP();

    dialogs.answer(false); // No: goes on, and asks again next time
    EXPECT_TRUE(s.offerUpdate());
    EXPECT_EQ(dialogs.last().caption, u"Verificar Atualizações"_s);

    dialogs.answer(true); // Yes without the updater: its error, then the end
    EXPECT_FALSE(s.offerUpdate());
    EXPECT_EQ(dialogs.last().text, u"Atualizador não localizado. Entre em contao com o desenvolvedor."_s);
    EXPECT_TRUE(launched.isEmpty());

    QFile updater(updaterPath(dir.path()));
    ASSERT_TRUE(updater.open(QIODevice::WriteOnly));
    updater.close();
    dialogs.answer(true);
    EXPECT_FALSE(s.offerUpdate());
    EXPECT_EQ(launched, QStringList { updaterPath(dir.path()) });
}

TEST_F(StartupTest, FailedFtpVisitGoesOnWithTheServerMarkedRed)
{
    remote.failTransfers = true;
    Startup s(session, remote, main, steps());
    s.ConectaFTP();
    EXPECT_EQ(main.serverLabelText(), u"NÃO CONECTADO"_s);
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(dialogs.last().text,
        u"Não houve conexão com o Servidor de Dados. Entre imediatamente com contato com o suporte do sistema.\r\r"_s);
    EXPECT_EQ(s.updateFlag(), 0);
}

TEST_F(StartupTest, LeavingRunsTheExitStepsUnlessSupportMaster)
{
    int runs = 0;
    bool cleanUpWorks = false;
    main.addExitStep([&] {
        ++runs;
        return cleanUpWorks;
    });
    main.setOperatorLabel(u"MARIA"_s);
    EXPECT_FALSE(main.sair()); // a failed clean-up cancels the exit
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(main.isLeaving());

    main.setOperatorLabel(u"SUPORTE MASTER"_s);
    EXPECT_TRUE(main.sair());
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(main.isLeaving());
}

TEST_F(StartupTest, CloseBoxIsRefused)
{
    main.show();
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(dialogs.last().text, u"Utilize o botão \"SAIR\""_s);
}

TEST(ClockText, PortugueseWithoutTrailingDots)
{
    EXPECT_EQ(clockDateText(QDate(2024, 5, 17)), u"SEX, 17 DE MAI DE 2024"_s);
    EXPECT_EQ(clockDateText(QDate(2024, 3, 3)), u"DOM, 03 DE MAR DE 2024"_s);
}
