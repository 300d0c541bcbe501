#include "core/cpf.h"
#include "core/dates.h"
#include "holder_fixture.h"
#include "holders/dependent_operations.h"
#include "holders/dependents_panel.h"
#include "ui/date_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/masked_line_edit.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

const QString kCpfA = u"529.982.247-25"_s;

class DependentsTest : public HolderTest {
protected:
    void SetUp() override
    {
        HolderTest::SetUp();
        insertPlan(1, u"PLANO OURO"_s, u"45.00"_s, u"12.50"_s);
        insertHolder({});
    }

    // The panel inside a window with the keys the holder window gives it: Enter moves on,
    // Enter on "STATUS" saves, Esc cancels the dependent edit.
    DependentsPanel& open(qint64 holder = 1, Money parcela = Money::fromReais(45))
    {
        host = std::make_unique<QDialog>();
        auto* p = new DependentsPanel(session, host.get());
        (new QVBoxLayout(host.get()))->addWidget(p);
        EnterAsTab* enter = EnterAsTab::install(host.get());
        enter->setEnterAction(p->statusField(), [p] {
            if (!p->salvarButton()->isEnabled())
                return false;
            p->salvar();
            return true;
        });
        bindEscape(host.get(), [p] {
            if (p->cancelarButton()->isEnabled())
                p->cancelar();
        });
        p->setHolder(holder, 1, parcela);
        showActive(*host);
        panel = p;
        return *p;
    }

    // Fills every field a save needs.
    static void fill(DependentsPanel& p, const QString& nome, const QString& cpf = kEmptyCpfMask.toString())
    {
        p.nomeField()->setText(nome);
        p.sexoField()->setCurrentText(u"FEMININO"_s);
        p.parentescoField()->setEditText(u"FILHO(A)"_s);
        p.cpfField()->setText(cpf);
        p.statusList()->setCurrentText(u"ATIVO"_s);
    }

    // Saves with Enter on "STATUS", answering the confirmation.
    void saveByEnter(DependentsPanel& p, bool answer = true)
    {
        dialogs.answer(answer);
        p.statusList()->setFocus();
        press(Qt::Key_Return);
    }

    ResultSet stored(qint64 id) { return conn().query(u"select * from dependentes where id = ?"_s, { id }); }

    QString cell(int row, int column) const { return panel->model()->displayText(row, column); }

    static bool browsing(const DependentsPanel& p)
    {
        return !p.isEditing() && p.inserirButton()->isEnabled() && p.editarButton()->isEnabled()
            && p.excluirButton()->isEnabled() && !p.salvarButton()->isEnabled()
            && !p.cancelarButton()->isEnabled() && p.navigator()->isEnabled() && p.grid()->isEnabled()
            && !p.nomeField()->isEnabled();
    }

    std::unique_ptr<QDialog> host;
    DependentsPanel* panel = nullptr;
};

