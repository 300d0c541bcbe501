// The holder's fields: building, loading, emptying, the lists and the changes
// that fill others.
#include "holders/holder_window.h"

#include "core/dates.h"
#include "db/db_error.h"
#include "ui/colours.h"
#include "ui/currency_edit.h"
#include "ui/date_edit.h"
#include "ui/dialogs.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QLineEdit* shownOnly(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

// A typed-in list: the operator may type, the exit check keeps the text to the
// items.
QComboBox* typedList(const QStringList& items, QWidget* parent, int maxLength = 80)
{
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(maxLength);
    keepUpperCase(list->lineEdit());
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

} // namespace

int ageOn(const QDate& birth, const QDate& today)
{
    if (!birth.isValid() || today <= birth)
        return 0;
    int years = today.year() - birth.year();
    if (today.month() < birth.month() || (today.month() == birth.month() && today.day() < birth.day()))
        --years;
    return years;
}

QGroupBox* HolderWindow::buildFields()
{
    auto* group = new QGroupBox(u"CADASTRO DE TITULARES"_s, this);
    Dialogs& dialogs = m_session.dialogs();
    m_codigo = shownOnly(group);
    m_dtContrato = new DateEdit(group);
    m_contrato = shownOnly(group);
    m_vendedor = typedList({}, group);
    m_cobrador = typedList({}, group);
    m_titular = upperEdit(150, group);
    m_nascimento = new DateEdit(group);
    m_idade = shownOnly(group);
    m_sexo = typedList({ u"MASCULINO"_s, u"FEMININO"_s }, group, 15);
    m_cpf = new MaskedLineEdit(kCpfMask, u'_', group);
    m_estadoCivil = typedList(maritalStatuses(), group, 20);
    m_utilizou = typedList({ u"SIM"_s, u"NÃO"_s }, group, 3);
    m_endereco = upperEdit(150, group);
    m_numero = upperEdit(10, group);
    m_bairro = upperEdit(80, group);
    m_cidade = typedList({}, group);
    m_uf = typedList(stateCodes(), group, 2);
    m_cep = new MaskedLineEdit(kCepMask, u'_', group);
    m_celular1 = new MaskedLineEdit(kPhoneMask, u' ', group);
    m_celular2 = new MaskedLineEdit(kPhoneMask, u' ', group);
    m_dtContAnt = new DateEdit(group);
    m_plano = typedList({}, group, 60);
    m_carne = shownOnly(group);
    m_vencimento = typedList({ u"5"_s, u"10"_s, u"15"_s, u"20"_s, u"25"_s }, group, 2);
    m_parcela = new CurrencyEdit(group);
    m_parcela->setReadOnly(true);
    m_parcela->setEnabled(false);
    m_parcela->setFocusPolicy(Qt::NoFocus);
    m_status = typedList({ u"ATIVO"_s, u"INATIVO"_s }, group, 10);
    m_tipo = typedList({ u"NOVO"_s, u"REATIVADO"_s, u"TRANSFERÊNCIA"_s }, group, 15);
    m_religiao = typedList({}, group, 50);
    m_religiao->hide();

    for (QComboBox* list : checkedLists())
        checkListOnExit(list, dialogs, exitCheckSuffix(list));

    // Masked values are read whole: "025.460.211-84" must not lose a digit to the column width.
    for (MaskedLineEdit* edit : { m_cpf, m_cep, m_celular1, m_celular2 })
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(u"(00)00000-00000"_s) + 12);
    m_contrato->setMinimumWidth(m_contrato->fontMetrics().horizontalAdvance(u"0000/00/000000"_s) + 12);
    placeFields(group);
    const QList<QWidget*> order = editableFields();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_plano, &QComboBox::currentTextChanged, this, &HolderWindow::onPlanChanged);
    connect(m_tipo, &QComboBox::currentTextChanged, this, &HolderWindow::onTipoChanged);
    m_cep->installEventFilter(this);
    return group;
}

