#include "registries/registry_window.h"

#include "ui/colours.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/record_navigator.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QPushButton* toolbarButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    return button;
}

} // namespace

RegistryWindow::RegistryWindow(Session& session, RegistryWindowSetup setup, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_setup(std::move(setup))
    // Registrations are for operators who entered with their login.
    , m_readOnly(!session.hasOperator())
{
    setWindowTitle(session.caption(m_setup.title));
    m_codigo = new QLineEdit(this);
    m_codigo->setReadOnly(true);
    m_codigo->setEnabled(false);
    m_codigo->setMaximumWidth(90);
}

void RegistryWindow::build(QGroupBox* fields, QWidget* firstField, QWidget* lastField)
{
    m_firstField = firstField;
    m_lastField = lastField;

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(buildGridGroup(), 1);
    side->addWidget(buildCounter());

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addWidget(fields, 3);
    middle->addLayout(side, m_setup.gridShare);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(8);
    body->addLayout(middle, 1);
    body->addWidget(buildToolbar());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(m_setup.title, this));
    layout->addLayout(body, 1);
    m_navigator->setView(m_grid);

    m_enter = EnterAsTab::install(this);
    m_enter->setEnterAction(m_lastField, [this] {
        if (!m_salvar->isEnabled())
            return false;
        salvar();
        return true;
    });
    bindEscape(this, [this] {
        if (m_cancelar->isEnabled())
            cancelar();
        else
            reject();
    });

    connect(m_inserir, &QPushButton::clicked, this, &RegistryWindow::inserir);
    connect(m_editar, &QPushButton::clicked, this, &RegistryWindow::editar);
    connect(m_excluir, &QPushButton::clicked, this, &RegistryWindow::excluir);
    connect(m_cancelar, &QPushButton::clicked, this, &RegistryWindow::cancelar);
    connect(m_salvar, &QPushButton::clicked, this, &RegistryWindow::salvar);
    connect(m_sair, &QPushButton::clicked, this, &RegistryWindow::reject);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_reloading)
            return;
        CarregaCampos();
        showCounter();
    });

    DesabilitaCampos();
    applyButtonStates();
    reloadGrid();
    m_grid->setFocus();
}

QWidget* RegistryWindow::buildToolbar()
{
    auto* bar = new QWidget(this);
    m_navigator = new RecordNavigator(bar);
    m_inserir = toolbarButton(u"&INSERIR"_s, bar);
    m_editar = toolbarButton(u"&EDITAR"_s, bar);
    m_excluir = toolbarButton(u"E&XCLUIR"_s, bar);
    m_cancelar = toolbarButton(u"&CANCELAR"_s, bar);
    m_salvar = toolbarButton(u"&SALVAR"_s, bar);
    m_sair = toolbarButton(u"&SAIR"_s, bar);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_navigator);
    row->addSpacing(12);
    for (QPushButton* b : { m_inserir, m_editar, m_excluir, m_cancelar, m_salvar })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(m_sair);
    return bar;
}

QGroupBox* RegistryWindow::buildGridGroup()
{
    auto* group = new QGroupBox(m_setup.gridGroup, this);
    m_searchKind = new QComboBox(group);
    m_searchKind->addItems({ u"Nome"_s, u"Código"_s });
    m_searchField = new QLineEdit(group);
    keepUpperCase(m_searchField);
    m_searchField->installEventFilter(this);

    m_model = new ResultTableModel(m_setup.columns, this);
    m_grid = new QTableView(group);
    setupGrid(*m_grid, *m_model);
    m_grid->setMinimumWidth(300);

    connect(m_searchKind, &QComboBox::currentIndexChanged, this, [this] {
        m_searchField->clear();
        m_searchField->setFocus();
    });
    connect(m_searchField, &QLineEdit::textEdited, this, &RegistryWindow::search);
    connect(m_grid, &QTableView::clicked, m_searchField, &QLineEdit::clear);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchKind);
    searchRow->addWidget(m_searchField, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(searchRow);
    layout->addWidget(m_grid, 1);
    return group;
}

QGroupBox* RegistryWindow::buildCounter()
{
    auto* group = new QGroupBox(m_setup.counterTitle, this);
    m_recordNumber = counterLabel({}, group);
    m_counterOf = counterLabel(u"DE"_s, group);
    m_recordCount = counterLabel({}, group);
    auto* row = new QHBoxLayout(group);
    row->addStretch();
    for (QLabel* label : { m_recordNumber, m_counterOf, m_recordCount })
        row->addWidget(label);
    row->addStretch();
    return group;
}

void RegistryWindow::setCounterColour(const QColor& colour)
{
    for (QLabel* label : { m_recordNumber, m_counterOf, m_recordCount })
        setCaptionColour(label, colour);
}

void RegistryWindow::applyButtonStates()
{
    const bool browse = !m_editing;
    m_inserir->setEnabled(browse && !m_readOnly);
    m_editar->setEnabled(browse && !m_readOnly);
    m_excluir->setEnabled(browse && !m_readOnly);
    m_sair->setEnabled(browse);
    m_salvar->setEnabled(m_editing);
    m_cancelar->setEnabled(m_editing);
    m_navigator->setEnabled(browse);
    m_grid->setEnabled(browse);
}