TEST_F(DependentsTest, GridFieldsAndTheTwoStates)
{
    insertDependent(1, 1, u"MARIA DA SILVA"_s);
    insertDependent(2, 1, u"JOAO DA SILVA"_s, u"EXTRA"_s, u"INATIVO"_s);
    insertDependent(3, 2, u"OUTRO TITULAR"_s);
    DependentsPanel& p = open();
    QAbstractItemModelTester tester(p.model());
    QSignalSpy editing(&p, &DependentsPanel::editingChanged);

    EXPECT_EQ(p.title(), u"CADASTRO DE DEPENDENTES"_s);
    EXPECT_EQ(p.countLabel()->text(), u"00002"_s);
    ASSERT_EQ(p.model()->rowCount(), 2);
    const QStringList first { u"MARIA DA SILVA"_s, u"F"_s, u"01/02/2010"_s, u"14"_s, u"FILHO(A)"_s,
        kEmptyCpfMask.toString(), u"ATIVO"_s };
    for (int c = 0; c < first.size(); ++c)
        EXPECT_EQ(cell(0, c), first[c]) << c;
    EXPECT_EQ(p.codigoField()->text(), u"1"_s);
    EXPECT_EQ(p.nomeField()->text(), u"MARIA DA SILVA"_s);
    EXPECT_EQ(p.sexoField()->currentText(), u"FEMININO"_s);
    EXPECT_EQ(p.nascimentoField()->text(), u"01/02/2010"_s);
    EXPECT_TRUE(browsing(p));
    EXPECT_FALSE(p.codigoField()->isEnabled());

    p.navigator()->next();
    EXPECT_EQ(p.codigoField()->text(), u"2"_s);
    EXPECT_EQ(p.parentescoField()->currentText(), u"EXTRA"_s);
    EXPECT_EQ(p.statusList()->currentText(), u"INATIVO"_s);
    EXPECT_TRUE(dialogs.empty()) << "showing an extra dependent is not choosing EXTRA";

    p.inserir();
    EXPECT_TRUE(p.isEditing());
    ASSERT_EQ(editing.size(), 1);
    EXPECT_TRUE(editing.at(0).at(0).toBool());
    EXPECT_TRUE(p.salvarButton()->isEnabled());
    EXPECT_TRUE(p.cancelarButton()->isEnabled());
    for (QWidget* off : std::initializer_list<QWidget*> { p.inserirButton(), p.editarButton(),
             p.excluirButton(), p.navigator(), p.grid(), p.codigoField() })
        EXPECT_FALSE(off->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), p.nomeField());
    EXPECT_EQ(p.codigoField()->text(), QString());
    EXPECT_EQ(p.nomeField()->text(), QString());
    EXPECT_EQ(p.sexoField()->currentText(), QString());
    EXPECT_EQ(p.parentescoField()->currentText(), QString());
    EXPECT_TRUE(p.nascimentoField()->isBlank());
    EXPECT_EQ(p.statusList()->currentText(), u"INATIVO"_s) << "the status stays as it was";

    press(Qt::Key_Escape);
    EXPECT_TRUE(browsing(p));
    ASSERT_EQ(editing.size(), 2);
    EXPECT_FALSE(editing.at(1).at(0).toBool());
    EXPECT_EQ(p.nomeField()->text(), u"JOAO DA SILVA"_s);

    // An edit keeps "CÓD." and its typed changes are discarded by the cancel.
    p.editar();
    EXPECT_EQ(QApplication::focusWidget(), p.nomeField());
    EXPECT_EQ(p.codigoField()->text(), u"2"_s);
    type(u" JR"_s);
    p.cancelarButton()->click();
    EXPECT_TRUE(browsing(p));
    EXPECT_EQ(p.nomeField()->text(), u"JOAO DA SILVA"_s);

    // Standard mode: browsing only.
    p.setReadOnly(true);
    for (QPushButton* b :
        { p.inserirButton(), p.salvarButton(), p.editarButton(), p.excluirButton(), p.cancelarButton() })
        EXPECT_FALSE(b->isEnabled());
    p.inserir();
    p.editar();
    p.excluir();
    EXPECT_FALSE(p.isEditing());
    EXPECT_TRUE(p.navigator()->isEnabled());
    p.setReadOnly(false);
    EXPECT_TRUE(browsing(p));
}

TEST_F(DependentsTest, WithoutAHolderEveryButtonWarns)
{
    DependentsPanel& p = open(0);
    EXPECT_EQ(p.countLabel()->text(), u"00000"_s);
    p.inserir();
    p.editar();
    p.excluir();
    EXPECT_FALSE(p.isEditing());
    EXPECT_EQ(dialogs.texts(),
        QStringList({ u"É necessário cadastrar um Titular antes de cadastrar Dependente.\r\r"_s,
            u"É necessário cadastrar um Titular antes de editar Dependente.\r\r"_s,
            u"É necessário cadastrar um Titular e Dependente antes de excluir Dependente.\r\r"_s }));
    for (const auto& shown : dialogs.shown()) {
        EXPECT_EQ(shown.caption, u"Atenção"_s);
        EXPECT_EQ(shown.icon, Dialogs::Icon::Warning);
    }
}

