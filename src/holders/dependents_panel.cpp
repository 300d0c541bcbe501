#include "holders/dependents_panel.h"

#include "core/cpf.h"
#include "core/dates.h"
#include "db/db_error.h"
#include "holders/dependent_operations.h"
#include "holders/holder_operations.h"
#include "ui/date_edit.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QPushButton* toolbarButton(const QString& text, QWidget* parent)
{
    QPushButton* button = makeButton(text, parent);
    button->setMinimumWidth(96);
    return button;
}

std::vector<GridColumn> gridColumns()
{
    return {
        { u"nome"_s, u"Dependente"_s, CellFormat::text(), std::nullopt, 0 },
        { u"sexo"_s, u"Sexo"_s, CellFormat::text(), Qt::AlignCenter, 40 },
        { u"nascimento"_s, u"Nascimento"_s, CellFormat::date(), std::nullopt, 96 },
        { u"idade"_s, u"Idade"_s, CellFormat::integer(), std::nullopt, 52 },
        { u"grau"_s, u"Parentesco"_s, CellFormat::text(), std::nullopt, 140 },
        { u"cpf"_s, u"CPF"_s, CellFormat::text(), std::nullopt, 104 },
        { u"status"_s, u"Status"_s, CellFormat::text(), std::nullopt, 64 },
    };
}

} // namespace

DependentsPanel::DependentsPanel(Session& session, QWidget* parent)
    : QGroupBox(u"CADASTRO DE DEPENDENTES"_s, parent)
    , m_session(session)
{
    m_model = new ResultTableModel(gridColumns(), this);
    m_grid = new QTableView(this);
    setupGrid(*m_grid, *m_model);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->setMinimumWidth(420);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(buildFields(), 2);
    top->addWidget(m_grid, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->addLayout(top, 1);
    layout->addWidget(buildToolbar());
    m_navigator->setView(m_grid);

    connect(m_inserir, &QPushButton::clicked, this, &DependentsPanel::inserir);
    connect(m_salvar, &QPushButton::clicked, this, &DependentsPanel::salvar);
    connect(m_editar, &QPushButton::clicked, this, &DependentsPanel::editar);
    connect(m_excluir, &QPushButton::clicked, this, &DependentsPanel::excluir);
    connect(m_cancelar, &QPushButton::clicked, this, &DependentsPanel::cancelar);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_reloading && !m_editing)
            CarregaCampos2();
    });
    // Picked from the list, by the arrow keys, or typed and then left: not every keystroke, whose
    // completion may show "EXTRA" half typed.
    connect(m_parentesco, &QComboBox::textActivated, this, &DependentsPanel::kinshipChanged);
    checkListOnExit(m_parentesco, m_session.dialogs());

    DesabilitaCampos2();
    applyButtonStates();
    showCount();
}

QWidget* DependentsPanel::buildFields()
{
    auto* box = new QWidget(this);
    m_codigo = new QLineEdit(box);
    m_codigo->setReadOnly(true);
    m_codigo->setEnabled(false);
    m_codigo->setFocusPolicy(Qt::NoFocus);
    m_nome = new QLineEdit(box);
    m_nome->setMaxLength(80);
    keepUpperCase(m_nome);
    m_sexo = fixedList({ u"MASCULINO"_s, u"FEMININO"_s }, box);
    m_nascimento = new DateEdit(box);
    m_parentesco = new QComboBox(box);
    m_parentesco->setEditable(true);
    m_parentesco->setInsertPolicy(QComboBox::NoInsert);
    m_parentesco->addItems(kinshipItems());
    m_parentesco->setCurrentIndex(-1);
    m_parentesco->setMaxVisibleItems(20);
    // The items are upper case and the exit check compares exactly: "filho" completes to "FILHO(A)".
    m_parentesco->lineEdit()->setMaxLength(20);
    keepUpperCase(m_parentesco->lineEdit());
    m_cpf = new MaskedLineEdit(kCpfMask, u'_', box);
    m_status = fixedList({ u"ATIVO"_s, u"INATIVO"_s }, box);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto place = [&](int row, int col, QLabel* caption, QWidget* field, int span = 1) {
        grid->addWidget(caption, row * 2, col, 1, span);
        grid->addWidget(field, row * 2 + 1, col, 1, span);
    };
    place(0, 0, captionLabel(u"CÓD."_s, box), m_codigo);
    place(0, 1, requiredCaption(u"DEPENDENTE"_s, box), m_nome, 3);
    place(1, 0, requiredCaption(u"SEXO"_s, box), m_sexo);
    place(1, 1, captionLabel(u"NASCIMENTO"_s, box), m_nascimento);
    place(1, 2, requiredCaption(u"PARENTESCO"_s, box), m_parentesco, 2);
    place(2, 0, captionLabel(u"CPF"_s, box), m_cpf, 2);
    place(2, 2, requiredCaption(u"STATUS"_s, box), m_status);
    grid->setRowStretch(6, 1);
    for (int col = 0; col < 4; ++col)
        grid->setColumnStretch(col, 1);

    const QList<QWidget*> order = editableFields();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    return box;
}

