#include "app/main_window.h"
#include "app/windows.h"
#include "holders/holder_window.h"
#include "support/scripted_dialogs.h"
#include "support/test_database.h"
#include "ui/result_table_model.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

class MainWindowTest : public DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        main.show();
        QApplication::setActiveWindow(&main);
        dialogs.clear();
    }

    void holder(qint64 id, const QString& name, const QString& status = u"ATIVO"_s, const QString& cpf = {},
        int plan = 1)
    {
        conn().exec(
            u"insert into clientes (id, contrato, titular, cpf, status, pagamento, valorparcela, carne, "
            "seguro) values (?, ?, ?, ?, ?, 'PLANO OURO', 35.00, 2, ?)"_s,
            { id, QString(u"2024/05/"_s + QString::number(id).rightJustified(5, u'0')), name, cpf, status,
                plan });
    }

    void installment(qint64 holderId, int number, const QDate& due, const QString& status)
    {
        conn().exec(u"insert into boleto values (?, ?, ?, 40.00, ?, ?, NULL, ?, NULL)"_s,
            { number, holderId, number, due, status, QString::number(number) });
    }

    void open()
    {
        main.openDataSets();
        main.updateActiveCount();
    }

    void typeSearch(int kind, const QString& text)
    {
        main.searchKind()->setCurrentIndex(kind);
        main.searchField()->clear(); // as choosing the same kind again does
        main.searchField()->setFocus();
        QTest::keyClicks(main.searchField(), text);
    }

    bool enabled(const QString& control) const { return main.generationControl(control)->isEnabled(); }

    QTemporaryDir dir;
    PathIni ini { dir.filePath(u"Path.ini"_s) };
    FixedClock clock { QDateTime(QDate(2024, 5, 17), QTime(10, 0)) };
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    Session session { conn(), ini, clock, dialogs, opener };
    MainWindow main { session };
};

} // namespace

TEST_F(MainWindowTest, ListsActiveHoldersNewestFirstAndSearchesEachKind)
{
    holder(10, u"ANA SOUZA"_s, u"ATIVO"_s, u"529.982.247-25"_s);
    holder(11, u"BRUNO LIMA"_s);
    holder(12, u"ANTÔNIO REIS"_s, u"INATIVO"_s);
    holder(13, u"ANDRÉ MELO"_s);
    open();
    EXPECT_EQ(main.searchGroup()->title(), u"LOCALIZAR TITULAR (ATIVOS: 00003)"_s);
    EXPECT_EQ(main.selectedHolderId(), 13);

    struct Case {
        int kind;
        QString typed;
        qint64 expected;
    };
    const Case cases[] = {
        { 0, u"an"_s, 13 }, // newest first, letter case ignored
        { 0, u"ana"_s, 10 },
        { 0, u"ANT"_s, 13 }, // the inactive ANTÔNIO is not found: the selection stays on ANDRÉ
        { 1, u"2024050001"_s, 13 }, // "/" typed for the operator; newest of 00010, 00011, 00013
        { 1, u"20240500010"_s, 10 },
        { 2, u"11"_s, 11 },
        { 3, u"52998"_s, 10 },
    };
    for (const Case& c : cases) {
        typeSearch(c.kind, c.typed);
        EXPECT_EQ(main.selectedHolderId(), c.expected) << c.typed.toStdString();
    }
    typeSearch(1, u"20240500011"_s);
    EXPECT_EQ(main.searchField()->text(), u"2024/05/00011"_s);
    EXPECT_EQ(main.selectedHolderId(), 11);
    EXPECT_EQ(main.holderModel()->rowOf(12), -1);
}