TEST_F(DependentsTest, AHolderWithoutDependentsShowsNothingToEditOrDelete)
{
    insertDependent(1, 2, u"MARIA DA SILVA"_s);
    DependentsPanel& p = open(2);
    ASSERT_EQ(p.nomeField()->text(), u"MARIA DA SILVA"_s);
    QSignalSpy editing(&p, &DependentsPanel::editingChanged);

    p.setHolder(1, 1, Money::fromReais(45));
    EXPECT_EQ(p.countLabel()->text(), u"00000"_s);
    EXPECT_EQ(p.codigoField()->text(), QString());
    EXPECT_EQ(p.nomeField()->text(), QString());
    EXPECT_EQ(p.parentescoField()->currentText(), QString());
    EXPECT_EQ(p.statusList()->currentText(), QString());
    EXPECT_TRUE(p.nascimentoField()->isBlank());
    p.editar();
    p.excluir();
    EXPECT_FALSE(p.isEditing());
    EXPECT_TRUE(editing.isEmpty());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(stored(1).rowCount(), 1);
}

// The new id counts over every holder's dependents; the name is trimmed on insert only; the
// birth date left blank is "" after the insert and the blank mask after an edit, with no age.
TEST_F(DependentsTest, SavesKeepTheStoredTextForms)
{
    insertDependent(7, 2, u"OUTRO TITULAR"_s);
    insertDependent(3, 1, u"IRMA DO TITULAR"_s);
    conn().exec(u"update dependentes set cpf = ?"_s, { kCpfA });
    DependentsPanel& p = open();
    QSignalSpy changed(&p, &DependentsPanel::dependentsChanged);

    p.inserir();
    type(u"  ana maria  "_s);
    fill(p, p.nomeField()->text(), kCpfA); // the CPF of two stored dependents
    EXPECT_EQ(p.nomeField()->text(), u"  ANA MARIA  "_s);
    saveByEnter(p);
    EXPECT_EQ(dialogs.texts(),
        QStringList({ u"Deseja realmente fazer a inclusão do(a) Dependente \"  ANA MARIA  \"?"_s }));
    ASSERT_TRUE(browsing(p));
    ResultSet rs = stored(8);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.integer(0, u"id_cliente"), 1);
    EXPECT_EQ(rs.text(0, u"nome"), u"ANA MARIA"_s);
    EXPECT_EQ(rs.text(0, u"sexo"), u"FEMININO"_s);
    EXPECT_EQ(rs.text(0, u"grau"), u"FILHO(A)"_s);
    EXPECT_FALSE(rs.isNull(0, u"nascimento"));
    EXPECT_EQ(rs.text(0, u"nascimento"), QString());
    EXPECT_EQ(rs.text(0, u"cpf"), kCpfA);
    EXPECT_TRUE(rs.isNull(0, u"rg"));
    EXPECT_TRUE(rs.isNull(0, u"falecimento"));
    EXPECT_EQ(rs.text(0, u"status"), u"ATIVO"_s);
    EXPECT_EQ(p.currentId(), 8);
    EXPECT_EQ(p.grid()->currentIndex().row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), p.grid());
    EXPECT_EQ(p.countLabel()->text(), u"00002"_s);
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(changed.size(), 1);

    p.editar();
    p.nomeField()->setText(u" ANA MARIA SOUZA "_s);
    saveByEnter(p);
    rs = stored(8);
    EXPECT_EQ(rs.text(0, u"nome"), u" ANA MARIA SOUZA "_s);
    EXPECT_EQ(rs.text(0, u"nascimento"), kEmptyDateMask);
    EXPECT_TRUE(panel->model()->result().isNull(1, 4)) << "no age without a birth date";
    EXPECT_EQ(cell(1, 2), QString());
    EXPECT_EQ(changed.size(), 2);

    // One day short of 24 years.
    p.editar();
    p.nascimentoField()->setText(u"18/05/2000"_s);
    saveByEnter(p);
    EXPECT_EQ(stored(8).text(0, u"nascimento"), u"18/05/2000"_s);
    EXPECT_EQ(cell(1, 3), u"23"_s);

    EXPECT_EQ(dialogs.texts().at(1),
        u"Deseja realmente salvar as alterações feitas no(a) Dependente \" ANA MARIA SOUZA \"?"_s);
    EXPECT_EQ(logTexts(),
        QStringList({ u"CADASTROU DEPENDENTE:   ANA MARIA   DO TITULAR 1"_s,
            u"ALTEROU DEPENDENTE:  ANA MARIA SOUZA  DO TITULAR 1"_s,
            u"ALTEROU DEPENDENTE:  ANA MARIA SOUZA  DO TITULAR 1"_s }));
}

