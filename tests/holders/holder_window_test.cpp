#include "holders/holder_window.h"

#include "holder_fixture.h"
#include "holders/dependents_panel.h"
#include "ui/currency_edit.h"
#include "ui/date_edit.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/result_table_model.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace zova::test {
namespace {

class HolderWindowTest : public HolderTest {
protected:
    void SetUp() override
    {
        HolderTest::SetUp();
        insertSellerAndCollector();
        insertPlan(1, u"PLANO OURO"_s, u"45.00"_s, u"12.50"_s);
        insertPlan(2, u"PLANO PRATA"_s, u"30.00"_s);
        setCarencia(90);
    }

    std::unique_ptr<HolderWindow> open(qint64 selected = 0)
    {
        HolderWindowHooks hooks;
        hooks.selectedHolder = selected;
        hooks.holdersChanged = [this] { ++holdersChanged; };
        hooks.holderChosen = [this](qint64 id) {
            chosen = id;
            return true;
        };
        return std::make_unique<HolderWindow>(session, std::move(hooks));
    }

    template <typename T> T* at(HolderWindow& w, const QString& caption)
    {
        auto* f = qobject_cast<T*>(w.field(caption));
        EXPECT_NE(f, nullptr) << caption.toStdString();
        return f;
    }
    void setText(HolderWindow& w, const QString& caption, const QString& text)
    {
        QWidget* f = w.field(caption);
        if (auto* list = qobject_cast<QComboBox*>(f))
            setListText(list, text);
        else if (auto* masked = qobject_cast<MaskedLineEdit*>(f))
            masked->setText(text);
        else if (auto* edit = qobject_cast<QLineEdit*>(f))
            edit->setText(text);
    }
    QString text(HolderWindow& w, const QString& caption)
    {
        QWidget* f = w.field(caption);
        if (auto* list = qobject_cast<QComboBox*>(f))
            return list->currentText();
        if (auto* masked = qobject_cast<MaskedLineEdit*>(f))
            return masked->text();
        return qobject_cast<QLineEdit*>(f)->text();
    }

    // Every required field filled as an operator would, after "&INSERIR".
    void fillValid(HolderWindow& w)
    {
        setText(w, u"DT CONTRATO"_s, u"05/03/2024"_s);
        setText(w, u"VENDEDOR"_s, u"ANA VENDAS"_s);
        setText(w, u"COBRADOR"_s, u"PEDRO COBRA"_s);
        setText(w, u"TITULAR"_s, u"MARIA DAS DORES"_s);
        setText(w, u"NASCIMENTO"_s, u"02/01/1970"_s);
        setText(w, u"SEXO"_s, u"FEMININO"_s);
        setText(w, u"ESTADO CIVIL"_s, u"CASADO(A)"_s);
        setText(w, u"ENDEREÇO"_s, u"RUA XV"_s);
        setText(w, u"BAIRRO"_s, u"CENTRO"_s);
        setText(w, u"CIDADE"_s, u"IBAITI"_s);
        setText(w, u"CEP"_s, u"84.900-000"_s);
        setText(w, u"PLANO"_s, u"PLANO OURO[1]"_s);
        setText(w, u"VENCIMENTO"_s, u"10"_s);
    }

