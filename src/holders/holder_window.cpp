#include "holders/holder_window.h"

#include "holders/dependents_panel.h"
#include "holders/notes_panel.h"
#include "ui/date_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/masked_line_edit.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

const QString kTitle = u"CADASTRO DE TITULARES/DEPENDENTES"_s;

} // namespace

HolderWindow::HolderWindow(Session& session, HolderWindowHooks hooks, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_hooks(std::move(hooks))
    // Changes are for operators who entered with their login; standard mode
    // only browses.
    , m_readOnly(!session.hasOperator())
{
    setWindowTitle(session.caption(kTitle));
    m_fieldsGroup = buildFields();
    m_toolbar = buildToolbar();
    m_searchGroup = buildSearchGroup();
    m_notes = new NotesPanel(session, this, this);
    m_dependents = new DependentsPanel(session, this);
    // Hidden while a holder is edited, without the holder's half growing into its place.
    QSizePolicy keep = m_dependents->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_dependents->setSizePolicy(keep);
    m_navigator->setView(m_grid);

    auto* left = new QVBoxLayout;
    left->addWidget(m_fieldsGroup, 1);
    left->addWidget(m_toolbar);
    auto* right = new QVBoxLayout;
    right->addWidget(m_searchGroup, 3);
    right->addWidget(m_notes, 2);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left, 5);
    upper->addLayout(right, 2);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 6, 8, 8);
    body->setSpacing(6);
    body->addLayout(upper, 3);
    body->addWidget(m_dependents, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(kTitle, this));
    layout->addLayout(body, 1);

    connect(m_dependents, &DependentsPanel::editingChanged, this, &HolderWindow::onDependentEditing);
    connect(m_dependents, &DependentsPanel::dependentsChanged, this, [this] {
        if (m_hooks.dependentsChanged)
            m_hooks.dependentsChanged();
    });
    wireKeys();

    DesabilitaCampos();
    m_dtContrato->setEnabled(false);
    applyButtonStates();
    CarregaCobrador();
    CarregaVendedor();
    CarregaPlano();
    CarregaCidade();
    CarregaReligiao();
    reloadGrid(m_hooks.selectedHolder);
    if (m_readOnly)
        DesabilitaTudo();
    resize(1280, 720);
}

HolderWindow::~HolderWindow() = default;

QWidget* HolderWindow::buildToolbar()
{
    auto* bar = new QWidget(this);
    m_navigator = new RecordNavigator(bar);
    auto add = [&](const QString& text) {
        QPushButton* b = makeButton(text, bar);
        b->setMinimumWidth(84);
        m_buttons[text] = b;
        return b;
    };
    m_inserir = add(u"&INSERIR"_s);
    m_salvar = add(u"SAL&VAR"_s);
    m_editar = add(u"&EDITAR"_s);
    m_excluir = add(u"E&XCLUIR"_s);
    m_cancelar = add(u"&CANCELAR"_s);
    m_sair = add(u"&SAIR"_s);
    auto* counter = new QGroupBox(u"TITULARES"_s, bar);
    m_recordNumber = counterLabel({}, counter);
    m_recordCount = counterLabel({}, counter);
    auto* counterRow = new QHBoxLayout(counter);
    counterRow->setContentsMargins(8, 2, 8, 2);
    counterRow->addWidget(m_recordNumber);
    counterRow->addWidget(counterLabel(u"DE"_s, counter));
    counterRow->addWidget(m_recordCount);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_navigator);
    for (QPushButton* b : { m_inserir, m_salvar, m_editar, m_excluir, m_cancelar, m_sair })
        row->addWidget(b);
    row->addStretch();
    row->addWidget(counter);

    connect(m_inserir, &QPushButton::clicked, this, &HolderWindow::inserir);
    connect(m_salvar, &QPushButton::clicked, this, &HolderWindow::salvar);
    connect(m_editar, &QPushButton::clicked, this, &HolderWindow::editar);
    connect(m_excluir, &QPushButton::clicked, this, &HolderWindow::Excluir);
    connect(m_cancelar, &QPushButton::clicked, this, &HolderWindow::cancelar);
    connect(m_sair, &QPushButton::clicked, this, &HolderWindow::reject);
    return bar;
}

void HolderWindow::wireKeys()
{
    m_enter = EnterAsTab::install(this);
    m_enter->setEnterAction(m_tipo, [this] {
        if (!m_salvar->isEnabled())
            return false;
        salvar();
        return true;
    });
    m_enter->setEnterAction(m_dependents->statusField(), [this] {
        if (!m_dependents->salvarButton()->isEnabled())
            return false;
        m_dependents->salvar();
        return true;
    });
    m_enter->setEnterAction(m_searchField, [this] { return scanCode(); });
    bindEscape(this, [this] {
        if (m_cancelar->isEnabled())
            cancelar();
        else if (m_dependents->cancelarButton()->isEnabled())
            m_dependents->cancelar();
        else
            reject();
    });
}