// Each row passes the earlier checks and fails its own.
TEST_F(DependentsTest, ChecksRefuseInOrderAndKeepTheEdit)
{
    ASSERT_TRUE(cpfValido(kCpfA));
    struct Case {
        QString nome, grau, sexo, cpf, status, nascimento, message;
        int focus; // 0 nome, 1 parentesco, 2 sexo, 3 cpf, 4 status, 5 nascimento
    };
    const QString bad = u"111.111.111-11"_s;
    const Case cases[] = {
        { u"ABCD"_s, {}, {}, bad, {}, {}, u"O campo \"Dependente\" é obrigatório!"_s, 0 },
        { u"  ABCD  "_s, {}, {}, bad, {}, {}, u"O campo \"Dependente\" é obrigatório!"_s, 0 },
        { u"ABCDE"_s, {}, {}, bad, {}, {}, u"O campo \"Grau de Parentesco\" é obrigatório!"_s, 1 },
        { u"ABCDE"_s, u"NORA"_s, {}, bad, {}, {}, u"O campo \"Sexo\" é obrigatório!"_s, 2 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, bad, {}, {}, u"\"CPF\" inválido!"_s, 3 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, u"529.982.247-26"_s, {}, {}, u"\"CPF\" inválido!"_s, 3 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, u"529.982.24 -25"_s, {}, {}, u"\"CPF\" inválido!"_s, 3 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, kCpfA, {}, u"31/02/2010"_s,
            u"O campo \"Status\" é obrigatório!"_s, 4 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, kCpfA, u"ATIVO"_s, u"31/02/2010"_s,
            u"'31/02/2010' não é uma data válida"_s, 5 },
        { u"ABCDE"_s, u"NORA"_s, u"FEMININO"_s, kCpfA, u"ATIVO"_s, u"12/05/20  "_s,
            u"'12/05/20  ' não é uma data válida"_s, 5 },
    };
    DependentsPanel& p = open();
    const QWidget* fields[] = { p.nomeField(), p.parentescoField(), p.sexoField(), p.cpfField(),
        p.statusList(), p.nascimentoField() };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString() + " " + c.nome.toStdString() + " " + c.cpf.toStdString());
        dialogs.clear();
        p.inserir();
        p.nomeField()->setText(c.nome);
        p.parentescoField()->setEditText(c.grau);
        p.sexoField()->setCurrentText(c.sexo);
        p.cpfField()->setText(c.cpf);
        p.statusList()->setCurrentIndex(p.statusList()->findText(c.status));
        p.nascimentoField()->setText(c.nascimento);
        EXPECT_FALSE(p.salvar());
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().text, c.message);
        EXPECT_EQ(QApplication::focusWidget(), fields[c.focus]);
        EXPECT_TRUE(p.isEditing());
        EXPECT_EQ(p.nomeField()->text(), c.nome);
        p.cancelar();
    }
    EXPECT_EQ(conn().query(u"select count(*) from dependentes"_s).integer(0, 0), 0);

    // Nothing but the name is needed beyond the lists: a blank birth date and CPF pass.
    p.inserir();
    fill(p, u"ABCDE"_s);
    dialogs.answer(true);
    EXPECT_TRUE(p.salvar());
    EXPECT_EQ(stored(1).text(0, u"cpf"), kEmptyCpfMask);
}