void RegistryWindow::TrataBotoes()
{
    m_editing = !m_editing;
    applyButtonStates();
}

qint64 RegistryWindow::currentId() const
{
    return currentInteger(*m_grid, *m_model, u"id");
}

void RegistryWindow::showCounter()
{
    const QModelIndex current = m_grid->currentIndex();
    m_recordNumber->setText(counterText(current.isValid() ? current.row() + 1 : 0));
    m_recordCount->setText(counterText(m_model->rowCount()));
}

void RegistryWindow::reportLoadError(const QString& message)
{
    m_session.dialogs().error(u"Erro"_s, message);
}

void RegistryWindow::CarregaCampos()
{
    const qint64 id = currentId();
    bool loaded = false;
    if (id != 0) {
        try {
            loaded = loadRecord(id);
        } catch (const DbError& e) {
            reportLoadError(e.message());
        }
    }
    if (loaded) {
        m_codigo->setText(QString::number(id));
        return;
    }
    // Nothing listed (or the row is gone): the fields must not keep another record.
    m_codigo->clear();
    LimpaCampos();
    setCounterColour(kNavy);
}

void RegistryWindow::reloadGrid(qint64 id)
{
    const QModelIndex before = m_grid->currentIndex();
    const int row = before.isValid() ? before.row() : 0;
    m_reloading = true;
    try {
        m_model->setResult(loadRows());
    } catch (const DbError& e) {
        m_model->clear();
        reportLoadError(e.message());
    }
    const int rows = m_model->rowCount();
    if (rows > 0 && !(id != 0 && moveToId(id)))
        m_grid->setCurrentIndex(m_model->index(std::min(row, rows - 1), 0));
    m_reloading = false;
    m_navigator->updateButtons();
    CarregaCampos();
    showCounter();
}

bool RegistryWindow::moveToId(qint64 id)
{
    return moveToValue(*m_grid, *m_model, u"id", id);
}

void RegistryWindow::search(const QString& text)
{
    // The fields being typed must not be replaced by another record.
    if (m_editing || text.isEmpty())
        return;
    if (m_searchKind->currentIndex() == static_cast<int>(SearchBy::Codigo)) {
        bool ok = false;
        const qint64 id = text.toLongLong(&ok);
        if (ok)
            moveToId(id);
        return;
    }
    moveToPrefix(*m_grid, *m_model, m_setup.nameField, text);
}

void RegistryWindow::inserir()
{
    if (m_readOnly || m_editing)
        return;
    m_codigo->clear();
    TrataBotoes();
    HabilitaCampos();
    LimpaCampos();
    m_firstField->setFocus();
}

void RegistryWindow::editar()
{
    if (m_readOnly || m_editing || currentId() == 0)
        return;
    TrataBotoes();
    HabilitaCampos();
    afterEditStarted();
    m_firstField->setFocus();
}

void RegistryWindow::cancelar()
{
    if (!m_editing)
        return;
    TrataBotoes();
    DesabilitaCampos();
    CarregaCampos();
    m_grid->setFocus();
}

bool RegistryWindow::salvar()
{
    if (!m_editing || m_readOnly)
        return false;
    switch (saveRecord()) {
    case SaveOutcome::Stopped:
        return false;
    case SaveOutcome::Declined:
        cancelar();
        return false;
    case SaveOutcome::Saved:
        break;
    }
    const qint64 id = m_codigo->text().toLongLong();
    TrataBotoes();
    DesabilitaCampos();
    afterSaved();
    reloadGrid(id);
    m_grid->setFocus();
    return true;
}

void RegistryWindow::excluir()
{
    if (m_readOnly || m_editing)
        return;
    const qint64 id = currentId();
    if (id == 0)
        return;
    const ResultSet& rs = m_model->result();
    const QString name = rs.text(m_grid->currentIndex().row(), m_setup.nameField);
    if (!m_session.dialogs().question(u"Confirmação"_s, m_setup.deleteQuestion + name + u"\"?"_s))
        return;
    try {
        removeRecord(id);
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, m_setup.deleteError + e.message() + u"."_s);
        return;
    }
    m_session.GravaLog(m_setup.deleteLog + name);
    reloadGrid();
    m_grid->setFocus();
}

void RegistryWindow::refuse(const QString& text, QWidget* field)
{
    m_session.dialogs().error(u"Erro"_s, text);
    field->setFocus();
}

bool RegistryWindow::searchKeyRefused(QKeyEvent* key)
{
    if (m_searchKind->currentIndex() != static_cast<int>(SearchBy::Codigo))
        return false;
    const bool allowed = isNumericSearchKey(key);
    if (allowed)
        return false;
    m_session.dialogs().warning(u"Atenção"_s, u"Insira somente valores numéricos!"_s);
    return true;
}

bool RegistryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchField) {
        if (event->type() == QEvent::KeyPress)
            return searchKeyRefused(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseButtonPress)
            m_searchField->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void RegistryWindow::keyPressEvent(QKeyEvent* event)
{
    // The fields leave Insert alone, so it reaches the window.
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        if (m_inserir->isEnabled())
            inserir();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool RegistryWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        setWindowTitle(m_session.caption(m_setup.title));
    return QDialog::event(event);
}

} // namespace zova