    int holdersChanged = 0;
    qint64 chosen = 0;
};

TEST_F(HolderWindowTest, InsertStoresTheTypedHolderWithItsPresets)
{
    auto w = open();
    EXPECT_EQ(w->recordCountLabel()->text(), u"00000"_s);
    w->inserir();
    EXPECT_TRUE(w->isEditing());
    EXPECT_FALSE(w->dependents()->isVisible() && w->isVisible());
    EXPECT_EQ(text(*w, u"UF"_s), u"PR"_s);
    EXPECT_EQ(text(*w, u"UTILIZOU?"_s), u"NÃO"_s);
    EXPECT_FALSE(w->field(u"UTILIZOU?"_s)->isEnabled());
    EXPECT_EQ(text(*w, u"VENCIMENTO"_s), u"1"_s);
    fillValid(*w);
    setText(*w, u"VENCIMENTO"_s, u"1"_s); // the preset, never entered
    EXPECT_EQ(at<CurrencyEdit>(*w, u"PARCELA"_s)->value(), Money::fromReais(45));
    dialogs.answer(true);
    ASSERT_TRUE(w->salvar()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(dialogs.shown().front().text,
        u"Deseja realmente fazer a inclusão do(a) Titular \"MARIA DAS DORES\"?"_s);

    const ResultSet rs = conn().query(u"select * from clientes"_s);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.integer(0, u"id"), 1);
    EXPECT_EQ(rs.text(0, u"contrato"), u"2024/03/00001"_s);
    EXPECT_EQ(rs.text(0, u"numero"), u"S/N"_s);
    EXPECT_EQ(rs.text(0, u"vencimento"), u"1"_s);
    EXPECT_EQ(rs.text(0, u"utilizou"), u"NÃO"_s);
    EXPECT_EQ(rs.text(0, u"pagamento"), u"PLANO OURO"_s);
    EXPECT_EQ(rs.integer(0, u"seguro"), 1);
    EXPECT_EQ(rs.money(0, u"valorparcela"), Money::fromReais(45));
    EXPECT_EQ(rs.text(0, u"cpf"), u"   .   .   -  "_s);
    EXPECT_EQ(rs.text(0, u"plano"), u"  /  /    "_s);
    EXPECT_EQ(rs.integer(0, u"carne"), 1);
    EXPECT_TRUE(rs.isNull(0, u"rg"));
    EXPECT_EQ(logTexts(), QStringList { u"CADASTROU TITULAR: MARIA DAS DORES"_s });
    EXPECT_FALSE(w->isEditing());
    EXPECT_EQ(w->recordCountLabel()->text(), u"00001"_s);
    EXPECT_EQ(w->currentId(), 1);
    EXPECT_EQ(holdersChanged, 1);
}

TEST_F(HolderWindowTest, ChecksRunInOrderAndKeepTheEdit)
{
    struct Case {
        QString caption;
        QString bad;
        QString good;
        QString message;
    };
    const QString req = u"O campo \"%1\" é obrigatório!"_s;
    const QString cpf = u"\"CPF\" inválido!"_s;
    // Everything starts wrong; each save must report the first wrong field, which is then mended.
    const Case cases[] = {
        { u"DT CONTRATO"_s, u""_s, u"05/03/2024"_s, req.arg(u"Dt Contrato"_s) },
        { u"VENDEDOR"_s, u""_s, u"ANA VENDAS"_s, req.arg(u"Vendedor"_s) },
        { u"COBRADOR"_s, u""_s, u"PEDRO COBRA"_s, req.arg(u"Cobrador"_s) },
        { u"TITULAR"_s, u"MARI"_s, u"MARIA"_s, req.arg(u"Titular"_s) },
        { u"NASCIMENTO"_s, u""_s, u"02/01/1970"_s, req.arg(u"Nascimento"_s) },
        { u"SEXO"_s, u""_s, u"FEMININO"_s, req.arg(u"Sexo"_s) },
        { u"ESTADO CIVIL"_s, u""_s, u"CASADO(A)"_s, req.arg(u"Estado Civil"_s) },
        { u"ENDEREÇO"_s, u"RUA "_s, u"RUA X"_s, req.arg(u"Endereço"_s) },
        { u"BAIRRO"_s, u"C"_s, u"CE"_s, req.arg(u"Bairro"_s) },
        { u"CIDADE"_s, u""_s, u"IBAITI"_s, req.arg(u"Cidade"_s) },
        { u"UF"_s, u""_s, u"PR"_s, req.arg(u"UF"_s) },
        { u"CEP"_s, u""_s, u"84.900-000"_s, req.arg(u"CEP"_s) },
        { u"PLANO"_s, u""_s, u"PLANO OURO[1]"_s, req.arg(u"Plano"_s) },
        { u"VENCIMENTO"_s, u""_s, u"10"_s, req.arg(u"Vencimento"_s) },
        { u"STATUS"_s, u""_s, u"ATIVO"_s, req.arg(u"Status"_s) },
        { u"TIPO DE TITULAR"_s, u""_s, u"NOVO"_s, req.arg(u"Tipo de Titular"_s) },
        { u"CPF"_s, u"111.111.111-11"_s, u"529.982.247-24"_s, cpf }, // repeated digits
        { u"CPF"_s, u"529.982.247-24"_s, u"529.982.247-2 "_s, cpf }, // wrong check digit
        { u"CPF"_s, u"529.982.247-2 "_s, u"529.982.247-25"_s, cpf }, // a blank
        { u"NASCIMENTO"_s, u"31/02/1970"_s, u"02/01/1970"_s, u"'31/02/1970' não é uma data válida"_s },
    };
    auto w = open();
    w->inserir();
    for (const Case& c : cases)
        setText(*w, c.caption, c.bad);
    setText(*w, u"NASCIMENTO"_s, u""_s);
    setText(*w, u"CPF"_s, u"111.111.111-11"_s);
    for (const Case& c : cases) {
        if (c.caption == u"NASCIMENTO"_s && !c.bad.isEmpty())
            setText(*w, c.caption, c.bad);
        dialogs.clear();
        EXPECT_FALSE(w->salvar()) << c.caption.toStdString();
        ASSERT_EQ(dialogs.shown().size(), 1u) << c.caption.toStdString();
        EXPECT_EQ(dialogs.last().caption, u"Erro"_s);
        EXPECT_EQ(dialogs.last().text, c.message) << c.caption.toStdString();
        EXPECT_TRUE(w->isEditing());
        setText(*w, c.caption, c.good);
    }
    // An empty number is no refusal: it becomes "S/N".
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(conn().query(u"select numero from clientes"_s).text(0, 0), u"S/N"_s);
}

TEST_F(HolderWindowTest, FiveCharactersAndAValidCpfPass)
{
    auto w = open();
    w->inserir();
    fillValid(*w);
    setText(*w, u"TITULAR"_s, u"MARIA"_s);
    setText(*w, u"ENDEREÇO"_s, u"RUA X"_s);
    setText(*w, u"BAIRRO"_s, u"CE"_s);
    setText(*w, u"CPF"_s, u"529.982.247-25"_s);
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar()) << dialogs.texts().join(u'|').toStdString();
}

