#include "core/cpf.h"
#include "core/dates.h"
#include "registries/person_registry_window.h"
#include "registry_fixture.h"
#include "ui/date_edit.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/record_navigator.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <memory>

using namespace Qt::StringLiterals;
using namespace zova;
using namespace zova::test;

namespace {

const QString kCpfA = u"529.982.247-25"_s;
const QString kCpfB = u"111.444.777-35"_s;

class PersonRegistryTest : public RegistryTest {
protected:
    void addPerson(const QString& table, qint64 id, const QString& nome,
        const QString& cpf = kEmptyCpfMask.toString(), const QString& status = u"ATIVO"_s,
        const SqlValue& nascimento = nullptr)
    {
        conn().exec(u"insert into ? (id, nome, nascimento, cpf, uf, status) values (?, ?, ?, ?, 'PR', ?)"_s,
            { SqlName { table }, id, nome, nascimento, cpf, status });
    }

    std::unique_ptr<PersonRegistryWindow> open(const PersonRegistry& registry = PersonRegistry::collectors())
    {
        auto window = std::make_unique<PersonRegistryWindow>(session, registry);
        showActive(*window);
        return window;
    }

    // Fills the fields an insert needs.
    static void fill(PersonRegistryWindow& w, const QString& nome, const QString& cpf = {})
    {
        w.nomeField()->setText(nome);
        if (!cpf.isEmpty())
            w.cpfField()->setText(cpf);
    }