TEST_F(DependentsTest, ChoosingExtraWarnsOnlyWhenTheBookletHasInstallments)
{
    insertDependent(1, 1, u"JOAO DA SILVA"_s, u"EXTRA"_s);
    DependentsPanel& p = open(1, Money::fromCents(123450));
    QComboBox* parentesco = p.parentescoField();
    auto typeExtra = [&] {
        parentesco->setFocus();
        parentesco->setEditText(QString());
        type(u"EXTRA"_s);
        press(Qt::Key_Tab);
    };

    p.inserir();
    typeExtra();
    EXPECT_TRUE(dialogs.empty()) << "no installments in the current booklet";
    p.cancelar();

    insertInstallment(u"boleto"_s, 1);
    p.editar();
    parentesco->setFocus();
    press(Qt::Key_Tab);
    EXPECT_TRUE(dialogs.empty()) << "the stored kinship is not a choice";

    // By the arrow key from the item above, and typed into a new dependent then left: one message
    // each, not one per keystroke.
    parentesco->setFocus();
    parentesco->setCurrentIndex(parentesco->findText(u"OUTROS"_s));
    press(Qt::Key_Down);
    EXPECT_EQ(parentesco->currentText(), u"EXTRA"_s);
    p.cancelar();
    p.inserir();
    typeExtra();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    const QString message = u"Não é possível atualizar os valores por dependene extra nas parcelas do carnê "
                            u"devido a existência de "
                            u"parcelas em aberto.\rAltere manualmente na tela de parcelas o valor das "
                            u"parcelas em aberto somando "
                            u"\"R$12,50\" aos \"R$1.234,50\" da parcela por dependente extra.     \rNo "
                            u"próximo carnê o valor será "
                            u"acrescido automaticamente ao gerar o novo carnê.\r\r"_s;
    EXPECT_EQ(dialogs.texts(), QStringList({ message, message }));
    p.cancelar();
    EXPECT_EQ(conn().query(u"select valor_parcela_boleto from boleto"_s).money(0, 0), Money::fromReais(45));
}

TEST_F(DependentsTest, AFailedInsertLeavesTheCodeEmptySoTheNextSaveInserts)
{
    DependentsPanel& p = open();
    QSignalSpy changed(&p, &DependentsPanel::dependentsChanged);
    p.inserir();
    fill(p, u"ANA MARIA"_s);
    {
        auto failing = failInserts(u"dependentes"_s);
        dialogs.answer(true);
        EXPECT_FALSE(p.salvar());
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().text,
            u"Ocorreu um erro ao fazer inclusão de Dependente. Procedimento cancelado. Erro: falha simulada."_s);
        EXPECT_TRUE(p.isEditing());
        EXPECT_EQ(p.codigoField()->text(), QString());
        EXPECT_TRUE(logTexts().isEmpty());
        EXPECT_TRUE(changed.isEmpty());
    }
    dialogs.clear();
    dialogs.answer(true);
    EXPECT_TRUE(p.salvar());
    EXPECT_EQ(dialogs.texts(),
        QStringList({ u"Deseja realmente fazer a inclusão do(a) Dependente \"ANA MARIA\"?"_s }));
    EXPECT_EQ(stored(1).text(0, u"nome"), u"ANA MARIA"_s);
    EXPECT_EQ(logTexts(), QStringList({ u"CADASTROU DEPENDENTE: ANA MARIA DO TITULAR 1"_s }));
    EXPECT_EQ(changed.size(), 1);
}