TEST_F(HolderWindowTest, DuplicateCpfIsRefusedOnInsertAndEditButNotAgainstItself)
{
    insertHolder({ .id = 1, .titular = u"JOSE DA SILVA"_s, .cpf = u"529.982.247-25"_s });
    insertHolder({ .id = 2, .titular = u"ANTONIO SOUZA"_s });
    const QString duplicate = u"Ocorreu um erro ao fazer inclusão de Titular. Já existe o CPF "
                              u"\"529.982.247-25\" "
                              u"cadastrado para \"JOSE DA SILVA\" com Código \"1\". Ação Cancelada!"_s;
    auto w = open();
    w->inserir();
    fillValid(*w);
    setText(*w, u"CPF"_s, u"529.982.247-25"_s);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.last().caption, u"Duplicidade"_s);
    EXPECT_EQ(dialogs.last().text, duplicate);
    w->cancelar();

    ASSERT_TRUE(w->moveToId(2));
    w->editar();
    setText(*w, u"CPF"_s, u"529.982.247-25"_s);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.last().text, duplicate);
    w->cancelar();

    ASSERT_TRUE(w->moveToId(1));
    w->editar();
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(logTexts(), QStringList { u"ALTEROU TITULAR: JOSE DA SILVA"_s });
}

TEST_F(HolderWindowTest, OnlyAReactivationRewritesTheContractNumber)
{
    insertHolder({ .id = 4, .datacontrato = QDate(2020, 2, 3) });
    auto w = open(4);
    ASSERT_EQ(w->currentId(), 4);
    for (const QString& tipo : { u"TRANSFERÊNCIA"_s, u"NOVO"_s }) {
        w->editar();
        EXPECT_FALSE(w->field(u"DT CONTRATO"_s)->isEnabled());
        setText(*w, u"TIPO DE TITULAR"_s, tipo);
        dialogs.answer(true);
        ASSERT_TRUE(w->salvar()) << dialogs.texts().join(u'|').toStdString();
        EXPECT_EQ(conn().query(u"select contrato from clientes"_s).text(0, 0), u"2020/02/00004"_s);
    }
    w->editar();
    at<QComboBox>(*w, u"TIPO DE TITULAR"_s)->setCurrentText(u"REATIVADO"_s);
    EXPECT_TRUE(w->field(u"DT CONTRATO"_s)->isEnabled());
    setText(*w, u"DT CONTRATO"_s, u"10/05/2024"_s);
    dialogs.answer(true);
    ASSERT_TRUE(w->salvar());
    const ResultSet rs = conn().query(u"select contrato, datacontrato from clientes"_s);
    EXPECT_EQ(rs.text(0, 0), u"2024/05/00004"_s);
    EXPECT_EQ(rs.date(0, 1), QDate(2024, 5, 10));
}