    static bool browsing(const PersonRegistryWindow& w)
    {
        return !w.isEditing() && w.inserirButton()->isEnabled() && w.editarButton()->isEnabled()
            && w.excluirButton()->isEnabled() && w.sairButton()->isEnabled() && !w.salvarButton()->isEnabled()
            && !w.cancelarButton()->isEnabled() && w.grid()->isEnabled() && w.navigator()->isEnabled()
            && !w.nomeField()->isEnabled();
    }
};

TEST_F(PersonRegistryTest, BrowseAndEditStatesAlternate)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s);
    auto w = open();
    QAbstractItemModelTester tester(w->model());
    EXPECT_EQ(w->windowTitle(), u"FUNERARIA - CADASTRO DE COBRADORES"_s);
    EXPECT_TRUE(browsing(*w));
    EXPECT_FALSE(w->codigoField()->isEnabled());

    w->inserir();
    EXPECT_TRUE(w->isEditing());
    EXPECT_TRUE(w->salvarButton()->isEnabled());
    EXPECT_TRUE(w->cancelarButton()->isEnabled());
    for (QWidget* off : std::initializer_list<QWidget*> { w->inserirButton(), w->editarButton(),
             w->excluirButton(), w->sairButton(), w->grid(), w->navigator(), w->codigoField() })
        EXPECT_FALSE(off->isEnabled());
    EXPECT_TRUE(w->nomeField()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w->nomeField());
    // Insert presets.
    EXPECT_EQ(w->codigoField()->text(), QString());
    EXPECT_EQ(w->nomeField()->text(), QString());
    EXPECT_EQ(w->ufField()->currentText(), u"PR"_s);
    EXPECT_EQ(w->statusField()->currentText(), u"ATIVO"_s);
    EXPECT_EQ(w->sexoField()->currentText(), QString());
    EXPECT_EQ(w->cpfField()->text(), kEmptyCpfMask);

    // Esc cancels the edit; a second Esc closes the window.
    press(Qt::Key_Escape);
    EXPECT_TRUE(browsing(*w));
    EXPECT_EQ(w->nomeField()->text(), u"ANA PAULA"_s);
    EXPECT_TRUE(w->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// The checks in their order: each row fails only its own check after passing the earlier ones.
TEST_F(PersonRegistryTest, ChecksRefuseInOrderAndKeepTheEdit)
{
    ASSERT_TRUE(cpfValido(kCpfA));
    struct Case {
        QString nome;
        QString status;
        QString cpf;
        QString nascimento;
        QString message;
        QString focus;
    };
    const Case cases[] = {
        { u"ABCD"_s, u"ATIVO"_s, kCpfA, {}, u"O campo \"Nome\" é obrigatório!"_s, u"nome"_s },
        { u"  ABCD  "_s, u"ATIVO"_s, kCpfA, {}, u"O campo \"Nome\" é obrigatório!"_s, u"nome"_s },
        { u"ABCDE"_s, {}, u"111.111.111-11"_s, {}, u"O campo \"Status\" é obrigatório!"_s, u"status"_s },
        { u"ABCDE"_s, u"ATIVO"_s, u"111.111.111-11"_s, {}, u"\"CPF\" inválido!"_s, u"cpf"_s },
        { u"ABCDE"_s, u"ATIVO"_s, u"529.982.247-26"_s, {}, u"\"CPF\" inválido!"_s, u"cpf"_s },
        { u"ABCDE"_s, u"ATIVO"_s, u"529.982.24 -25"_s, {}, u"\"CPF\" inválido!"_s, u"cpf"_s },
        { u"ABCDE"_s, u"INATIVO"_s, kCpfA, u"31/02/1980"_s, u"'31/02/1980' não é uma data válida"_s,
            u"nascimento"_s },
        { u"ABCDE"_s, u"INATIVO"_s, kCpfA, u"12/05/19  "_s, u"'12/05/19  ' não é uma data válida"_s,
            u"nascimento"_s },
    };
    auto w = open();
    const std::map<QString, QWidget*> fields { { u"nome"_s, w->nomeField() },
        { u"status"_s, w->statusField() }, { u"cpf"_s, w->cpfField() },
        { u"nascimento"_s, w->nascimentoField() } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString() + " / " + c.nome.toStdString());
        dialogs.clear();
        w->inserir();
        w->nomeField()->setText(c.nome);
        setListText(w->statusField(), c.status);
        w->cpfField()->setText(c.cpf);
        if (!c.nascimento.isEmpty())
            w->nascimentoField()->setText(c.nascimento);
        EXPECT_FALSE(w->salvar());
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
        EXPECT_EQ(dialogs.last().text, c.message);
        EXPECT_EQ(QApplication::focusWidget(), fields.at(c.focus));
        EXPECT_TRUE(w->isEditing());
        EXPECT_EQ(w->nomeField()->text(), c.nome);
        w->cancelar();
    }
    EXPECT_TRUE(conn().query(u"select id from cobradores"_s).isEmpty());
}

