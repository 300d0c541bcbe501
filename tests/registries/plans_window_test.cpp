#include "registries/plans_window.h"
#include "registry_fixture.h"
#include "ui/currency_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <memory>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

class PlansWindowTest : public RegistryTest {
protected:
    void addPlan(qint64 id, const QString& nome, const QString& valor = u"35.00"_s)
    {
        conn().exec(
            u"insert into planos values (?, ?, 'DESCRICAO', ?, 5.00, 12.50, 0)"_s, { id, nome, valor });
    }

    void addHolderPaying(const QString& plan)
    {
        conn().exec(
            u"insert into clientes (id, titular, pagamento, status) values (1, 'X', ?, 'ATIVO')"_s, { plan });
    }

    std::unique_ptr<PlansWindow> open()
    {
        auto window = std::make_unique<PlansWindow>(session);
        showActive(*window);
        return window;
    }

    static void fill(PlansWindow& w, const QString& nome, qint64 cents)
    {
        w.nomeField()->setText(nome);
        w.valorPlanoField()->setValue(Money::fromCents(cents));
    }
};

TEST_F(PlansWindowTest, GridShowsTheAmountsAndInsertStoresTheRecord)
{
    addPlan(1, u"PLANO OURO"_s);
    auto w = open();
    EXPECT_EQ(w->windowTitle(), u"FUNERARIA - CADASTRO DE PLANOS"_s);
    EXPECT_EQ(w->model()->displayText(0, 2), u"R$35,00"_s);
    EXPECT_EQ(w->model()->displayText(0, 4), u"R$12,50"_s);
    EXPECT_EQ(w->valorDepExtraField()->value(), Money::fromCents(1250));
    EXPECT_EQ(w->restantesLabel()->text(), u"371"_s); // "DESCRICAO"

    press(Qt::Key_Insert);
    ASSERT_TRUE(w->isEditing());
    EXPECT_TRUE(w->valorPlanoField()->value().isZero());
    EXPECT_EQ(w->restantesLabel()->text(), u"380"_s);
    type(u"plano prata"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), w->descricaoField());
    type(u"cobre velório"_s);
    EXPECT_EQ(w->descricaoField()->toPlainText(), u"COBRE VELÓRIO"_s);
    EXPECT_EQ(w->restantesLabel()->text(), u"367"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), w->valorPlanoField());
    type(u"29,90"_s);
    press(Qt::Key_Return);
    type(u"3"_s);
    press(Qt::Key_Return);
    type(u"7,5"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), w->valorSeguroField());
    type(u"1,25"_s);
    dialogs.answer(true);
    press(Qt::Key_Return);

    EXPECT_EQ(
        dialogs.texts(), QStringList { u"Deseja realmente fazer a inclusão do Plano \"PLANO PRATA\"?"_s });
    const ResultSet rs = conn().query(u"select * from planos where id = 2"_s);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, u"nome_plano"), u"PLANO PRATA"_s);
    EXPECT_EQ(rs.text(0, u"descricao_plano"), u"COBRE VELÓRIO"_s);
    EXPECT_EQ(rs.money(0, u"valor_plano"), Money::fromCents(2990));
    EXPECT_EQ(rs.money(0, u"valor_reajuste_anual"), Money::fromCents(300));
    EXPECT_EQ(rs.money(0, u"valor_dep_extra"), Money::fromCents(750));
    EXPECT_EQ(rs.money(0, u"valor_seguro"), Money::fromCents(125));
    EXPECT_EQ(logTexts(), QStringList { u"CADASTROU PLANO: PLANO PRATA"_s });
    EXPECT_FALSE(w->isEditing());
    EXPECT_EQ(w->currentId(), 2);
    EXPECT_EQ(w->recordCountLabel()->text(), u"00002"_s);
}

TEST_F(PlansWindowTest, DescriptionStopsAt380Characters)
{
    auto w = open();
    w->inserir();
    w->descricaoField()->setPlainText(QString(379, u'a'));
    EXPECT_EQ(w->restantesLabel()->text(), u"1"_s);
    w->descricaoField()->moveCursor(QTextCursor::End);
    QTest::keyClicks(w->descricaoField(), u"bcd"_s);
    EXPECT_EQ(w->descricaoField()->toPlainText(), QString(379, u'A') + u"B"_s);
    EXPECT_EQ(w->restantesLabel()->text(), u"0"_s);
}

TEST_F(PlansWindowTest, ChecksRefuseInOrder)
{
    struct Case {
        QString nome;
        qint64 cents;
        QString message;
    };
    const Case cases[] = {
        { u"OURO"_s, 3500, u"O campo \"Nome do Plano\" é obrigatório!"_s },
        { u"PLANO OURO"_s, 0, u"O campo \"Valor do Plano\" é obrigatório!"_s },
    };
    auto w = open();
    for (const Case& c : cases) {
        dialogs.clear();
        w->inserir();
        fill(*w, c.nome, c.cents);
        EXPECT_FALSE(w->salvar());
        EXPECT_EQ(dialogs.texts(), QStringList { c.message });
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(QApplication::focusWidget(),
            c.cents == 0 ? static_cast<QWidget*>(w->valorPlanoField()) : w->nomeField());
        EXPECT_TRUE(w->isEditing());
        w->cancelar();
    }
}