void HolderWindow::placeFields(QGroupBox* group)
{
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    auto place = [&](int row, int col, const QString& caption, QWidget* field, int span, bool required) {
        QLabel* label = required ? requiredCaption(caption, group) : captionLabel(caption, group);
        m_captions << label;
        m_fieldByCaption[caption] = field;
        grid->addWidget(label, row * 2, col, 1, span);
        grid->addWidget(field, row * 2 + 1, col, 1, span);
    };
    place(0, 0, u"CÓDIGO"_s, m_codigo, 1, false);
    place(0, 1, u"DT CONTRATO"_s, m_dtContrato, 1, true);
    place(0, 2, u"CONTRATO"_s, m_contrato, 1, false);
    place(0, 3, u"VENDEDOR"_s, m_vendedor, 2, true);
    place(0, 5, u"COBRADOR"_s, m_cobrador, 2, true);
    place(1, 0, u"TITULAR"_s, m_titular, 4, true);
    place(1, 4, u"NASCIMENTO"_s, m_nascimento, 1, true);
    place(1, 5, u"IDADE"_s, m_idade, 1, false);
    place(1, 6, u"SEXO"_s, m_sexo, 1, true);
    place(2, 0, u"CPF"_s, m_cpf, 1, false);
    place(2, 1, u"ESTADO CIVIL"_s, m_estadoCivil, 2, true);
    place(2, 3, u"UTILIZOU?"_s, m_utilizou, 1, true);
    place(2, 4, u"STATUS"_s, m_status, 1, true);
    place(2, 5, u"TIPO DE TITULAR"_s, m_tipo, 2, true);
    place(3, 0, u"ENDEREÇO"_s, m_endereco, 4, true);
    place(3, 4, u"NÚMERO"_s, m_numero, 1, false);
    place(3, 5, u"BAIRRO"_s, m_bairro, 2, true);
    place(4, 0, u"CIDADE"_s, m_cidade, 2, true);
    place(4, 2, u"UF"_s, m_uf, 1, true);
    place(4, 3, u"CEP"_s, m_cep, 1, true);
    place(4, 4, u"CELULAR 1"_s, m_celular1, 1, false);
    place(4, 5, u"CELULAR 2"_s, m_celular2, 1, false);
    place(4, 6, u"DT. CONT. ANT."_s, m_dtContAnt, 1, false);
    place(5, 0, u"PLANO"_s, m_plano, 3, true);
    place(5, 3, u"CARNÊ"_s, m_carne, 1, false);
    place(5, 4, u"VENCIMENTO"_s, m_vencimento, 1, true);
    place(5, 5, u"PARCELA"_s, m_parcela, 2, false);
    m_fieldByCaption[u"RELIGIÃO"_s] = m_religiao;
    grid->setRowStretch(12, 1);
    for (int col = 0; col < 7; ++col)
        grid->setColumnStretch(col, 1);
}

QList<QWidget*> HolderWindow::editableFields() const
{
    return { m_dtContrato, m_vendedor, m_cobrador, m_titular, m_nascimento, m_sexo, m_cpf, m_estadoCivil,
        m_utilizou, m_endereco, m_numero, m_bairro, m_cidade, m_uf, m_cep, m_celular1, m_celular2,
        m_dtContAnt, m_plano, m_vencimento, m_status, m_tipo, m_religiao };
}

void HolderWindow::HabilitaCampos()
{
    for (QWidget* field : editableFields())
        field->setEnabled(true);
    // Whether the plan was used is only said of a stored holder.
    m_utilizou->setEnabled(!m_codigo->text().isEmpty());
}

void HolderWindow::DesabilitaCampos()
{
    // "DT CONTRATO" is left to the callers.
    for (QWidget* field : editableFields())
        if (field != m_dtContrato)
            field->setEnabled(false);
}

void HolderWindow::LimpaCampos()
{
    const QScopedValueRollback loading(m_loading, true);
    for (QLineEdit* edit : { m_codigo, m_contrato, m_titular, m_idade, m_endereco, m_numero, m_bairro })
        edit->clear();
    for (DateEdit* date : { m_dtContrato, m_nascimento, m_dtContAnt })
        date->setDate({});
    for (MaskedLineEdit* edit : { m_cpf, m_cep, m_celular1, m_celular2 })
        edit->setText(edit->blankText());
    for (QComboBox* list : { m_vendedor, m_cobrador, m_sexo, m_estadoCivil, m_cidade, m_plano, m_religiao })
        setListText(list, {});
    setListText(m_utilizou, u"NÃO"_s);
    setListText(m_uf, u"PR"_s);
    m_carne->setText(u"1"_s);
    // Not one of the list's days: tabbing through the field makes the operator
    // choose one.
    setListText(m_vencimento, u"1"_s);
    m_parcela->clear();
    setListText(m_status, u"ATIVO"_s);
    setListText(m_tipo, u"NOVO"_s);
}

void HolderWindow::emptyFields()
{
    LimpaCampos();
    const QScopedValueRollback loading(m_loading, true);
    m_carne->clear();
    for (QComboBox* list : { m_utilizou, m_uf, m_vencimento, m_status, m_tipo })
        setListText(list, {});
    colourCaptions(u"ATIVO"_s);
}

void HolderWindow::CarregaCampos()
{
    const qint64 id = currentId();
    if (id == 0)
        return;
    std::optional<HolderRecord> holder;
    try {
        holder = loadHolder(m_session.db(), id);
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return;
    }
    if (holder)
        showHolder(*holder);
}