// Typed at the counter: Insert, the fields with Enter, and Enter on "STATUS" saves.
TEST_F(PersonRegistryTest, KeyboardInsertStoresWhatWasTypedAndLogsIt)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s);
    conn().exec(u"insert into clientes (id, titular, cidade, status) values (1, 'X', ' LONDRINA ', 'ATIVO'), "
                u"(2, 'Y', 'CURITIBA', 'ATIVO'), (3, 'Z', '', 'ATIVO')"_s);
    auto w = open();
    EXPECT_EQ(w->cidadeField()->count(), 2);
    EXPECT_EQ(w->cidadeField()->itemText(0), u"CURITIBA"_s);
    EXPECT_EQ(w->cidadeField()->itemText(1), u"LONDRINA"_s);

    press(Qt::Key_Insert);
    ASSERT_TRUE(w->isEditing());
    type(u"joão d'ávila"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->nascimentoField());
    type(u"07091975"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->sexoField());
    w->sexoField()->setCurrentIndex(0);
    w->rgField()->setText(u"12.345.678-9"_s);
    w->cpfField()->setFocus();
    type(u"52998224725"_s);
    w->estadoCivilField()->setCurrentText(u"UNIÃO ESTÁVEL"_s);
    w->enderecoField()->setText(u"RUA DAS FLORES"_s);
    w->numeroField()->setText(u"S/N"_s);
    w->bairroField()->setText(u"CENTRO"_s);
    w->cidadeField()->setCurrentText(u"LONDRINA"_s);
    w->cepField()->setText(u"86.010-000"_s);
    w->telefoneField()->setFocus();
    type(u"4333221100"_s);
    w->celularField()->setFocus();
    type(u"43999887766"_s);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), w->statusField());
    dialogs.answer(true);
    press(Qt::Key_Return);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Confirmação"_s);
    EXPECT_EQ(
        dialogs.last().text, u"Deseja realmente fazer a inclusão do(a) Cobrador(a) \"JOÃO D'ÁVILA\"?"_s);
    const ResultSet rs = conn().query(u"select * from cobradores where id = 2"_s);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, u"nome"), u"JOÃO D'ÁVILA"_s);
    EXPECT_EQ(rs.date(0, u"nascimento"), QDate(1975, 9, 7));
    EXPECT_EQ(rs.text(0, u"sexo"), u"MASCULINO"_s);
    EXPECT_EQ(rs.text(0, u"rg"), u"12.345.678-9"_s);
    EXPECT_EQ(rs.text(0, u"cpf"), kCpfA);
    EXPECT_EQ(rs.text(0, u"estadocivil"), u"UNIÃO ESTÁVEL"_s);
    EXPECT_EQ(rs.text(0, u"numero"), u"S/N"_s);
    EXPECT_EQ(rs.text(0, u"cidade"), u"LONDRINA"_s);
    EXPECT_EQ(rs.text(0, u"uf"), u"PR"_s);
    EXPECT_EQ(rs.text(0, u"cep"), u"86.010-000"_s);
    EXPECT_EQ(rs.text(0, u"telefone"), u"(43)3322-1100"_s);
    EXPECT_EQ(rs.text(0, u"celular"), u"(43)99988-7766"_s);
    EXPECT_EQ(rs.text(0, u"status"), u"ATIVO"_s);
    EXPECT_EQ(logTexts(), QStringList { u"CADASTROU COBRADOR(A): JOÃO D'ÁVILA"_s });

    // Back to browsing on the new record, counted.
    EXPECT_TRUE(browsing(*w));
    EXPECT_EQ(w->currentId(), 2);
    EXPECT_EQ(w->codigoField()->text(), u"2"_s);
    EXPECT_EQ(w->recordNumberLabel()->text(), u"00002"_s);
    EXPECT_EQ(w->recordCountLabel()->text(), u"00002"_s);
    EXPECT_EQ(QApplication::focusWidget(), w->grid());
}

TEST_F(PersonRegistryTest, EmptyBirthDateIsStoredAsNullAndTheOldZeroDateReadsEmpty)
{
    addPerson(
        u"vendedores"_s, 1, u"VELHO REGISTRO"_s, kEmptyCpfMask.toString(), u"ATIVO"_s, QDate(1899, 12, 30));
    auto w = open(PersonRegistry::sellers());
    EXPECT_EQ(w->nascimentoField()->text(), kEmptyDateMask);

    // Saving it again writes NULL, not the zero date back.
    dialogs.answer(true);
    w->editar();
    ASSERT_TRUE(w->salvar());
    EXPECT_TRUE(conn().query(u"select nascimento from vendedores where id = 1"_s).isNull(0, 0));

    dialogs.answer(true);
    w->inserir();
    fill(*w, u"SEM NASCIMENTO"_s);
    ASSERT_TRUE(w->salvar());
    EXPECT_TRUE(conn().query(u"select nascimento from vendedores where id = 2"_s).isNull(0, 0));
    EXPECT_EQ(w->currentId(), 2);
    EXPECT_EQ(w->nascimentoField()->text(), kEmptyDateMask);
    EXPECT_EQ(logTexts(),
        (QStringList {
            u"ALTEROU VENDEDOR(A): VELHO REGISTRO"_s, u"CADASTROU VENDEDOR(A): SEM NASCIMENTO"_s }));
}

