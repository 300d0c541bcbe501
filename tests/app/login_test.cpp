#include "app/login_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"
#include "ui/style.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

class LoginTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        QFile f(dir.filePath(u"Path.ini"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Empresa]\nFantasia=Funeraria\n");
        f.close();
        conn().exec(u"insert into operador values (?, ?, ?, ?)"_s,
            { u"  Maria da Silva  "_s, u"1234"_s, u"maria"_s, QDate(2020, 1, 2) });
    }

    LoginHooks hooks()
    {
        LoginHooks h;
        h.enterProgram = [this](bool standard) { entered.push_back(standard); };
        h.quitProgram = [this] { ++quits; };
        h.launch = [this](const QString& program) {
            launched << program;
            return launchWorks;
        };
        h.computerName = [] { return u"ESTACAO01"_s; };
        h.showComputer = [this](const QString& name) { computer = name; };
        return h;
    }

    // The window on screen and active, the cursor in the login field.
    LoginWindow& open()
    {
        window = std::make_unique<LoginWindow>(session, hooks());
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->loginField()->setFocus();
        return *window;
    }

    // Types the login and presses Enter, which moves to the password field.
    void typeLogin(const QString& login)
    {
        QTest::keyClicks(window->loginField(), login);
        QTest::keyClick(window->loginField(), Qt::Key_Return);
    }

    struct LogRow {
        qint64 codigo;
        QString login;
        QString acao;
    };
    std::vector<LogRow> logRows()
    {
        const ResultSet rs
            = conn().query(u"select codigo, login, acao, data, hora from log order by codigo"_s);
        std::vector<LogRow> rows;
        for (int r = 0; r < rs.rowCount(); ++r) {
            EXPECT_EQ(rs.date(r, u"data"), clock.today());
            EXPECT_EQ(rs.time(r, u"hora"), clock.now().time());
            rows.push_back({ rs.integer(r, u"codigo"), rs.text(r, u"login"), rs.text(r, u"acao") });
        }
        return rows;
    }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(u"Path.ini"_s) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 30, 15)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session { conn(), ini, clock, dialogs, opener };
    std::unique_ptr<LoginWindow> window;
    std::vector<bool> entered;
    int quits = 0;
    QStringList launched;
    bool launchWorks = true;
    QString computer;
};

TEST_F(LoginTest, WindowAsOpened)
{
    LoginWindow& w = open();
    EXPECT_EQ(w.windowTitle(), u"Funeraria - ACESSO"_s);
    EXPECT_NEAR(w.windowOpacity(), 230.0 / 255.0, 0.01);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.lastAccessLabel()->text(), u"ÚLTIMO ACESSO:"_s);
    EXPECT_EQ(w.hostLabel()->text(), u"HOSTNAME: "_s);
    EXPECT_TRUE(w.verifyingIndicator()->isHidden());
    EXPECT_EQ(w.passwordField()->echoMode(), QLineEdit::Password);
    w.setLastAccessText(u"ÚLTIMO ACESSO: 16/05/2024 às 18:02:11"_s);
    EXPECT_EQ(w.lastAccessLabel()->text(), u"ÚLTIMO ACESSO: 16/05/2024 às 18:02:11"_s);

    QTest::keyClicks(w.loginField(), u"MaRiA"_s);
    EXPECT_EQ(w.loginField()->text(), u"maria"_s);

    // "#" for each character, under the program's style sheet too.
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(zovaStyleSheet());
    LoginWindow styled(session, hooks());
    styled.passwordField()->setText(u"12"_s);
    EXPECT_EQ(styled.passwordField()->displayText(), u"##"_s);
    qApp->setStyleSheet(sheet);
    EXPECT_TRUE(dialogs.empty());
}

// The check runs as the last character of the stored password is typed: no Enter needed.
TEST_F(LoginTest, RightPasswordEntersAtItsLastCharacter)
{
    LoginWindow& w = open();
    typeLogin(u"maria"_s);
    EXPECT_EQ(QApplication::focusWidget(), w.passwordField());
    EXPECT_EQ(w.expectedLength(), 4);

    QTest::keyClicks(w.passwordField(), u"123"_s);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(entered.empty());
    QTest::keyClick(w.passwordField(), Qt::Key_4);

    EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join(u" | "_s).toStdString();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(session.operatorLabel(), u"Maria da Silva"_s);
    EXPECT_EQ(entered, std::vector<bool> { false });
    EXPECT_EQ(computer, u"ESTACAO01"_s);
    EXPECT_EQ(quits, 0);
    const auto rows = logRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].codigo, 1);
    EXPECT_EQ(rows[0].login, u"Maria da Silva"_s);
    EXPECT_EQ(rows[0].acao, u"ACESSOU O SISTEMA"_s);
}