void HolderWindow::showHolder(const HolderRecord& h)
{
    const QScopedValueRollback loading(m_loading, true);
    colourCaptions(h.status);
    m_codigo->setText(QString::number(h.id));
    m_dtContrato->setDate(h.datacontrato);
    m_contrato->setText(h.contrato);
    setListText(m_vendedor, h.vendedor);
    setListText(m_cobrador, h.cobrador);
    m_titular->setText(h.titular);
    m_nascimento->setDate(h.nascimento);
    m_idade->setText(QString::number(ageOn(h.nascimento, m_session.clock().today())));
    setListText(m_sexo, h.sexo);
    m_cpf->setText(h.cpf);
    setListText(m_estadoCivil, h.estadocivil);
    setListText(m_utilizou, h.utilizou);
    m_endereco->setText(h.endereco);
    m_numero->setText(h.numero);
    m_bairro->setText(h.bairro);
    setListText(m_cidade, h.cidade);
    setListText(m_uf, h.uf);
    m_cep->setText(h.cep);
    m_celular1->setText(h.telefone);
    m_celular2->setText(h.celular);
    m_dtContAnt->setText(h.plano.isEmpty() ? m_dtContAnt->blankText() : h.plano);
    setListText(m_plano, planItemText(h.pagamento, h.seguro));
    m_carne->setText(QString::number(h.carne));
    setListText(m_vencimento, h.vencimento);
    m_parcela->setValue(h.valorparcela);
    setListText(m_status, h.status);
    setListText(m_tipo, h.tipo);
    setListText(m_religiao, h.religiao);
}

void HolderWindow::colourCaptions(const QString& status)
{
    const QColor colour = status == u"INATIVO"_s ? kRed : kNavy;
    for (QLabel* label : std::as_const(m_captions))
        setCaptionColour(label, colour);
}

HolderRecord HolderWindow::typedRecord() const
{
    HolderRecord h;
    h.id = m_codigo->text().toLongLong();
    h.contrato = m_contrato->text();
    h.titular = m_titular->text();
    h.vendedor = m_vendedor->currentText();
    h.cobrador = m_cobrador->currentText();
    h.nascimento = m_nascimento->date();
    h.sexo = m_sexo->currentText();
    h.cpf = m_cpf->text();
    h.estadocivil = m_estadoCivil->currentText();
    h.endereco = m_endereco->text();
    h.numero = m_numero->text();
    h.telefone = m_celular1->text();
    h.celular = m_celular2->text();
    h.bairro = m_bairro->text();
    h.cidade = m_cidade->currentText();
    h.cep = m_cep->text();
    h.uf = m_uf->currentText();
    h.plano = m_dtContAnt->text();
    const PlanChoice plan = splitPlanText(m_plano->currentText());
    h.pagamento = plan.name;
    h.seguro = plan.id;
    h.datacontrato = m_dtContrato->date();
    h.vencimento = m_vencimento->currentText();
    h.valorparcela = m_parcela->value();
    h.status = m_status->currentText();
    h.tipo = m_tipo->currentText();
    h.utilizou = m_utilizou->currentText();
    h.carne = m_carne->text().toLongLong();
    h.religiao = m_religiao->currentText();
    return h;
}

void HolderWindow::fillList(QComboBox* list, const std::function<QStringList()>& load)
{
    QStringList items;
    try {
        items = load();
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return;
    }
    const QScopedValueRollback loading(m_loading, true);
    const QString shown = list->currentText();
    list->clear();
    list->addItems(items);
    setListText(list, shown);
}

void HolderWindow::CarregaVendedor()
{
    fillList(m_vendedor, [this] { return sellerNames(m_session.db()); });
}

void HolderWindow::CarregaCobrador()
{
    fillList(m_cobrador, [this] { return collectorNames(m_session.db()); });
}

void HolderWindow::CarregaPlano()
{
    fillList(m_plano, [this] { return planItems(m_session.db()); });
}

void HolderWindow::CarregaCidade()
{
    fillList(m_cidade, [this] { return holderCities(m_session.db()); });
}

void HolderWindow::CarregaReligiao()
{
    fillList(m_religiao, [this] { return holderReligions(m_session.db()); });
}

void HolderWindow::onPlanChanged()
{
    if (m_loading || !m_editing)
        return;
    try {
        Connection& db = m_session.db();
        if (!m_codigo->text().isEmpty() && hasCurrentInstallments(db, m_codigo->text().toLongLong())) {
            m_session.dialogs().warning(u"Atenção"_s,
                u"Não é possível alterar o plano do Titular \""_s + m_titular->text()
                    + u"\" devido a existência de parcelas geradas.\r\r"_s);
            cancelar();
            return;
        }
        const PlanChoice plan = splitPlanText(m_plano->currentText());
        m_parcela->setValue(planValue(db, plan.id).value_or(Money()));
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
}

void HolderWindow::onTipoChanged()
{
    if (m_loading || !m_editing || m_codigo->text().isEmpty())
        return;
    // A reactivation may carry a new contract date; the save then builds a new
    // contract number.
    if (m_tipo->currentText() == u"REATIVADO"_s) {
        m_dtContrato->setEnabled(true);
        m_dtContrato->setFocus();
    }
}

} // namespace zova