TEST_F(PersonRegistryTest, CpfIsUniqueWithinEachTable)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s, kCpfA);
    addPerson(u"cobradores"_s, 2, u"BRUNO LIMA"_s, kCpfB);
    addPerson(u"cobradores"_s, 3, u"CARLA SEM CPF"_s);
    const QString refusal = u"Ocorreu um erro ao fazer inclusão de Cobrador(a). Já existe o CPF \"%1\" "
                            u"cadastrado para \"%2\" com Código \"%3\". Ação Cancelada!"_s;
    auto w = open();

    // A new collector with a stored CPF.
    w->inserir();
    fill(*w, u"DANIEL COSTA"_s, kCpfA);
    EXPECT_FALSE(w->salvar());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.last().caption, u"Duplicidade"_s);
    EXPECT_EQ(dialogs.last().text, refusal.arg(kCpfA, u"ANA PAULA"_s, u"1"_s));
    EXPECT_EQ(QApplication::focusWidget(), w->cpfField());
    EXPECT_TRUE(w->isEditing());
    // Without a CPF there is nothing to collide with.
    dialogs.clear();
    dialogs.answer(true);
    w->cpfField()->setText(kEmptyCpfMask.toString());
    EXPECT_TRUE(w->salvar());

    // Editing to another's CPF is refused with the same text; keeping one's own passes.
    dialogs.clear();
    ASSERT_TRUE(w->moveToId(2));
    w->editar();
    w->cpfField()->setText(kCpfA);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.last().text, refusal.arg(kCpfA, u"ANA PAULA"_s, u"1"_s));
    w->cpfField()->setText(kCpfB);
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());

    // A seller may have a collector's CPF.
    auto sellers = open(PersonRegistry::sellers());
    dialogs.clear();
    dialogs.answer(true);
    sellers->inserir();
    fill(*sellers, u"ANA PAULA"_s, kCpfA);
    EXPECT_TRUE(sellers->salvar());
    EXPECT_EQ(dialogs.texts(),
        QStringList { u"Deseja realmente fazer a inclusão do(a) Vendedor(a) \"ANA PAULA\"?"_s });
    EXPECT_EQ(conn().query(u"select count(*) from cobradores where cpf = ?"_s, { kCpfA }).integer(0, 0), 1);
    EXPECT_EQ(conn()
                  .query(u"select count(*) from cobradores where cpf = ?"_s, { kEmptyCpfMask.toString() })
                  .integer(0, 0),
        2);
}

// The operation checks again inside its transaction: a CPF stored by another workstation after the
// window's check is still refused.
TEST_F(PersonRegistryTest, InsertOperationRefusesACpfStoredMeanwhile)
{
    addPerson(u"vendedores"_s, 7, u"OUTRA ESTACAO"_s, kCpfB);
    PersonRecord p;
    p.nome = u"  NOVO VENDEDOR "_s;
    p.cpf = kCpfB;
    try {
        insertPerson(conn(), PersonRegistry::sellers(), p);
        FAIL() << "duplicate accepted";
    } catch (const DuplicateCpf& e) {
        EXPECT_EQ(e.owner().id, 7);
        EXPECT_EQ(e.owner().nome, u"OUTRA ESTACAO"_s);
    }
    p.cpf = kEmptyCpfMask.toString();
    EXPECT_EQ(insertPerson(conn(), PersonRegistry::sellers(), p), 8);
    EXPECT_EQ(conn().query(u"select nome from vendedores where id = 8"_s).text(0, 0), u"NOVO VENDEDOR"_s);
}