TEST_F(HolderWindowTest, PlanChangeIsRefusedWhileTheBookletHasInstallments)
{
    insertHolder({ .id = 1 });
    insertHolder({ .id = 2, .titular = u"ANTONIO SOUZA"_s });
    insertInstallment(u"boleto"_s, 1);
    auto w = open(2);
    w->editar();
    at<QComboBox>(*w, u"PLANO"_s)->setCurrentText(u"PLANO PRATA[2]"_s);
    EXPECT_EQ(at<CurrencyEdit>(*w, u"PARCELA"_s)->value(), Money::fromReais(30));
    EXPECT_TRUE(dialogs.empty());
    w->cancelar();

    ASSERT_TRUE(w->moveToId(1));
    w->editar();
    at<QComboBox>(*w, u"PLANO"_s)->setCurrentText(u"PLANO PRATA[2]"_s);
    EXPECT_EQ(dialogs.last().caption, u"Atenção"_s);
    EXPECT_EQ(dialogs.last().text,
        u"Não é possível alterar o plano do Titular \"JOSE DA SILVA\" devido a existência de parcelas geradas.\r\r"_s);
    EXPECT_FALSE(w->isEditing());
    EXPECT_EQ(text(*w, u"PLANO"_s), u"PLANO OURO[1]"_s);
}

TEST_F(HolderWindowTest, DeleteTellsWhyItIsRefused)
{
    insertHolder({ .id = 1 });
    insertDependent(1, 1, u"ANA SILVA"_s, u"FILHO(A)"_s, u"INATIVO"_s);
    auto w = open(1);
    dialogs.answer(true);
    w->Excluir();
    EXPECT_EQ(dialogs.last().text,
        u"O(a) Titular \"'JOSE DA SILVA'\", não pode ser excluído(a). Existem dependentes ativos."_s);
    conn().exec(u"delete from dependentes"_s);
    insertInstallment(u"boleto_fechado"_s, 1);
    dialogs.answer(true);
    w->Excluir();
    EXPECT_EQ(conn().query(u"select count(*) from clientes"_s).integer(0, 0), 0);
    EXPECT_EQ(logTexts(), QStringList { u"EXCLUIU TITULAR: JOSE DA SILVA"_s });
    EXPECT_EQ(w->recordCountLabel()->text(), u"00000"_s);
    EXPECT_TRUE(text(*w, u"TITULAR"_s).isEmpty());
    EXPECT_TRUE(text(*w, u"STATUS"_s).isEmpty()); // no presets shown for nobody
    // Nothing left: edit and delete do nothing.
    w->editar();
    EXPECT_FALSE(w->isEditing());
    w->Excluir();
    EXPECT_EQ(holdersChanged, 1);
}

