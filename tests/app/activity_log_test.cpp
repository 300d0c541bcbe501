#include "app/activity_log.h"
#include "app/activity_log_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"
#include "ui/date_edit.h"
#include "ui/result_table_model.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFile>
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

class ActivityLogTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        QFile f(dir.filePath(u"Path.ini"_s));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Empresa]\nFantasia=Funeraria\n");
    }

    void addEntry(qint64 codigo, const SqlValue& login, const QString& acao, const QDate& data)
    {
        conn().exec(u"insert into log values (?, ?, ?, ?, ?)"_s, { codigo, login, acao, data, QTime(10, 0) });
    }

    std::vector<qint64> codigos(const ResultSet& rs)
    {
        std::vector<qint64> out;
        for (int r = 0; r < rs.rowCount(); ++r)
            out.push_back(rs.integer(r, u"codigo"));
        return out;
    }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(u"Path.ini"_s) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(9, 30, 15)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session { conn(), ini, clock, dialogs, opener };
};

TEST_F(ActivityLogTest, GravaLogNumbersFromOneAndKeepsTheTextIntact)
{
    EXPECT_TRUE(session.GravaLog(u"CADASTROU TITULAR: JOANA D'ARC"_s));
    session.setOperatorLabel(kStandardMode.toString());
    EXPECT_TRUE(session.GravaLog(u"ACESSOU BUSCA AVANÇADA"_s));
    const ResultSet rs = conn().query(u"select * from log order by codigo"_s);
    ASSERT_EQ(rs.rowCount(), 2);
    EXPECT_EQ(codigos(rs), (std::vector<qint64> { 1, 2 }));
    EXPECT_EQ(rs.text(0, u"login"), u"PADRAO"_s);
    EXPECT_EQ(rs.text(0, u"acao"), u"CADASTROU TITULAR: JOANA D'ARC"_s);
    EXPECT_EQ(rs.text(1, u"login"), u"PADRÃO"_s);
    EXPECT_EQ(rs.date(1, u"data"), QDate(2024, 5, 17));
    EXPECT_EQ(rs.time(1, u"hora"), QTime(9, 30, 15));
}

// Three calendar months before the newest entry; the cut-off day itself goes too.
TEST_F(ActivityLogTest, LimpaLogKeepsThreeMonthsFromTheNewestEntry)
{
    struct Case {
        QDate newest;
        QDate cutOff;
    };
    const Case cases[] = {
        { QDate(2024, 5, 15), QDate(2024, 2, 15) }, { QDate(2024, 5, 31), QDate(2024, 2, 29) }, // leap year
        { QDate(2023, 5, 31), QDate(2023, 2, 28) },
        { QDate(2024, 1, 10), QDate(2023, 10, 10) }, // across the year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newest.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(logCutOff(c.newest), c.cutOff);
        db().clear();
        addEntry(1, u"MARIA"_s, u"A"_s, c.cutOff.addYears(-1));
        addEntry(2, u"MARIA"_s, u"B"_s, c.cutOff);
        addEntry(3, u"MARIA"_s, u"C"_s, c.cutOff.addDays(1));
        addEntry(4, u"MARIA"_s, u"D"_s, c.newest);
        EXPECT_TRUE(LimpaLog(session));
        EXPECT_EQ(codigos(conn().query(u"select codigo from log order by codigo"_s)),
            (std::vector<qint64> { 3, 4 }));
    }
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(ActivityLogTest, LimpaLogOnAnEmptyLogDoesNothing)
{
    EXPECT_TRUE(LimpaLog(session));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(ActivityLogTest, LimpaLogFailureIsReportedAndCancels)
{
    addEntry(1, u"MARIA"_s, u"A"_s, QDate(2024, 5, 1));
    conn().exec(u"rename table log to log_away"_s);
    struct Restore {
        ~Restore() { conn().exec(u"rename table log_away to log"_s); }
    } restore;

    EXPECT_FALSE(LimpaLog(session));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    const QString& text = dialogs.last().text;
    EXPECT_TRUE(text.startsWith(u"Ocorreu um erro ao fazer exclusão dos logs antigos (3 meses anteriores). "
                                u"Procedimento cancelado. Erro: "_s))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"doesn't exist"_s)) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u".\r\r"_s));
}