TEST_F(PersonRegistryTest, AnsweringNoReturnsToBrowseWithTheStoredRecord)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s);
    addPerson(u"cobradores"_s, 2, u"BRUNO LIMA"_s);
    auto w = open();
    ASSERT_TRUE(w->moveToId(2));

    w->editar();
    w->nomeField()->setText(u"BRUNO ALTERADO"_s);
    dialogs.answer(false);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.last().text,
        u"Deseja realmente salvar as alterações feitas no(a) Cobrador(a) \"BRUNO ALTERADO\"?"_s);
    EXPECT_TRUE(browsing(*w));
    EXPECT_EQ(w->nomeField()->text(), u"BRUNO LIMA"_s);
    EXPECT_EQ(w->currentId(), 2);

    w->inserir();
    fill(*w, u"NAO SALVAR"_s);
    dialogs.answer(false);
    EXPECT_FALSE(w->salvar());
    EXPECT_TRUE(browsing(*w));
    EXPECT_EQ(w->codigoField()->text(), u"2"_s);
    EXPECT_EQ(w->nomeField()->text(), u"BRUNO LIMA"_s);
    EXPECT_EQ(conn().query(u"select count(*) from cobradores"_s).integer(0, 0), 2);
    EXPECT_EQ(conn().query(u"select nome from cobradores where id = 2"_s).text(0, 0), u"BRUNO LIMA"_s);
    EXPECT_TRUE(logTexts().isEmpty());
}

// A failed insert leaves "CÓDIGO" empty: the next save inserts instead of "updating" nothing.
TEST_F(PersonRegistryTest, FailedInsertIsInsertedAgainByTheNextSave)
{
    auto w = open();
    w->inserir();
    fill(*w, u"ELIANA SOUZA"_s);
    {
        const auto failing = failInserts(u"cobradores"_s);
        dialogs.answer(true);
        EXPECT_FALSE(w->salvar());
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().text,
            u"Ocorreu um erro ao fazer inclusão de Cobrador(a). Procedimento cancelado. Erro: falha simulada."_s);
        EXPECT_TRUE(w->isEditing());
        EXPECT_EQ(w->codigoField()->text(), QString());
        EXPECT_EQ(w->nomeField()->text(), u"ELIANA SOUZA"_s);
    }
    dialogs.clear();
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(dialogs.texts(),
        QStringList { u"Deseja realmente fazer a inclusão do(a) Cobrador(a) \"ELIANA SOUZA\"?"_s });
    EXPECT_EQ(conn().query(u"select nome from cobradores where id = 1"_s).text(0, 0), u"ELIANA SOUZA"_s);
    EXPECT_EQ(logTexts(), QStringList { u"CADASTROU COBRADOR(A): ELIANA SOUZA"_s });
}

TEST_F(PersonRegistryTest, DeleteAsksAndLogsAndLeavesHoldersAlone)
{
    addPerson(u"vendedores"_s, 1, u"ANA PAULA"_s);
    addPerson(u"vendedores"_s, 2, u"BRUNO LIMA"_s);
    conn().exec(
        u"insert into clientes (id, titular, vendedor, status) values (1, 'X', 'BRUNO LIMA', 'ATIVO')"_s);
    auto w = open(PersonRegistry::sellers());
    ASSERT_TRUE(w->moveToId(2));

    dialogs.answer(false);
    w->excluir();
    EXPECT_EQ(
        dialogs.last().text, u"Deseja realmente efetuar a exclusão do(a) Vendedor(a) \"BRUNO LIMA\"?"_s);
    EXPECT_EQ(w->model()->rowCount(), 2);

    dialogs.answer(true);
    w->excluir();
    EXPECT_EQ(w->model()->rowCount(), 1);
    EXPECT_EQ(w->currentId(), 1);
    EXPECT_EQ(w->nomeField()->text(), u"ANA PAULA"_s);
    EXPECT_EQ(w->recordCountLabel()->text(), u"00001"_s);
    EXPECT_EQ(logTexts(), QStringList { u"EXCLUIU VENDEDOR(A): BRUNO LIMA"_s });
    EXPECT_EQ(conn().query(u"select vendedor from clientes"_s).text(0, 0), u"BRUNO LIMA"_s);

    // The last one gone: empty fields, nothing to edit or delete.
    dialogs.answer(true);
    w->excluir();
    EXPECT_EQ(w->model()->rowCount(), 0);
    EXPECT_EQ(w->nomeField()->text(), QString());
    EXPECT_EQ(w->recordNumberLabel()->text(), u"00000"_s);
    w->editar();
    EXPECT_FALSE(w->isEditing());
}