TEST_F(HolderWindowTest, AFailedInsertLeavesNoCodeSoTheNextSaveInsertsAgain)
{
    auto w = open();
    w->inserir();
    fillValid(*w);
    {
        auto failing = failInserts(u"clientes"_s);
        dialogs.answer(true);
        EXPECT_FALSE(w->salvar());
        EXPECT_EQ(dialogs.last().text,
            u"Ocorreu um erro ao fazer inclusão de Titular. Procedimento cancelado. Erro: falha simulada."_s);
        EXPECT_TRUE(text(*w, u"CÓDIGO"_s).isEmpty());
        EXPECT_TRUE(text(*w, u"CONTRATO"_s).isEmpty());
    }
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(conn().query(u"select count(*) from clientes"_s).integer(0, 0), 1);
    EXPECT_EQ(logTexts(), QStringList { u"CADASTROU TITULAR: MARIA DAS DORES"_s });
}

TEST_F(HolderWindowTest, GracePeriodIsCheckedAgainstTheStoredContractDate)
{
    // 17/05/2024 is today: 89 days after 18/02/2024, 90 after 17/02/2024.
    insertHolder({ .id = 1, .datacontrato = QDate(2024, 2, 18) });
    auto w = open(1);
    w->editar();
    setText(*w, u"UTILIZOU?"_s, u"SIM"_s);
    EXPECT_FALSE(w->salvar());
    EXPECT_EQ(dialogs.last().text,
        u"Não é possível inserir utilização de plano do Titular \"JOSE DA "
        u"SILVA\".\rO período de adesão para uso do "
        u"plano, conforme parâmetro, é de \"90\" dias.\r O titular possui \"89\" dias de adesão. Ação cancelada!\r\r"_s);
    w->cancelar();
    conn().exec(u"update clientes set datacontrato = '2024-02-17'"_s);
    w->editar();
    setText(*w, u"UTILIZOU?"_s, u"SIM"_s);
    dialogs.answer(true);
    EXPECT_TRUE(w->salvar());
    EXPECT_EQ(conn().query(u"select utilizou from clientes"_s).text(0, 0), u"SIM"_s);

    // Without the parameter every save ends without a word, in the edit.
    setCarencia(std::nullopt);
    dialogs.clear();
    w->editar();
    EXPECT_FALSE(w->salvar());
    EXPECT_TRUE(dialogs.empty());
    EXPECT_TRUE(w->isEditing());
}