class ActivityLogWindowTest : public ActivityLogTest {
protected:
    void SetUp() override
    {
        ActivityLogTest::SetUp();
        addEntry(1, u"MARIA"_s, u"ACESSOU O SISTEMA"_s, QDate(2024, 5, 10));
        addEntry(2, u"JOAO"_s, u"CADASTROU TITULAR: JOANA D'ARC"_s, QDate(2024, 5, 12));
        addEntry(3, u"MARIA"_s, u"ALTEROU VALOR PARCELA 3(10%) - TITULAR JOANA"_s, QDate(2024, 5, 14));
        addEntry(4, u"MARIA"_s, u"ACESSOU LOG DE ATIVIDADES"_s, QDate(2024, 5, 20));
        addEntry(5, u"JOAO"_s, u"ACESSOU O SISTEMA"_s, QDate(2024, 4, 30));
        addEntry(6, u" ANA "_s, u"ACESSOU O SISTEMA"_s, QDate(2024, 5, 2));
        addEntry(7, u""_s, u"ACESSOU O SISTEMA"_s, QDate(2023, 1, 2));
        addEntry(8, nullptr, u"ACESSOU O SISTEMA"_s, QDate(2023, 1, 2));
        session.setOperatorLabel(u"MARIA"_s);

        window = std::make_unique<ActivityLogWindow>(session,
            [this](
                const ResultSet& rows, const QString& title, const QString& footerLeft, const QString& by) {
                printed.push_back({ codigos(rows), title, footerLeft, by });
            });
        tester = std::make_unique<QAbstractItemModelTester>(
            window->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Fills the period and the two text fields as an operator types them, then Enter in the
    // action field.
    void query(const QString& from, const QString& to, const QString& acao, const QString& usuario)
    {
        window->initialDate()->setText(from);
        window->finalDate()->setText(to);
        window->actionField()->clear();
        window->userField()->setEditText({});
        QTest::keyClicks(window->userField()->lineEdit(), usuario);
        window->actionField()->setFocus();
        QTest::keyClicks(window->actionField(), acao);
        QTest::keyClick(window->actionField(), Qt::Key_Return);
    }

    std::vector<qint64> shownCodigos() { return codigos(window->model()->result()); }

    struct Printed {
        std::vector<qint64> codigos;
        QString title;
        QString footerLeft;
        QString printedBy;
    };
    std::vector<Printed> printed;
    std::unique_ptr<ActivityLogWindow> window;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(ActivityLogWindowTest, WindowAsOpened)
{
    EXPECT_EQ(window->windowTitle(), u"Funeraria - LOG DE AÇÕES"_s);
    EXPECT_EQ(window->initialDate()->date(), QDate(2024, 5, 17));
    EXPECT_EQ(window->finalDate()->date(), QDate(2024, 5, 17));
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados..."_s);
    EXPECT_EQ(window->model()->rowCount(), 0);
    const QStringList titles { u"Cód."_s, u"Usuário"_s, u"Ação"_s, u"Data"_s, u"Hora"_s };
    for (int c = 0; c < titles.size(); ++c)
        EXPECT_EQ(window->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);

    // The operators of the log, trimmed, without empty ones, refreshed on activation.
    QStringList users;
    for (int i = 0; i < window->userField()->count(); ++i)
        users << window->userField()->itemText(i);
    EXPECT_EQ(users, (QStringList { u"ANA"_s, u"JOAO"_s, u"MARIA"_s }));
    addEntry(9, u"ZECA"_s, u"ACESSOU O SISTEMA"_s, QDate(2024, 5, 17));
    QTest::keyClicks(window->userField()->lineEdit(), u"jo"_s);
    EXPECT_EQ(window->userField()->currentText(), u"JO"_s);
    window->CarregaUsuarios();
    EXPECT_EQ(window->userField()->count(), 4);
    EXPECT_EQ(window->userField()->currentText(), u"JO"_s);

    // A click empties the keyword.
    QTest::keyClicks(window->actionField(), u"titular"_s);
    EXPECT_EQ(window->actionField()->text(), u"TITULAR"_s);
    QTest::mouseClick(window->actionField(), Qt::LeftButton);
    EXPECT_TRUE(window->actionField()->text().isEmpty());

    QTest::keyClick(window->initialDate(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ActivityLogWindowTest, ConsultaByPeriodKeywordAndOperator)
{
    struct Case {
        QString acao;
        QString usuario;
        std::vector<qint64> expected;
    };
    const Case cases[] = {
        { u""_s, u""_s, { 6, 3, 2, 1 } },
        { u"acessou"_s, u""_s, { 6, 1 } },
        { u""_s, u"maria"_s, { 3, 1 } },
        { u"SISTEMA"_s, u"MARIA"_s, { 1 } },
        { u"SISTEMA"_s, u"JOAO"_s, {} }, // JOAO's entry is outside the period
        { u"%"_s, u""_s, { 3 } }, // typed text, not a wildcard
        { u"_"_s, u""_s, {} },
        { u"'"_s, u""_s, { 2 } },
        { u"' OR '1'='1"_s, u""_s, {} },
        { u""_s, u"' OR '1'='1"_s, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.acao + u" / "_s + c.usuario).toStdString());
        query(u"01/05/2024"_s, u"15/05/2024"_s, c.acao, c.usuario);
        EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join(u" | "_s).toStdString();
        EXPECT_EQ(shownCodigos(), c.expected);
        EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados %1 registros"_s.arg(c.expected.size()));
    }
    // The grid shows the columns' formats.
    query(u"14/05/2024"_s, u"14/05/2024"_s, {}, {});
    ASSERT_EQ(window->model()->rowCount(), 1);
    EXPECT_EQ(window->model()->displayText(0, 3), u"14/05/2024"_s);
    EXPECT_EQ(window->model()->displayText(0, 4), u"10:00:00"_s);
}

TEST_F(ActivityLogWindowTest, AnImpossibleDateRunsNoQuery)
{
    for (const QString& bad : { u"31/02/2024"_s, u"  /  /    "_s }) {
        SCOPED_TRACE(bad.toStdString());
        dialogs.clear();
        window->initialDate()->setText(bad);
        QTest::mouseClick(window->consultarButton(), Qt::LeftButton);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().text, u"'"_s + bad + u"' não é uma data válida"_s);
        EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados..."_s);
    }
    dialogs.clear();
    window->initialDate()->setText(u"01/05/2024"_s);
    window->finalDate()->setText(u"30/02/2024"_s);
    QTest::mouseClick(window->imprimirButton(), Qt::LeftButton);
    EXPECT_EQ(dialogs.texts(), QStringList { u"'30/02/2024' não é uma data válida"_s });
    EXPECT_TRUE(printed.empty());
}

TEST_F(ActivityLogWindowTest, PrintingHandsTheRowsOverAndEmptiesTheGrid)
{
    window->initialDate()->setText(u"01/05/2024"_s);
    window->finalDate()->setText(u"15/05/2024"_s);
    QTest::keyClicks(window->userField()->lineEdit(), u"MARIA"_s);
    QTest::mouseClick(window->imprimirButton(), Qt::LeftButton);

    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].codigos, (std::vector<qint64> { 3, 1 }));
    EXPECT_EQ(
        printed[0].title, u"RELATÓRIO - LOG DE AÇÕES - ATIVIDADES DO USUÁRIO DE: 01/05/2024 A 15/05/2024"_s);
    EXPECT_EQ(printed[0].footerLeft, u"Funeraria - LOG DE AÇÕES"_s);
    EXPECT_EQ(printed[0].printedBy, u"Impresso por: MARIA"_s);
    EXPECT_EQ(window->model()->rowCount(), 0);
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 2 registros"_s);

    QTest::mouseClick(window->consultarButton(), Qt::LeftButton);
    EXPECT_EQ(shownCodigos(), (std::vector<qint64> { 3, 1 }));

    // A period without entries prints an empty report.
    window->initialDate()->setText(u"01/01/2020"_s);
    window->finalDate()->setText(u"02/01/2020"_s);
    QTest::mouseClick(window->imprimirButton(), Qt::LeftButton);
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_TRUE(printed[1].codigos.empty());
    EXPECT_EQ(window->countLabel()->text(), u"Foram encontrados 0 registros"_s);
    EXPECT_TRUE(dialogs.empty());
}

} // namespace