TEST_F(MainWindowTest, ScannedStubSelectsItsHolderAndLettersAreRefusedInCodeSearch)
{
    holder(42, u"CARLA DIAS"_s);
    holder(123456, u"DANIEL PAZ"_s);
    holder(7, u"EVA NUNES"_s);
    open();
    typeSearch(2, u"0000420003"_s);
    QTest::keyClick(main.searchField(), Qt::Key_Return);
    EXPECT_EQ(main.searchField()->text(), u"42"_s);
    EXPECT_EQ(main.selectedHolderId(), 42);

    typeSearch(2, u"12345678"_s);
    QTest::keyClick(main.searchField(), Qt::Key_Return);
    EXPECT_EQ(main.selectedHolderId(), 123456);

    typeSearch(2, u"7a"_s);
    EXPECT_EQ(main.searchField()->text(), u"7"_s);
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(dialogs.last().text, u"Insira somente valores numéricos!\r\r"_s);
}

TEST_F(MainWindowTest, StandardModeDisablesMoneyAndBookletControlsAndOperatorRestoresThem)
{
    holder(1, u"ANA"_s);
    open();
    int receipts = 0;
    main.registerAction(u"&RECEBER (F2)"_s, [&] { ++receipts; });
    main.setOperatorLabel(u"PADRÃO"_s);
    const QString disabled[] = { u"GERAR CARNÊ"_s, u"&RECEBER (F2)"_s, u"&ESTORNAR"_s, u"&QUITAR"_s,
        u"IMPRIMIR &PARCELA"_s, u"IMPRIMIR  CAR&NÊ (F4)"_s, u"EXCL&UIR"_s, u"RECEBER VIA &LEITOR (F3)"_s,
        u"&HISTÓRICO DE CARNÊS"_s, u"CARNÊ&S PENDENTES"_s };
    for (const QString& b : disabled)
        EXPECT_FALSE(main.button(b)->isEnabled()) << b.toStdString();
    EXPECT_FALSE(enabled(u"PARCELAS"_s));
    EXPECT_FALSE(enabled(u"MÊS"_s));
    EXPECT_TRUE(main.receiptsGroup()->isHidden());
    for (const QString& m : { u"CONTROLE"_s, u"RELATÓRIO"_s, u"LOG"_s })
        EXPECT_FALSE(main.menu(m)->menuAction()->isEnabled()) << m.toStdString();
    QTest::keyClick(&main, Qt::Key_F2);
    EXPECT_EQ(receipts, 0);

    main.setOperatorLabel(u"MARIA"_s);
    for (const QString& b : disabled)
        EXPECT_TRUE(main.button(b)->isEnabled()) << b.toStdString();
    EXPECT_FALSE(main.receiptsGroup()->isHidden());
    EXPECT_TRUE(main.menu(u"RELATÓRIO"_s)->menuAction()->isEnabled());
    QTest::keyClick(&main, Qt::Key_F2);
    EXPECT_EQ(receipts, 1);
}

TEST_F(MainWindowTest, EntriesThatChangeDataRefuseStandardModeAndNobody)
{
    holder(1, u"ANA"_s);
    open();
    int opened = 0;
    main.registerAction(u"SUPORTE/Linha de Comando"_s, [&] { ++opened; });
    main.registerAction(u"BACKUP/Efetuar Backup Online"_s, [&] { ++opened; });
    for (const QString& label : { u"PADRÃO"_s, u"PADRAO"_s }) {
        main.setOperatorLabel(label);
        dialogs.clear();
        main.trigger(u"SUPORTE/Linha de Comando"_s);
        EXPECT_EQ(opened, 0);
        ASSERT_FALSE(dialogs.empty());
        EXPECT_EQ(dialogs.last().caption, u"Acesso Negado"_s);
        EXPECT_EQ(dialogs.last().text, u"Acesso permitido apenas para usuários cadastrados!\r\r"_s);
    }
    main.trigger(u"BACKUP/Efetuar Backup Online"_s); // backup stays open to everybody
    EXPECT_EQ(opened, 1);
    main.setOperatorLabel(u"MARIA"_s);
    main.trigger(u"SUPORTE/Linha de Comando"_s);
    EXPECT_EQ(opened, 2);
}