void HolderWindow::applyButtonStates()
{
    const bool browse = !m_editing;
    for (QWidget* w : std::initializer_list<QWidget*> { m_inserir, m_editar, m_excluir })
        w->setEnabled(browse && !m_readOnly);
    m_salvar->setEnabled(m_editing && !m_readOnly);
    m_cancelar->setEnabled(m_editing && !m_readOnly);
    m_sair->setEnabled(browse);
    m_navigator->setEnabled(browse);
    m_searchGroup->setEnabled(browse);
    m_notes->setEnabled(browse);
    // The dependents belong to the stored holder; they are out of the way while
    // it is edited.
    m_dependents->setVisible(browse);
}

void HolderWindow::TrataBotoes()
{
    m_editing = !m_editing;
    applyButtonStates();
}

void HolderWindow::DesabilitaTudo()
{
    for (QPushButton* b : { m_inserir, m_salvar, m_editar, m_excluir, m_cancelar })
        b->setEnabled(false);
    m_dependents->setReadOnly(true);
    m_notes->setReadOnly(true);
}

void HolderWindow::onDependentEditing(bool editing)
{
    m_dependentEditing = editing;
    // Everything of the holder waits while one of its dependents is edited.
    for (QWidget* w : std::initializer_list<QWidget*> { m_toolbar, m_fieldsGroup, m_searchGroup, m_notes })
        w->setEnabled(!editing);
    if (!editing)
        applyButtonStates();
}

void HolderWindow::inserir()
{
    if (m_readOnly || m_editing || m_dependentEditing)
        return;
    m_codigo->clear();
    TrataBotoes();
    HabilitaCampos();
    LimpaCampos();
    m_dtContrato->setFocus();
}

void HolderWindow::editar()
{
    if (m_readOnly || m_editing || m_dependentEditing || currentId() == 0)
        return;
    TrataBotoes();
    HabilitaCampos();
    m_vendedor->setFocus();
    m_dtContrato->setEnabled(false);
}

void HolderWindow::cancelar()
{
    if (!m_editing)
        return;
    TrataBotoes();
    DesabilitaCampos();
    m_dtContrato->setEnabled(false);
    // Typed changes are dropped: the stored holder comes back (or nothing, when
    // none is stored).
    onCurrentHolderChanged();
    m_grid->setFocus();
}

QPushButton* HolderWindow::button(const QString& text) const
{
    const auto it = m_buttons.find(text);
    return it == m_buttons.end() ? nullptr : it->second;
}

QWidget* HolderWindow::field(const QString& caption) const
{
    const auto it = m_fieldByCaption.find(caption);
    return it == m_fieldByCaption.end() ? nullptr : it->second;
}

bool HolderWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchField) {
        const int kind = m_searchKind->currentIndex();
        if (event->type() == QEvent::KeyPress && (kind == int(SearchBy::Codigo) || kind == int(SearchBy::Cpf))
            && !isNumericSearchKey(static_cast<QKeyEvent*>(event))) {
            m_session.dialogs().warning(u"Atenção"_s, u"Insira somente valores numéricos!"_s);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress)
            m_searchField->clear();
    }
    // Most holders of the office live in its own town.
    if (watched == m_cep && event->type() == QEvent::FocusIn && m_cep->isEnabled()
        && m_cidade->currentText() == u"IBAITI"_s)
        m_cep->setText(u"84.900-000"_s);
    return QDialog::eventFilter(watched, event);
}

void HolderWindow::keyPressEvent(QKeyEvent* event)
{
    // The fields leave Insert alone, so it reaches the window.
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        if (m_inserir->isEnabled())
            inserir();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HolderWindow::closeEvent(QCloseEvent* event)
{
    // As "&SAIR", the close box waits for the edit to be saved or cancelled: typed data is never
    // dropped without a word.
    if (m_editing || m_dependentEditing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool HolderWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        setWindowTitle(m_session.caption(kTitle));
        // Standard mode was applied once at opening: the operator cannot change while this is open.
        // The focus stays put while a holder or dependent is typed: a message box closing also
        // activates the window.
        if (!m_editing && !m_dependentEditing)
            m_searchField->setFocus();
    }
    return QDialog::event(event);
}

} // namespace zova