TEST_F(DependentsTest, DecliningAndLostRowsEndTheSaveHonestly)
{
    insertDependent(1, 1, u"MARIA DA SILVA"_s);
    DependentsPanel& p = open();

    // No to the question acts as "CANCELA&R".
    p.inserir();
    fill(p, u"ANA MARIA"_s);
    dialogs.answer(false);
    EXPECT_FALSE(p.salvar());
    EXPECT_TRUE(browsing(p));
    EXPECT_EQ(p.nomeField()->text(), u"MARIA DA SILVA"_s);
    EXPECT_EQ(conn().query(u"select count(*) from dependentes"_s).integer(0, 0), 1);

    // Deleted on another workstation while being edited here: no false success.
    p.editar();
    p.nomeField()->setText(u"MARIA SOUZA"_s);
    conn().exec(u"delete from dependentes"_s);
    dialogs.answer(true);
    EXPECT_FALSE(p.salvar());
    EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
    EXPECT_TRUE(p.isEditing());
    EXPECT_TRUE(logTexts().isEmpty());
    EXPECT_EQ(conn().query(u"select count(*) from dependentes"_s).integer(0, 0), 0);
}

TEST_F(DependentsTest, DeleteAsksLogsAndRefreshes)
{
    insertDependent(1, 1, u"MARIA DA SILVA"_s);
    insertDependent(2, 1, u"JOAO DA SILVA"_s);
    DependentsPanel& p = open();
    QSignalSpy changed(&p, &DependentsPanel::dependentsChanged);
    p.navigator()->last();

    dialogs.answer(false);
    p.excluirButton()->click();
    EXPECT_EQ(dialogs.texts(),
        QStringList({ u"Deseja realmente efetuar a exclusão do(a) Dependente \"JOAO DA SILVA\"?"_s }));
    EXPECT_EQ(stored(2).rowCount(), 1);
    EXPECT_TRUE(changed.isEmpty());

    dialogs.answer(true);
    p.excluir();
    EXPECT_EQ(stored(2).rowCount(), 0);
    EXPECT_EQ(p.countLabel()->text(), u"00001"_s);
    EXPECT_EQ(p.nomeField()->text(), u"MARIA DA SILVA"_s);
    EXPECT_EQ(changed.size(), 1);

    dialogs.answer(true);
    p.excluir();
    EXPECT_EQ(p.countLabel()->text(), u"00000"_s);
    EXPECT_EQ(p.nomeField()->text(), QString());
    EXPECT_EQ(p.codigoField()->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), p.grid());
    EXPECT_EQ(logTexts(),
        QStringList({ u"EXCLUIU DEPENDENTE: JOAO DA SILVA DO TITULAR 1"_s,
            u"EXCLUIU DEPENDENTE: MARIA DA SILVA DO TITULAR 1"_s }));
}

TEST_F(DependentsTest, KinshipMustBeOneOfTheList)
{
    DependentsPanel& p = open();
    p.inserir();
    p.parentescoField()->setFocus();
    type(u"PRIMO"_s);
    press(Qt::Key_Tab);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    EXPECT_EQ(dialogs.last().caption, u"Opção Inválida"_s);
    EXPECT_EQ(dialogs.last().text, u"Você deve selecionar uma opção existente na lista."_s);
    EXPECT_EQ(p.parentescoField()->currentText(), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == p.parentescoField(); }));

    // Empty passes, and so does an item; Enter moves on like Tab.
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.cpfField());
    p.parentescoField()->setFocus();
    type(u"NORA"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), p.cpfField());
    EXPECT_EQ(p.parentescoField()->currentText(), u"NORA"_s);
    EXPECT_EQ(dialogs.shown().size(), 1u);

    // A save by its shortcut does not leave the field: the same rule holds then.
    fill(p, u"ANA MARIA"_s);
    p.parentescoField()->setFocus();
    p.parentescoField()->setEditText(u"PRIMO"_s);
    dialogs.clear();
    EXPECT_FALSE(p.salvar());
    EXPECT_EQ(dialogs.texts(), QStringList({ u"Você deve selecionar uma opção existente na lista."_s }));
    EXPECT_EQ(p.parentescoField()->currentText(), QString());
    EXPECT_EQ(QApplication::focusWidget(), p.parentescoField());
    EXPECT_TRUE(p.isEditing());
    EXPECT_EQ(conn().query(u"select count(*) from dependentes"_s).integer(0, 0), 0);
    EXPECT_EQ(kinshipItems().size(), 20);
    EXPECT_EQ(p.parentescoField()->count(), 20);
}

} // namespace