TEST_F(PersonRegistryTest, SearchByNameAndCodeAndTheCounterColours)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s);
    addPerson(u"cobradores"_s, 2, u"BRUNO LIMA"_s, kEmptyCpfMask.toString(), u"INATIVO"_s);
    addPerson(u"cobradores"_s, 10, u"BEATRIZ"_s);
    auto w = open();
    EXPECT_EQ(w->recordNumberLabel()->text(), u"00001"_s);
    EXPECT_EQ(w->counterOfLabel()->text(), u"DE"_s);
    EXPECT_EQ(w->recordCountLabel()->text(), u"00003"_s);
    EXPECT_EQ(w->recordNumberLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    w->searchField()->setFocus();
    QTest::keyClicks(w->searchField(), u"br"_s);
    EXPECT_EQ(w->currentId(), 2);
    EXPECT_EQ(w->nomeField()->text(), u"BRUNO LIMA"_s);
    EXPECT_EQ(w->recordNumberLabel()->text(), u"00002"_s);
    for (QLabel* label : { w->recordNumberLabel(), w->counterOfLabel(), w->recordCountLabel() })
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(192, 220, 192));

    // Choosing "Código" empties the field; only digits go in.
    w->searchKind()->setCurrentIndex(1);
    EXPECT_EQ(w->searchField()->text(), QString());
    QTest::keyClicks(w->searchField(), u"1x0"_s);
    EXPECT_EQ(w->searchField()->text(), u"10"_s);
    EXPECT_EQ(dialogs.texts(), QStringList { u"Insira somente valores numéricos!"_s });
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(w->currentId(), 10);
    EXPECT_EQ(w->recordNumberLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    // A click in the field starts a new search.
    QTest::mouseClick(w->searchField(), Qt::LeftButton);
    EXPECT_EQ(w->searchField()->text(), QString());
}

// Standard mode, and nobody entered yet: browsing only.
TEST_F(PersonRegistryTest, WithoutAnOperatorTheWindowOnlyBrowses)
{
    addPerson(u"cobradores"_s, 1, u"ANA PAULA"_s);
    addPerson(u"cobradores"_s, 2, u"BRUNO LIMA"_s);
    for (QStringView label : { kStandardMode, kNobodyEntered }) {
        SCOPED_TRACE(label.toString().toStdString());
        session.setOperatorLabel(label.toString());
        auto w = open();
        EXPECT_TRUE(w->isReadOnly());
        for (QPushButton* b : { w->inserirButton(), w->editarButton(), w->excluirButton(), w->salvarButton(),
                 w->cancelarButton() })
            EXPECT_FALSE(b->isEnabled());
        EXPECT_TRUE(w->sairButton()->isEnabled());
        press(Qt::Key_Insert);
        w->inserir();
        w->editar();
        w->excluir();
        EXPECT_FALSE(w->isEditing());
        EXPECT_FALSE(w->nomeField()->isEnabled());
        w->navigator()->last();
        EXPECT_EQ(w->nomeField()->text(), u"BRUNO LIMA"_s);
        EXPECT_TRUE(dialogs.empty());
    }
    EXPECT_EQ(conn().query(u"select count(*) from cobradores"_s).integer(0, 0), 2);
    EXPECT_TRUE(logTexts().isEmpty());
}

} // namespace
