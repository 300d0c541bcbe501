// The holder grid, its search box and its counter.
#include "holders/holder_window.h"

#include "db/db_error.h"
#include "holders/dependents_panel.h"
#include "holders/notes_panel.h"
#include "ui/currency_edit.h"
#include "ui/dialogs.h"
#include "ui/field_helpers.h"
#include "ui/record_navigator.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

QGroupBox* HolderWindow::buildSearchGroup()
{
    auto* group = new QGroupBox(u"CONSULTA DE TITULARES"_s, this);
    m_searchKind = new QComboBox(group);
    m_searchKind->addItems({ u"Titular"_s, u"Contrato"_s, u"Código"_s, u"CPF"_s });
    m_searchField = new QLineEdit(group);
    m_searchField->setMaxLength(150);
    m_searchField->installEventFilter(this);
    m_buscaAvancada = makeButton(u"BUSCA A&VANÇADA"_s, group);
    // The advanced search comes with its own window; until then the button stays
    // off.
    m_buscaAvancada->setEnabled(false);
    m_buttons[m_buscaAvancada->text()] = m_buscaAvancada;

    m_model = new ResultTableModel(
        {
            { u"id"_s, u"Cód."_s, CellFormat::integer(), std::nullopt, 60 },
            { u"contrato"_s, u"Contrato"_s, CellFormat::text(), std::nullopt, 100 },
            { u"titular"_s, u"Titular"_s, CellFormat::text(), std::nullopt, 0 },
        },
        this);
    m_grid = new QTableView(group);
    setupGrid(*m_grid, *m_model);
    m_grid->setMinimumWidth(330);

    connect(m_searchKind, &QComboBox::currentIndexChanged, this, &HolderWindow::onSearchKindChanged);
    connect(m_searchField, &QLineEdit::textEdited, this, &HolderWindow::search);
    connect(m_grid, &QTableView::clicked, m_searchField, &QLineEdit::clear);
    connect(m_grid, &QTableView::doubleClicked, this, &HolderWindow::chooseHolder);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_reloading)
            onCurrentHolderChanged();
    });

    auto* row = new QHBoxLayout;
    row->addWidget(m_searchKind);
    row->addWidget(m_searchField, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(row);
    layout->addWidget(m_buscaAvancada);
    layout->addWidget(m_grid, 1);
    return group;
}

void HolderWindow::onSearchKindChanged()
{
    static const int lengths[] = { 150, 13, 10, 10 };
    const int kind = m_searchKind->currentIndex();
    m_searchField->setInputMask(kind == int(SearchBy::Cpf) ? u"999.999.999-99;_"_s : QString());
    if (kind != int(SearchBy::Cpf))
        m_searchField->setMaxLength(lengths[kind]);
    m_searchField->clear();
    m_searchField->setFocus();
}

void HolderWindow::search(const QString& typed)
{
    const int kind = m_searchKind->currentIndex();
    QString text = typed;
    if (kind == int(SearchBy::Titular) && text != text.toUpper()) {
        const int pos = m_searchField->cursorPosition();
        text = text.toUpper();
        m_searchField->setText(text);
        m_searchField->setCursorPosition(pos);
    }
    // Contract numbers read "2024/05/00012": the operator types only the digits.
    if (kind == int(SearchBy::Contrato) && (text.size() == 4 || text.size() == 7) && !text.endsWith(u'/')) {
        text += u'/';
        m_searchField->setText(text);
        m_searchField->end(false);
    }
    if (kind == int(SearchBy::Cpf)) // the typed part of the mask: up to the first blank
        text = m_searchField->displayText().section(u'_', 0, 0);
    if (text.isEmpty() && kind == int(SearchBy::Codigo))
        return;
    static const char16_t* const columns[] = { u"titular", u"contrato", u"id", u"cpf" };
    moveToPrefix(*m_grid, *m_model, QStringView(columns[kind]), text);
}

bool HolderWindow::scanCode()
{
    const QString text = m_searchField->text();
    if (m_searchKind->currentIndex() != int(SearchBy::Codigo) || (text.size() != 8 && text.size() != 10))
        return false;
    // A scanned stub begins with the six-digit holder code.
    const QString code = QString::number(text.left(6).toLongLong());
    m_searchField->setText(code);
    search(code);
    return true;
}

void HolderWindow::reloadGrid(qint64 id)
{
    const QModelIndex before = m_grid->currentIndex();
    const int row = before.isValid() ? before.row() : 0;
    {
        const QScopedValueRollback reloading(m_reloading, true);
        try {
            m_model->setResult(loadHolderRows(m_session.db()));
        } catch (const DbError& e) {
            m_model->clear();
            m_session.dialogs().error(u"Erro"_s, e.message());
        }
        const int rows = m_model->rowCount();
        if (rows > 0 && !(id != 0 && moveToId(id)))
            m_grid->setCurrentIndex(m_model->index(std::min(row, rows - 1), 0));
    }
    m_navigator->updateButtons();
    onCurrentHolderChanged();
}

bool HolderWindow::moveToId(qint64 id)
{
    if (!moveToValue(*m_grid, *m_model, u"id", id))
        return false;
    m_grid->scrollTo(m_grid->currentIndex(), QAbstractItemView::PositionAtCenter);
    return true;
}

qint64 HolderWindow::currentId() const
{
    return currentInteger(*m_grid, *m_model, u"id");
}

void HolderWindow::showCounter()
{
    const QModelIndex current = m_grid->currentIndex();
    m_recordNumber->setText(counterText(current.isValid() ? current.row() + 1 : 0));
    m_recordCount->setText(counterText(m_model->rowCount()));
}

void HolderWindow::onCurrentHolderChanged()
{
    const qint64 id = currentId();
    if (id == 0)
        emptyFields();
    else
        CarregaCampos();
    const QString contract
        = id == 0 ? QString() : m_model->result().text(m_grid->currentIndex().row(), u"contrato");
    m_dependents->setHolder(id, splitPlanText(m_plano->currentText()).id, m_parcela->value());
    m_notes->setHolder(id, m_titular->text(), contract);
    showCounter();
}

void HolderWindow::chooseHolder()
{
    const qint64 id = currentId();
    if (id == 0 || m_editing || m_dependentEditing)
        return;
    if (m_hooks.holderChosen && m_hooks.holderChosen(id))
        accept();
}

} // namespace zova