QWidget* DependentsPanel::buildToolbar()
{
    auto* bar = new QWidget(this);
    m_navigator = new RecordNavigator(bar);
    m_inserir = toolbarButton(u"I&NSERIR"_s, bar);
    m_salvar = toolbarButton(u"S&ALVAR"_s, bar);
    m_editar = toolbarButton(u"E&DITAR"_s, bar);
    m_excluir = toolbarButton(u"EXC&LUIR"_s, bar);
    m_cancelar = toolbarButton(u"CANCELA&R"_s, bar);

    auto* counter = new QGroupBox(u"DEPENDENTES"_s, bar);
    counter->setMinimumWidth(130);
    m_count = counterLabel({}, counter);
    auto* counterRow = new QHBoxLayout(counter);
    counterRow->setContentsMargins(12, 2, 12, 2);
    counterRow->addWidget(m_count, 0, Qt::AlignCenter);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_navigator);
    row->addSpacing(12);
    for (QPushButton* b : { m_inserir, m_salvar, m_editar, m_excluir, m_cancelar })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(counter);
    return bar;
}

QList<QWidget*> DependentsPanel::editableFields() const
{
    return { m_nome, m_sexo, m_nascimento, m_parentesco, m_cpf, m_status };
}

QWidget* DependentsPanel::statusField() const
{
    return m_status;
}

QWidget* DependentsPanel::firstField() const
{
    return m_nome;
}

void DependentsPanel::setHolder(qint64 holderId, qint64 planId, Money parcela)
{
    if (m_editing) {
        // A new holder must not receive the half-typed dependent of the previous one.
        TrataBotoes2();
        DesabilitaCampos2();
    }
    m_holderId = holderId;
    m_planId = planId;
    m_parcela = parcela;
    Dependentes();
}

void DependentsPanel::Dependentes()
{
    reload(0, 0);
}

void DependentsPanel::setReadOnly(bool readOnly)
{
    if (readOnly && m_editing)
        cancelar();
    m_readOnly = readOnly;
    applyButtonStates();
}

qint64 DependentsPanel::currentId() const
{
    return currentInteger(*m_grid, *m_model, u"id");
}

void DependentsPanel::showCount()
{
    m_count->setText(counterText(m_model->rowCount()));
}