TEST_F(HolderWindowTest, SearchMovesTheGridAndDoubleClickChoosesTheHolder)
{
    insertHolder({ .id = 1, .titular = u"JOSE DA SILVA"_s, .cpf = u"529.982.247-25"_s });
    insertHolder({ .id = 2, .titular = u"ANTONIO SOUZA"_s, .datacontrato = QDate(2023, 7, 1) });
    insertHolder({ .id = 3, .titular = u"BENEDITO ALVES"_s });
    auto w = open();
    showActive(*w);
    EXPECT_EQ(w->currentId(), 3); // newest first
    EXPECT_EQ(QApplication::focusWidget(), w->searchField());
    type(u"ant"_s);
    EXPECT_EQ(w->searchField()->text(), u"ANT"_s);
    EXPECT_EQ(w->currentId(), 2);

    w->searchKind()->setCurrentIndex(1);
    type(u"2023"_s);
    EXPECT_EQ(w->searchField()->text(), u"2023/"_s);
    EXPECT_EQ(w->currentId(), 2);

    w->searchKind()->setCurrentIndex(2);
    type(u"x"_s);
    EXPECT_EQ(dialogs.last().text, u"Insira somente valores numéricos!"_s);
    type(u"00000101"_s); // a scanned stub: holder 000001, installment 01
    press(Qt::Key_Return);
    EXPECT_EQ(w->searchField()->text(), u"1"_s);
    EXPECT_EQ(w->currentId(), 1);
    EXPECT_EQ(text(*w, u"TITULAR"_s), u"JOSE DA SILVA"_s);

    emit w->grid()->doubleClicked(w->grid()->currentIndex());
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(HolderWindowTest, LoadedHolderShowsAgeAndColoursItsCaptions)
{
    insertHolder({ .id = 1, .status = u"INATIVO"_s });
    auto w = open(1);
    EXPECT_EQ(text(*w, u"IDADE"_s), u"64"_s); // born 15/03/1960
    EXPECT_EQ(text(*w, u"PLANO"_s), u"PLANO OURO[1]"_s);
    EXPECT_EQ(w->captions().front()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(ageOn(QDate(2000, 5, 18), QDate(2024, 5, 17)), 23);
    EXPECT_EQ(ageOn(QDate(2000, 5, 17), QDate(2024, 5, 17)), 24);
    EXPECT_EQ(ageOn(QDate(2030, 1, 1), QDate(2024, 5, 17)), 0);
}

TEST_F(HolderWindowTest, TheCloseBoxWaitsForAnEditToEnd)
{
    insertHolder({ .id = 1 });
    auto w = open(1);
    showActive(*w);
    w->editar();
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    w->cancelar();
    w->dependents()->inserir();
    EXPECT_FALSE(w->close());
    w->dependents()->cancelar();
    EXPECT_TRUE(w->close());
}

TEST_F(HolderWindowTest, StandardModeOnlyBrowses)
{
    insertHolder({ .id = 1 });
    session.setOperatorLabel(kStandardMode.toString());
    auto w = open(1);
    for (const QString& b : { u"&INSERIR"_s, u"SAL&VAR"_s, u"&EDITAR"_s, u"E&XCLUIR"_s, u"&CANCELAR"_s })
        EXPECT_FALSE(w->button(b)->isEnabled()) << b.toStdString();
    EXPECT_TRUE(w->button(u"&SAIR"_s)->isEnabled());
    EXPECT_FALSE(w->dependents()->inserirButton()->isEnabled());
    w->inserir();
    EXPECT_FALSE(w->isEditing());
}

TEST_F(HolderWindowTest, ListFieldsKeepToTheirItemsOnExit)
{
    auto w = open();
    showActive(*w);
    w->inserir();
    // Tabbing through "VENCIMENTO" with its preset "1" makes the operator choose
    // a day.
    w->field(u"VENCIMENTO"_s)->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(dialogs.last().caption, u"Opção Inválida"_s);
    EXPECT_EQ(dialogs.last().text, u"Você deve selecionar uma opção existente na lista.\r\r"_s);
    EXPECT_TRUE(text(*w, u"VENCIMENTO"_s).isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(),
        w->field(u"VENCIMENTO"_s)->focusProxy() ? w->field(u"VENCIMENTO"_s)->focusProxy()
                                                : w->field(u"VENCIMENTO"_s));

    // "CIDADE" takes new names; the CEP of the office's town is filled in on
    // entering it.
    w->field(u"CIDADE"_s)->setFocus();
    type(u"ibaiti"_s);
    press(Qt::Key_Tab);
    EXPECT_EQ(text(*w, u"CIDADE"_s), u"IBAITI"_s);
    w->field(u"CEP"_s)->setFocus();
    EXPECT_EQ(text(*w, u"CEP"_s), u"84.900-000"_s);
}

TEST_F(HolderWindowTest, AHolderAndADependentAreRegisteredFromTheKeyboard)
{
    auto w = open();
    showActive(*w);
    press(Qt::Key_Insert);
    ASSERT_TRUE(w->isEditing());
    ASSERT_EQ(QApplication::focusWidget(), w->field(u"DT CONTRATO"_s));
    // One entry per field in the order Enter walks them; "UTILIZOU?" is skipped while inserting.
    const QStringList typed { u"05032024"_s, u"ANA VENDAS"_s, u"PEDRO COBRA"_s, u"maria das dores"_s,
        u"02011970"_s, u"FEMININO"_s, u"52998224725"_s, u"CASADO(A)"_s, u"rua xv de novembro"_s, u""_s,
        u"centro"_s, u"IBAITI"_s, u""_s, u""_s, u"43999990000"_s, u""_s, u""_s, u"PLANO OURO[1]"_s, u"10"_s,
        u""_s };
    for (const QString& t : typed) {
        type(t);
        press(Qt::Key_Return);
        ASSERT_TRUE(dialogs.empty()) << t.toStdString() << ": " << dialogs.texts().join(u'|').toStdString();
    }
    ASSERT_EQ(QApplication::focusWidget(), w->field(u"TIPO DE TITULAR"_s));
    dialogs.answer(true);
    press(Qt::Key_Return);
    ASSERT_FALSE(w->isEditing()) << dialogs.texts().join(u'|').toStdString();
    const ResultSet rs = conn().query(u"select * from clientes"_s);
    ASSERT_EQ(rs.rowCount(), 1);
    EXPECT_EQ(rs.text(0, u"titular"), u"MARIA DAS DORES"_s);
    EXPECT_EQ(rs.text(0, u"contrato"), u"2024/03/00001"_s);
    EXPECT_EQ(rs.date(0, u"nascimento"), QDate(1970, 1, 2));
    EXPECT_EQ(rs.text(0, u"cpf"), u"529.982.247-25"_s);
    EXPECT_EQ(rs.text(0, u"endereco"), u"RUA XV DE NOVEMBRO"_s);
    EXPECT_EQ(rs.text(0, u"numero"), u"S/N"_s);
    EXPECT_EQ(rs.text(0, u"cep"), u"84.900-000"_s);
    EXPECT_EQ(rs.text(0, u"telefone"), u"(43)99999-0000"_s);
    EXPECT_EQ(rs.text(0, u"vencimento"), u"10"_s);
    EXPECT_EQ(rs.text(0, u"status"), u"ATIVO"_s);
    EXPECT_EQ(rs.text(0, u"tipo"), u"NOVO"_s);
    EXPECT_EQ(rs.money(0, u"valorparcela"), Money::fromReais(45));

    // Its first dependent: "I&NSERIR", then the fields; Enter on "STATUS" saves.
    QTest::mouseClick(w->dependents()->inserirButton(), Qt::LeftButton);
    ASSERT_TRUE(w->dependents()->isEditing());
    EXPECT_FALSE(w->button(u"&SAIR"_s)->isEnabled());
    for (const QString& t : { u"joao das dores"_s, u"MASCULINO"_s, u"10022010"_s, u"filho"_s, u""_s }) {
        type(t);
        press(Qt::Key_Return);
    }
    type(u"ATIVO"_s);
    dialogs.answer(true);
    press(Qt::Key_Return);
    ASSERT_FALSE(w->dependents()->isEditing()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_TRUE(w->button(u"&SAIR"_s)->isEnabled());
    const ResultSet dep
        = conn().query(u"select id_cliente, nome, grau, nascimento, status from dependentes"_s);
    ASSERT_EQ(dep.rowCount(), 1);
    EXPECT_EQ(dep.integer(0, 0), 1);
    EXPECT_EQ(dep.text(0, 1), u"JOAO DAS DORES"_s);
    EXPECT_EQ(dep.text(0, 2), u"FILHO(A)"_s);
    EXPECT_EQ(dep.text(0, 3), u"10/02/2010"_s);
    EXPECT_EQ(logTexts(),
        (QStringList { u"CADASTROU TITULAR: MARIA DAS DORES"_s,
            u"CADASTROU DEPENDENTE: JOAO DAS DORES DO TITULAR 1"_s }));
}

TEST_F(HolderWindowTest, TypedListsCompleteWhatIsTypedInLowerCase)
{
    auto w = open();
    showActive(*w);
    w->inserir();
    struct Case {
        QString caption;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        { u"VENDEDOR"_s, u"ana"_s, u"ANA VENDAS"_s },
        { u"COBRADOR"_s, u"pedro cobra"_s, u"PEDRO COBRA"_s },
        { u"ESTADO CIVIL"_s, u"viú"_s, u"VIÚVO(A)"_s },
        { u"PLANO"_s, u"plano p"_s, u"PLANO PRATA[2]"_s },
    };
    for (const Case& c : cases) {
        w->field(c.caption)->setFocus();
        type(c.typed);
        press(Qt::Key_Return);
        EXPECT_EQ(text(*w, c.caption), c.shown) << c.caption.toStdString();
    }
    EXPECT_TRUE(dialogs.empty()) << dialogs.texts().join(u'|').toStdString();
}

} // namespace
} // namespace zova::test
