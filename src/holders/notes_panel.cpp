#include "holders/notes_panel.h"

#include "db/db_error.h"
#include "holders/history_note_viewer.h"
#include "holders/history_note_window.h"
#include "holders/history_notes.h"
#include "ui/field_helpers.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// The note's number (`id`) is loaded too but not shown: a deletion names the note by it.
std::vector<GridColumn> gridColumns()
{
    return {
        { u"data"_s, u"Data"_s, CellFormat::date(), std::nullopt, 82 },
        { u"historico"_s, u"Histórico"_s, CellFormat::text(), std::nullopt, 0 },
    };
}

QPushButton* hintedButton(const QString& text, const QString& hint, QWidget* parent)
{
    QPushButton* button = makeButton(text, parent);
    button->setMinimumWidth(84); // the panel shares the window's width with the holder's fields
    button->setToolTip(hint);
    return button;
}

} // namespace

NotesPanel::NotesPanel(Session& session, QWidget* holderWindow, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_holderWindow(holderWindow)
{
    m_model = new ResultTableModel(gridColumns(), this);
    m_grid = new QTableView(this);
    setupGrid(*m_grid, *m_model);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(240);
    m_abrir = new QAction(u"Abrir Histórico do Titular"_s, m_grid);
    m_grid->addAction(m_abrir);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildToolbar());
    m_navigator->setView(m_grid);

    connect(m_incluir, &QPushButton::clicked, this, &NotesPanel::incluir);
    connect(m_excluir, &QPushButton::clicked, this, &NotesPanel::excluir);
    connect(m_abrir, &QAction::triggered, this, &NotesPanel::abrir);
    showCount();
}

QWidget* NotesPanel::buildToolbar()
{
    auto* bar = new QWidget(this);
    m_navigator = new RecordNavigator(bar);
    m_incluir = hintedButton(u"INCLUIR"_s, u"INCLUIR HISTÓRICO"_s, bar);
    m_excluir = hintedButton(u"EXCLUIR"_s, u"EXCLUIR HISTÓRICO"_s, bar);

    auto* counter = new QGroupBox(u"HISTÓRICOS"_s, bar);
    m_count = counterLabel({}, counter);
    // Wide enough for its title, which a narrow group would cut.
    counter->setMinimumWidth(counter->fontMetrics().horizontalAdvance(counter->title()) + 32);
    auto* counterRow = new QHBoxLayout(counter);
    counterRow->setContentsMargins(12, 2, 12, 2);
    counterRow->addWidget(m_count, 0, Qt::AlignCenter);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_navigator);
    row->addWidget(m_incluir);
    row->addWidget(m_excluir);
    row->addStretch();
    row->addWidget(counter);
    return bar;
}

void NotesPanel::setHolder(qint64 holderId, const QString& name, const QString& contract)
{
    m_holderId = holderId;
    m_name = name;
    m_contract = contract;
    Historico();
}

void NotesPanel::Historico()
{
    reload(0, 0);
}

void NotesPanel::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_incluir->setEnabled(!readOnly);
    m_excluir->setEnabled(!readOnly);
}

qint64 NotesPanel::currentNumber() const
{
    return currentInteger(*m_grid, *m_model, u"id");
}

void NotesPanel::showCount()
{
    m_count->setText(counterText(m_model->rowCount()));
}

void NotesPanel::reload(qint64 selectNumber, int fallbackRow)
{
    try {
        if (m_holderId == 0)
            m_model->clear();
        else
            m_model->setResult(loadNotes(m_session.db(), m_holderId));
    } catch (const DbError& e) {
        m_model->clear();
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
    const int rows = m_model->rowCount();
    if (rows > 0 && !(selectNumber != 0 && moveToValue(*m_grid, *m_model, u"id", selectNumber))) {
        m_grid->setCurrentIndex(m_model->index(std::clamp(fallbackRow, 0, rows - 1), 0));
        m_grid->scrollTo(m_grid->currentIndex());
    }
    m_navigator->updateButtons();
    showCount();
}

void NotesPanel::incluir()
{
    if (m_readOnly || m_holderId == 0)
        return;
    HistoryNoteWindow window(m_session, m_holderId, m_name, this);
    connect(&window, &HistoryNoteWindow::noteSaved, this, [this](qint64 number) { reload(number, 0); });
    m_session.openWindow(window, m_holderWindow.data());
}

void NotesPanel::excluir()
{
    if (m_readOnly || m_holderId == 0)
        return;
    Dialogs& dialogs = m_session.dialogs();
    if (!dialogs.question(u"Confirmação"_s,
            u"Deseja realmente efetuar a exclusão de Histórico do(a) titular \""_s + m_name + u"\"?"_s))
        return;
    const qint64 number = currentNumber();
    if (number != 0) {
        const int row = m_grid->currentIndex().row();
        try {
            deleteNote(m_session.db(), m_holderId, number);
        } catch (const DbError& e) {
            dialogs.error(u"Erro"_s,
                u"Ocorreu um erro ao fazer exclusão de Histórico. Procedimento cancelado. Erro: "_s
                    + e.message() + u"."_s);
            return;
        }
        reload(0, row);
    }
    m_session.GravaLog(u"EXCLUIU HISTÓRICO "_s + m_contract + u" - TITULAR "_s + m_name);
    showCount();
}

void NotesPanel::abrir()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const ResultSet& rs = m_model->result();
    HistoryNoteViewer viewer(
        m_session, m_name, rs.date(current.row(), u"data"), rs.text(current.row(), u"historico"), this);
    m_session.openWindow(viewer, nullptr);
}

} // namespace zova