TEST_F(MainWindowTest, GenerationGroupOnlyForAnEmptyBookletOutsideStandardMode)
{
    holder(1, u"COM CARNE"_s);
    holder(2, u"SEM CARNE"_s);
    installment(1, 1, QDate(2024, 6, 10), u"PENDENTE"_s);
    main.setOperatorLabel(u"MARIA"_s);
    open();
    main.selectHolder(1);
    for (const QString& c : { u"PARCELAS"_s, u"MÊS"_s, u"ANO"_s, u"01"_s, u"GERAR CARNÊ"_s })
        EXPECT_FALSE(enabled(c)) << c.toStdString();
    main.selectHolder(2);
    for (const QString& c : { u"PARCELAS"_s, u"MÊS"_s, u"ANO"_s, u"01"_s, u"GERAR CARNÊ"_s })
        EXPECT_TRUE(enabled(c)) << c.toStdString();
    EXPECT_EQ(static_cast<QComboBox*>(main.generationControl(u"MÊS"_s))->currentText(), u"05"_s);
    main.setOperatorLabel(u"PADRÃO"_s);
    main.selectHolder(1);
    main.selectHolder(2);
    EXPECT_FALSE(enabled(u"GERAR CARNÊ"_s));
}

TEST_F(MainWindowTest, InstallmentColoursAndBookletPanel)
{
    conn().exec(u"insert into planos values (1, 'PLANO OURO', '', 35.00, 2.50, 6.00, 5.00)"_s);
    holder(1, u"ANA"_s);
    installment(1, 1, QDate(2024, 5, 16), u"PENDENTE"_s); // yesterday
    installment(1, 2, QDate(2024, 5, 17), u"PENDENTE"_s); // today
    installment(1, 3, QDate(2024, 4, 17), u"PAGO"_s);
    for (int i = 1; i <= 3; ++i) {
        conn().exec(u"insert into dependentes values (?, 1, 'DEP', 'FEMININO', 'EXTRA', '', '', NULL, NULL, "
                    "'INATIVO')"_s,
            { i });
    }
    conn().exec(
        u"insert into boleto_atrasado values (1, 1, 1, 40, '2023-01-10', 'PENDENTE', NULL, '', NULL)"_s);
    open();
    ResultTableModel* grid = main.installmentModel();
    ASSERT_EQ(grid->rowCount(), 3);
    auto colour = [&](int row) {
        return grid->data(grid->index(row, 0), Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(colour(0), QColor(255, 0, 0));
    EXPECT_EQ(colour(1), QColor(0, 0, 128));
    EXPECT_EQ(colour(2), QColor(0, 128, 0));
    EXPECT_EQ(main.panelLabel(u"PARCELA:"_s)->text(), u"R$35,00"_s);
    EXPECT_EQ(main.panelLabel(u"SEGURO:"_s)->text(), u"R$5,00"_s);
    EXPECT_EQ(main.panelLabel(u"DEP. EXTRA"_s)->text(), u"DEP. EXTRA (03):"_s);
    EXPECT_EQ(main.panelLabel(u"DEP. EXTRA VALOR"_s)->text(), u"R$18,00"_s);
    EXPECT_EQ(main.panelLabel(u"PENDÊNCIA"_s)->text(), u"01 PARCELA(S)"_s);
    EXPECT_EQ(main.panelLabel(u"CARNÊ"_s)->text(), u"002"_s);
    EXPECT_EQ(main.panelLabel(u"PLANO"_s)->text(), u"PLANO OURO"_s);
}

TEST_F(MainWindowTest, TodaysReceiptsTotalInFixedPoint)
{
    holder(1, u"ANA"_s);
    conn().exec(
        u"insert into caixa values (1, 1, 'ANA', 1, 'C', 0.10, '2024-05-10', '2024-05-17', 'À VISTA'),"
        "(2, 1, 'ANA', 2, 'C', 0.20, '2024-06-10', '2024-05-17', 'À VISTA'),"
        "(3, 1, 'ANA', 0, 'V', 1234.20, '2024-05-17', '2024-05-17', 'DINHEIRO'),"
        "(4, 1, 'ANA', 3, 'C', 50.00, '2024-07-10', '2024-05-16', 'À VISTA')"_s);
    open();
    EXPECT_EQ(main.receiptsGroup()->title(), u"RECEBIMENTOS DE HOJE: 17/05/2024"_s);
    EXPECT_EQ(main.panelLabel(u"TOTAL"_s)->text(), u"R$ 1.234,50"_s);
    EXPECT_EQ(main.panelLabel(u"RECEBIMENTOS PARCELAS"_s)->text(), u"003"_s);
    EXPECT_EQ(main.receiptsModel()->result().integer(0, u"id"), 3); // newest first
}

TEST_F(MainWindowTest, FirstRunOpensCollectorSellerPlanAndHolderInOrder)
{
    QStringList shown;
    for (const QString& entry : { u"CADASTRO/Cobradores"_s, u"CADASTRO/Vendedores"_s, u"CADASTRO/Planos"_s,
             u"CADASTRO/Titulares"_s }) {
        main.registerWindow(entry, [entry](QWidget* parent) {
            auto* d = new QDialog(parent);
            d->setObjectName(entry);
            return d;
        });
    }
    opener.onOpen = [&](QDialog& d) {
        shown << d.objectName();
        return 0;
    };
    main.setOperatorLabel(u"MARIA"_s);
    open();
    main.firstRunCheck();
    EXPECT_EQ(shown,
        (QStringList { u"CADASTRO/Cobradores"_s, u"CADASTRO/Vendedores"_s, u"CADASTRO/Planos"_s,
            u"CADASTRO/Titulares"_s }));
    EXPECT_EQ(dialogs.texts(),
        (QStringList { u"É necessário cadastrar pelo menos UM Cobrador! \r\r"_s,
            u"É necessário cadastrar pelo menos UM Vendedor! \r\r"_s,
            u"É necessário cadastrar pelo menos UM Plano! \r\r"_s,
            u"É necessário cadastrar pelo menos UM Titular! \r\r"_s }));

    // With a collector already there, the sequence starts at the seller.
    conn().exec(u"insert into cobradores (id, nome) values (1, 'JOSÉ')"_s);
    shown.clear();
    main.firstRunCheck();
    EXPECT_EQ(shown.value(0), u"CADASTRO/Vendedores"_s);

    // Standard mode: only the refusal, no window.
    shown.clear();
    dialogs.clear();
    main.setOperatorLabel(u"PADRÃO"_s);
    main.firstRunCheck();
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Acesso Negado"_s);
}

namespace zova::test {
namespace {

// The holder window opened from the menu keeps the main window's list and count in step, and a
// double click brings the chosen holder back to the main window.
TEST_F(MainWindowTest, HolderWindowKeepsTheMainWindowInStep)
{
    registerRegistrationWindows(main);
    holder(1, u"ANA"_s);
    holder(2, u"BRUNO"_s);
    open();
    main.selectHolder(1);
    main.setOperatorLabel(u"MARIA"_s);
    session.setOperatorLabel(u"MARIA"_s);
    opener.onOpen = [&](QDialog& d) {
        auto* w = qobject_cast<HolderWindow*>(&d);
        EXPECT_NE(w, nullptr);
        if (!w)
            return 0;
        EXPECT_EQ(w->currentId(), 1); // opens on the main window's holder
        w->moveToId(2);
        dialogs.answer(true);
        w->Excluir(); // BRUNO has no dependents nor installments
        w->moveToId(1);
        emit w->grid()->doubleClicked(w->grid()->currentIndex());
        return 0;
    };
    main.trigger(u"CADASTRO/Titulares"_s);
    EXPECT_EQ(opener.opened, QStringList { u"zova::HolderWindow"_s });
    EXPECT_EQ(main.searchGroup()->title(), u"LOCALIZAR TITULAR (ATIVOS: 00001)"_s);
    EXPECT_EQ(main.selectedHolderId(), 1);
    EXPECT_EQ(conn().query(u"select count(*) from clientes"_s).integer(0, 0), 1);
}

} // namespace
} // namespace zova::test