// A plan holders pay keeps its name; its amounts may change, and an unused plan may be renamed.
TEST_F(PlansWindowTest, RenameRefusedWhileHoldersPayThePlan)
{
    addPlan(1, u"PLANO OURO"_s);
    addPlan(2, u"PLANO BRONZE"_s);
    addHolderPaying(u"PLANO OURO"_s);
    auto w = open();

    w->editar();
    EXPECT_EQ(w->rememberedName(), u"PLANO OURO"_s);
    w->nomeField()->setText(u"PLANO DIAMANTE"_s);
    EXPECT_FALSE(w->salvar());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dialogs.last().text,
        u"Não é possíve alterar o nome do plano.\rO mesmo está sendo utilizado por Titulares.\r\r"_s);
    EXPECT_EQ(QApplication::focusWidget(), w->nomeField());
    EXPECT_TRUE(w->isEditing());

    // Back to its name, only the amount changes.
    dialogs.clear();
    w->nomeField()->setText(u"PLANO OURO"_s);
    w->valorPlanoField()->setValue(Money::fromCents(4000));
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(dialogs.texts(),
        QStringList { u"Deseja realmente salvar as alterações feitas no Plano \"PLANO OURO\"?"_s });
    EXPECT_EQ(
        conn().query(u"select valor_plano from planos where id = 1"_s).money(0, 0), Money::fromCents(4000));

    ASSERT_TRUE(w->moveToId(2));
    w->editar();
    w->nomeField()->setText(u"PLANO PRATA"_s);
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(conn().query(u"select nome_plano from planos where id = 2"_s).text(0, 0), u"PLANO PRATA"_s);
    EXPECT_EQ(logTexts(), (QStringList { u"ALTEROU PLANO: PLANO OURO"_s, u"ALTEROU PLANO: PLANO PRATA"_s }));
}

TEST_F(PlansWindowTest, DuplicateNameRefusedThenTheCorrectedNameInserts)
{
    addPlan(1, u"PLANO OURO"_s);
    auto w = open();
    w->inserir();
    fill(*w, u" plano ouro "_s, 3000);
    dialogs.answer(true);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.texts(),
        (QStringList { u"Deseja realmente fazer a inclusão do Plano \" plano ouro \"?"_s,
            u"Ocorreu um erro ao fazer inclusão de Plano. Já existe o Plano \"plano ouro\" cadastrado. Ação Cancelada!"_s }));
    EXPECT_EQ(dialogs.last().caption, u"Duplicidade"_s);
    EXPECT_EQ(QApplication::focusWidget(), w->nomeField());
    EXPECT_TRUE(w->isEditing());
    EXPECT_EQ(w->codigoField()->text(), QString());

    w->nomeField()->setText(u"PLANO OURO FAMILIA"_s);
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(conn().query(u"select count(*) from planos"_s).integer(0, 0), 2);
    EXPECT_EQ(w->codigoField()->text(), u"2"_s);
}

TEST_F(PlansWindowTest, FailedInsertIsInsertedAgainAndNoReturnsToBrowse)
{
    addPlan(1, u"PLANO OURO"_s);
    auto w = open();
    w->inserir();
    fill(*w, u"PLANO PRATA"_s, 2500);
    {
        const auto failing = failInserts(u"planos"_s);
        dialogs.answer(true);
        EXPECT_FALSE(w->salvar());
        EXPECT_EQ(dialogs.last().text,
            u"Ocorreu um erro ao fazer inclusão de Plano. Procedimento cancelado. Erro: falha simulada."_s);
        EXPECT_EQ(w->codigoField()->text(), QString());
        EXPECT_TRUE(w->isEditing());
    }
    // Declining now leaves everything as stored.
    dialogs.answer(false);
    EXPECT_FALSE(w->salvar());
    EXPECT_FALSE(w->isEditing());
    EXPECT_EQ(w->nomeField()->text(), u"PLANO OURO"_s);
    EXPECT_EQ(w->codigoField()->text(), u"1"_s);

    w->inserir();
    fill(*w, u"PLANO PRATA"_s, 2500);
    dialogs.clear();
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(
        dialogs.texts(), QStringList { u"Deseja realmente fazer a inclusão do Plano \"PLANO PRATA\"?"_s });
    EXPECT_EQ(conn().query(u"select nome_plano from planos where id = 2"_s).text(0, 0), u"PLANO PRATA"_s);
}

TEST_F(PlansWindowTest, DeleteAsksAndLogs)
{
    addPlan(1, u"PLANO OURO"_s);
    addPlan(2, u"PLANO PRATA"_s);
    auto w = open();
    w->searchField()->setFocus();
    QTest::keyClicks(w->searchField(), u"plano p"_s);
    ASSERT_EQ(w->currentId(), 2);
    dialogs.answer(true);
    w->excluir();
    EXPECT_EQ(
        dialogs.texts(), QStringList { u"Deseja realmente efetuar a exclusão do Plano \"PLANO PRATA\"?"_s });
    EXPECT_EQ(logTexts(), QStringList { u"EXCLUIU PLANO: PLANO PRATA"_s });
    EXPECT_EQ(w->model()->rowCount(), 1);
    EXPECT_EQ(w->nomeField()->text(), u"PLANO OURO"_s);
}

TEST_F(PlansWindowTest, StandardModeOnlyBrowses)
{
    addPlan(1, u"PLANO OURO"_s);
    session.setOperatorLabel(kStandardMode.toString());
    auto w = open();
    for (QPushButton* b : { w->inserirButton(), w->editarButton(), w->excluirButton(), w->salvarButton() })
        EXPECT_FALSE(b->isEnabled());
    w->editar();
    EXPECT_FALSE(w->isEditing());
    EXPECT_EQ(w->nomeField()->text(), u"PLANO OURO"_s);
}

} // namespace