void DependentsPanel::reload(qint64 selectId, int fallbackRow)
{
    m_reloading = true;
    try {
        if (m_holderId == 0)
            m_model->clear();
        else
            m_model->setResult(loadDependents(m_session.db(), m_holderId, m_session.clock().today()));
    } catch (const DbError& e) {
        m_model->clear();
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
    const int rows = m_model->rowCount();
    if (rows > 0 && !(selectId != 0 && moveToId(selectId)))
        m_grid->setCurrentIndex(m_model->index(std::clamp(fallbackRow, 0, rows - 1), 0));
    m_reloading = false;
    m_navigator->updateButtons();
    if (rows > 0)
        CarregaCampos2();
    else
        clearFields();
    showCount();
}

bool DependentsPanel::moveToId(qint64 id)
{
    return moveToValue(*m_grid, *m_model, u"id", id);
}

void DependentsPanel::TrataBotoes2()
{
    m_editing = !m_editing;
    applyButtonStates();
    emit editingChanged(m_editing);
}

void DependentsPanel::applyButtonStates()
{
    const bool browse = !m_editing;
    for (QPushButton* b : { m_inserir, m_editar, m_excluir })
        b->setEnabled(browse && !m_readOnly);
    m_salvar->setEnabled(m_editing && !m_readOnly);
    m_cancelar->setEnabled(m_editing && !m_readOnly);
    m_navigator->setEnabled(browse);
    // Another row chosen mid-edit would replace the fields being typed.
    m_grid->setEnabled(browse);
}

void DependentsPanel::setFieldsEnabled(bool enabled)
{
    for (QWidget* field : editableFields())
        field->setEnabled(enabled);
}

void DependentsPanel::clearFields()
{
    m_codigo->clear();
    m_nome->clear();
    m_sexo->setCurrentIndex(-1);
    m_nascimento->setText(m_nascimento->blankText());
    m_parentesco->setCurrentIndex(-1);
    m_parentesco->setEditText(QString());
    m_cpf->setText(m_cpf->blankText());
    m_status->setCurrentIndex(-1);
}

void DependentsPanel::LimpaCampos2()
{
    // "STATUS" keeps what it showed: the usual status of the next dependent too.
    const int status = m_status->currentIndex();
    clearFields();
    m_status->setCurrentIndex(status);
    if (m_nome->isEnabled())
        m_nome->setFocus();
}

void DependentsPanel::CarregaCampos2()
{
    const qint64 id = currentId();
    if (id == 0)
        return;
    std::optional<DependentRecord> d;
    try {
        d = loadDependent(m_session.db(), m_holderId, id);
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
    if (!d) {
        clearFields(); // gone meanwhile: show nothing rather than another dependent's data
        return;
    }
    m_codigo->setText(QString::number(d->id));
    m_nome->setText(d->nome);
    m_nascimento->setText(d->nascimento);
    // Selected as an item, so leaving the field untouched does not count as choosing it again.
    const int kinship = m_parentesco->findText(d->grau, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (kinship >= 0)
        m_parentesco->setCurrentIndex(kinship);
    else
        setListText(m_parentesco, d->grau);
    m_cpf->setText(d->cpf);
    setListText(m_sexo, d->sexo);
    setListText(m_status, d->status);
}

void DependentsPanel::inserir()
{
    if (m_readOnly || m_editing)
        return;
    if (m_holderId == 0) {
        m_session.dialogs().warning(
            u"Atenção"_s, u"É necessário cadastrar um Titular antes de cadastrar Dependente.\r\r"_s);
        return;
    }
    TrataBotoes2();
    HabilitaCampos2();
    LimpaCampos2();
    m_nome->setFocus();
}

void DependentsPanel::editar()
{
    if (m_readOnly || m_editing)
        return;
    if (m_holderId == 0) {
        m_session.dialogs().warning(
            u"Atenção"_s, u"É necessário cadastrar um Titular antes de editar Dependente.\r\r"_s);
        return;
    }
    if (currentId() == 0)
        return;
    TrataBotoes2();
    HabilitaCampos2();
    m_nome->setFocus();
}

void DependentsPanel::cancelar()
{
    if (!m_editing)
        return;
    TrataBotoes2();
    DesabilitaCampos2();
    if (currentId() != 0)
        CarregaCampos2();
    else
        clearFields(); // an insert cancelled with no dependent listed
    if (m_grid->isEnabled())
        m_grid->setFocus();
}

bool DependentsPanel::refuse(const QString& text, QWidget* field)
{
    m_session.dialogs().error(u"Erro"_s, text);
    field->setFocus();
    return false;
}

bool DependentsPanel::VerificaCampos2()
{
    if (m_nome->text().trimmed().size() < 5)
        return refuse(u"O campo \"Dependente\" é obrigatório!"_s, m_nome);
    if (m_parentesco->currentText().isEmpty())
        return refuse(u"O campo \"Grau de Parentesco\" é obrigatório!"_s, m_parentesco);
    // A save by its shortcut never left the field, so its exit check did not run.
    if (!keepListText(m_parentesco, m_session.dialogs())) {
        m_parentesco->setFocus();
        return false;
    }
    if (m_sexo->currentText().isEmpty())
        return refuse(u"O campo \"Sexo\" é obrigatório!"_s, m_sexo);
    if (m_cpf->text() != kEmptyCpfMask && !cpfValido(m_cpf->text()))
        return refuse(u"\"CPF\" inválido!"_s, m_cpf);
    if (m_status->currentText().isEmpty())
        return refuse(u"O campo \"Status\" é obrigatório!"_s, m_status);
    // A partly typed or impossible date would be stored as text no age can be read from.
    if (!m_nascimento->isBlank() && !m_nascimento->isValidDate())
        return refuse(u"'"_s + m_nascimento->text() + u"' não é uma data válida"_s, m_nascimento);
    return true;
}

DependentsPanel::SaveOutcome DependentsPanel::SalvarDependente()
{
    if (!VerificaCampos2())
        return SaveOutcome::Stopped;
    const bool updating = !m_codigo->text().isEmpty();
    const QString name = m_nome->text();
    DependentRecord d;
    d.id = m_codigo->text().toLongLong();
    d.holderId = m_holderId;
    d.nome = name;
    d.sexo = m_sexo->currentText();
    d.grau = m_parentesco->currentText();
    // A new dependent without a birth date gets the empty text, an edited one keeps the mask.
    d.nascimento = updating || !m_nascimento->isBlank() ? m_nascimento->text() : QString();
    d.cpf = m_cpf->text();
    d.status = m_status->currentText();

    Dialogs& dialogs = m_session.dialogs();
    const QString question = updating ? u"Deseja realmente salvar as alterações feitas no(a) Dependente \""_s
                                      : u"Deseja realmente fazer a inclusão do(a) Dependente \""_s;
    if (!dialogs.question(u"Confirmação"_s, question + name + u"\"?"_s))
        return SaveOutcome::Declined;
    try {
        if (updating) {
            updateDependent(m_session.db(), d);
        } else {
            // "CÓD." is set only once the row is stored, so after a failure the next save inserts.
            m_codigo->setText(QString::number(insertDependent(m_session.db(), d)));
        }
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            updating ? e.message()
                     : u"Ocorreu um erro ao fazer inclusão de Dependente. Procedimento cancelado. Erro: "_s
                    + e.message() + u"."_s);
        return SaveOutcome::Stopped;
    }
    m_session.GravaLog((updating ? u"ALTEROU DEPENDENTE: "_s : u"CADASTROU DEPENDENTE: "_s) + name
        + u" DO TITULAR "_s + QString::number(m_holderId));
    return SaveOutcome::Saved;
}

bool DependentsPanel::salvar()
{
    if (!m_editing || m_readOnly)
        return false;
    switch (SalvarDependente()) {
    case SaveOutcome::Stopped:
        return false;
    case SaveOutcome::Declined:
        cancelar();
        return false;
    case SaveOutcome::Saved:
        break;
    }
    const qint64 id = m_codigo->text().toLongLong();
    TrataBotoes2();
    DesabilitaCampos2();
    reload(id, 0);
    m_grid->setFocus();
    emit dependentsChanged();
    return true;
}

void DependentsPanel::excluir()
{
    if (m_readOnly || m_editing)
        return;
    if (m_holderId == 0) {
        m_session.dialogs().warning(u"Atenção"_s,
            u"É necessário cadastrar um Titular e Dependente antes de excluir Dependente.\r\r"_s);
        return;
    }
    const qint64 id = currentId();
    if (id == 0)
        return;
    const int row = m_grid->currentIndex().row();
    const QString name = m_model->result().text(row, u"nome");
    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(
            u"Confirmação"_s, u"Deseja realmente efetuar a exclusão do(a) Dependente \""_s + name + u"\"?"_s))
        return;
    try {
        deleteDependent(m_session.db(), m_holderId, id);
    } catch (const DbError& e) {
        dialogs.error(u"Erro"_s,
            u"Ocorreu um erro ao fazer exclusão de Dependente. Procedimento cancelado. Erro: "_s + e.message()
                + u"."_s);
        return;
    }
    m_session.GravaLog(u"EXCLUIU DEPENDENTE: "_s + name + u" DO TITULAR "_s + QString::number(m_holderId));
    reload(0, row);
    m_grid->setFocus();
    emit dependentsChanged();
}

void DependentsPanel::kinshipChanged(const QString& text)
{
    if (!m_editing || text != kExtraKinship)
        return;
    Connection& db = m_session.db();
    try {
        const Money extra = planExtraValue(db, m_planId).value_or(Money());
        // The booklet already generated keeps its values; only the next one adds the extra.
        if (!hasCurrentInstallments(db, m_holderId))
            return;
        m_session.dialogs().warning(u"Atenção"_s,
            u"Não é possível atualizar os valores por dependene extra nas parcelas do carnê devido a "
            u"existência "
            u"de parcelas em aberto."_s
                + u"\rAltere manualmente na tela de parcelas o valor das parcelas em aberto somando \""_s
                + extra.format(MoneyFormat::Grouped) + u"\" aos \""_s + m_parcela.format(MoneyFormat::Grouped)
                + u"\" da parcela por dependente extra.     \r"_s
                + u"No próximo carnê o valor será acrescido automaticamente ao gerar o novo carnê.\r\r"_s);
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
}

} // namespace zova