TEST_F(LoginTest, WrongPasswordIsRefusedAndTheOperatorMayTryAgain)
{
    LoginWindow& w = open();
    typeLogin(u"maria"_s);
    QTest::keyClicks(w.passwordField(), u"4321"_s);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.last().caption, u"Acesso Negado"_s);
    EXPECT_EQ(dialogs.last().text, u"Senha incorreta."_s);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.passwordField()->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.loginField());
    EXPECT_TRUE(w.verifyingIndicator()->isHidden());
    EXPECT_FALSE(w.cancelarButton()->isHidden());
    EXPECT_FALSE(w.padraoButton()->isHidden());
    EXPECT_EQ(session.operatorLabel(), u"PADRAO"_s);
    EXPECT_TRUE(entered.empty());

    // A login and password with quotes are data, not SQL.
    dialogs.clear();
    w.loginField()->setText(u"x' or '1'='1"_s);
    QTest::keyClick(w.loginField(), Qt::Key_Return);
    EXPECT_EQ(dialogs.texts(), QStringList { u"Login inexistente."_s });

    dialogs.clear();
    w.loginField()->clear();
    typeLogin(u"maria"_s);
    QTest::keyClicks(w.passwordField(), u"1234"_s);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(session.operatorLabel(), u"Maria da Silva"_s);
}

TEST_F(LoginTest, UnknownOrEmptyLoginIsNotFound)
{
    for (const QString& login : { u"joana"_s, QString() }) {
        SCOPED_TRACE(login.toStdString());
        dialogs.clear();
        LoginWindow& w = open();
        typeLogin(login);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().caption, u"Acesso Negado"_s);
        EXPECT_EQ(dialogs.last().text, u"Login inexistente."_s);
        EXPECT_EQ(QApplication::focusWidget(), w.loginField());
        EXPECT_EQ(w.expectedLength(), 0);

        // Typing a character and deleting it brings the length back to the expected 0.
        QTest::keyClick(w.passwordField(), Qt::Key_X);
        QTest::keyClick(w.passwordField(), Qt::Key_Backspace);
        EXPECT_EQ(dialogs.texts(), (QStringList { u"Login inexistente."_s, u"Senha incorreta."_s }));
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(entered.empty());
    }
    EXPECT_TRUE(logRows().empty());
}

TEST_F(LoginTest, StandardModeEntersWithoutLogEntry)
{
    LoginWindow& w = open();
    QTest::mouseClick(w.padraoButton(), Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(session.operatorLabel(), u"PADRÃO"_s);
    EXPECT_TRUE(session.isStandardMode());
    EXPECT_EQ(entered, std::vector<bool> { true });
    EXPECT_TRUE(computer.isEmpty());
    EXPECT_TRUE(logRows().empty());
    EXPECT_TRUE(dialogs.empty());

    // What is written from now on carries the standard mode.
    session.GravaLog(u"ACESSOU BUSCA AVANÇADA"_s);
    ASSERT_EQ(logRows().size(), 1u);
    EXPECT_EQ(logRows()[0].login, u"PADRÃO"_s);
}

TEST_F(LoginTest, CancelarAndEscEndTheProgram)
{
    for (const bool useEsc : { false, true }) {
        SCOPED_TRACE(useEsc ? "Esc" : "click");
        quits = 0;
        LoginWindow& w = open();
        if (useEsc)
            QTest::keyClick(w.loginField(), Qt::Key_Escape);
        else
            QTest::mouseClick(w.cancelarButton(), Qt::LeftButton);
        EXPECT_EQ(quits, 1);
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(entered.empty());
    }
}

TEST_F(LoginTest, CloseCommandAndF4AreRefused)
{
    LoginWindow& w = open();
    QTest::keyClick(w.loginField(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(quits, 0);
    EXPECT_TRUE(entered.empty());
}

TEST_F(LoginTest, SupportLaunchesTheFirstProgramOfItsFolder)
{
    LoginWindow& w = open();
    // No folder: nothing happens.
    QTest::mouseClick(w.suporteButton(), Qt::LeftButton);
    EXPECT_TRUE(launched.isEmpty());

    QDir(dir.path()).mkdir(u"SuporteRemoto"_s);
    const auto place = [&](const QString& name, bool executable) {
        QFile f(dir.filePath(u"SuporteRemoto/"_s + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n");
        f.close();
        if (executable)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
    };
    place(u"leiame.txt"_s, false);
    QTest::mouseClick(w.suporteButton(), Qt::LeftButton);
    EXPECT_TRUE(launched.isEmpty());

    place(u"suporte-b"_s, true);
    place(u"suporte-a"_s, true);
    QTest::mouseClick(w.suporteButton(), Qt::LeftButton);
    EXPECT_EQ(
        launched, QStringList { QFileInfo(dir.filePath(u"SuporteRemoto/suporte-a"_s)).absoluteFilePath() });
    EXPECT_TRUE(w.isVisible());
    // Before anybody entered, the entry carries "PADRAO".
    auto rows = logRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].codigo, 1);
    EXPECT_EQ(rows[0].login, u"PADRAO"_s);
    EXPECT_EQ(rows[0].acao, u"ACESSOU SUPORTE REMOTO"_s);

    // A program that did not start is no access.
    launchWorks = false;
    QTest::mouseClick(w.suporteButton(), Qt::LeftButton);
    EXPECT_EQ(launched.size(), 2);
    EXPECT_EQ(logRows().size(), 1u);
}

} // namespace
