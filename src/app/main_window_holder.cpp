// The selected holder: the list, its search, and the panels that follow the selection.
#include "app/main_window.h"

#include "receipts/today_receipts.h"
#include "ui/field_helpers.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zova {

void MainWindow::openDataSets()
{
    reloadHolders();
    SomaDia();
}

void MainWindow::reloadHolders()
{
    const qint64 keep = selectedHolderId();
    m_holders->load(m_session.db());
    const int row = keep ? m_holders->rowOf(keep) : -1;
    m_holderGrid->setCurrentIndex(m_holders->index(row >= 0 ? row : 0, 0));
    if (m_holders->rowCount() == 0)
        refreshSelectedHolder();
}

qint64 MainWindow::selectedHolderId() const
{
    const QModelIndex current = m_holderGrid->currentIndex();
    return current.isValid() ? m_holders->idAt(current.row()) : 0;
}

QString MainWindow::selectedHolderName() const
{
    const QModelIndex current = m_holderGrid->currentIndex();
    return current.isValid() ? m_holders->titularAt(current.row()) : QString();
}

void MainWindow::selectHolder(qint64 id)
{
    const int row = m_holders->rowOf(id);
    if (row >= 0)
        m_holderGrid->setCurrentIndex(m_holders->index(row, 0));
}

void MainWindow::updateActiveCount()
{
    m_searchGroup->setTitle(u"LOCALIZAR TITULAR (ATIVOS: "_s + counterText(m_holders->rowCount()) + u")"_s);
}

void MainWindow::refreshSelectedHolder()
{
    const qint64 id = selectedHolderId();
    Connection& db = m_session.db();
    if (!db.isOpen())
        return;
    try {
        m_summary = id ? loadBookletSummary(db, id) : std::nullopt;
        showSummary(m_summary);
        if (id) {
            m_dependents->setResult(
                db.query(u"select id, nome, grau, status from dependentes where id_cliente = ? order by id"_s,
                    { id }));
            m_installments->setResult(db.query(
                u"select parcela_boleto, valor_parcela_boleto, vencimento_parcela_boleto, "
                u"pgto_parcela_boleto, "
                "status_parcela_boleto, f_pagamento from boleto where id_cliente = ? order by parcela_boleto"_s,
                { id }));
            m_adesao->setResult(
                db.query(u"select vendedor, valor, data from adesao where id_cliente = ?"_s, { id }));
        } else {
            m_dependents->clear();
            m_installments->clear();
            m_adesao->clear();
        }
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
    TrataCampos();
    UMesParcela();
}

void MainWindow::showSummary(const std::optional<BookletSummary>& s)
{
    const QString red = u"background:#FF0000;"_s;
    if (!s) {
        for (auto& [name, label] : m_panel) {
            if (name != u"DEP. EXTRA"_s)
                label->clear();
        }
        m_delivered->setStyleSheet(red);
        m_delivered->setToolTip(u"CARNÊ NÃO ENTREGUE"_s);
        return;
    }
    m_panel[u"PLANO"_s]->setText(s->plano);
    m_panel[u"PENDÊNCIA"_s]->setText(pendenciaText(*s));
    m_panel[u"PENDÊNCIA"_s]->setStyleSheet(u"color:%1; font-weight:bold;"_s.arg(pendenciaColor(*s).name()));
    m_panel[u"CARNÊ"_s]->setText(carneText(*s));
    m_panel[u"ÚLT. VENC."_s]->setText(s->ultimoVencimento);
    m_panel[u"PARCELA:"_s]->setText(parcelaText(*s));
    m_panel[u"SEGURO:"_s]->setText(seguroText(*s));
    m_panel[u"DEP. EXTRA"_s]->setText(depExtraCaption(*s));
    m_panel[u"DEP. EXTRA VALOR"_s]->setText(depExtraText(*s));
    m_delivered->setStyleSheet(s->entregue ? u"background:#008000;"_s : red);
    m_delivered->setToolTip(s->entregue ? u"CARNÊ ENTREGUE"_s : u"CARNÊ NÃO ENTREGUE"_s);
}

void MainWindow::TrataCampos()
{
    const bool empty = m_installments->isEmpty();
    if (empty && m_session.isStandardMode())
        return; // left as they are
    const bool enable = empty && selectedHolderId() != 0;
    for (QWidget* w :
        { static_cast<QWidget*>(m_parcelas), static_cast<QWidget*>(m_mes), static_cast<QWidget*>(m_ano),
            static_cast<QWidget*>(m_inicial), generationControl(u"GERAR CARNÊ"_s) })
        w->setEnabled(enable);
}

void MainWindow::UMesParcela()
{
    if (!m_summary)
        return;
    const QDate today = m_session.clock().today();
    m_ano->setCurrentText(QString::number(today.year()));
    std::optional<QDate> lastDue;
    const ResultSet& rows = m_installments->result();
    if (!rows.isEmpty())
        lastDue = rows.date(rows.rowCount() - 1, u"vencimento_parcela_boleto");
    m_mes->setCurrentText(proposedFirstMonth(m_summary->ultimoVencimento, lastDue, today));
}

void MainWindow::SomaDia()
{
    const QDate today = m_session.clock().today();
    try {
        const DayReceipts r = zova::SomaDia(m_session.db(), today);
        m_receiptsGroup->setTitle(dayReceiptsCaption(today));
        m_receipts->setResult(r.rows);
        m_receiptsTotal->setText(dayReceiptsTotalText(r));
        m_receiptsCount->setText(dayReceiptsCountText(r));
        m_receiptsGrid->setCurrentIndex(m_receipts->index(0, 0));
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
    }
}

void MainWindow::toggleDelivered()
{
    if (!m_summary)
        return;
    const QString name = m_summary->titular;
    const bool delivered
        = loadBookletSummary(m_session.db(), m_summary->holderId).value_or(*m_summary).entregue;
    const QString question = delivered
        ? u"Confirma cancelamento de entrega do carnê de \""_s + name + u"\"?\r\r"_s
        : u"Confirma entrega do carnê de \""_s + name + u"\"?\r\r"_s;
    if (!m_session.dialogs().question(u"Confirmação"_s, question))
        return;
    try {
        setBookletDelivered(m_session.db(), m_summary->holderId, !delivered);
        m_delivered->setStyleSheet(delivered ? u"background:#FF0000;"_s : u"background:#008000;"_s);
    } catch (const DbError& e) {
        m_session.dialogs().error(
            u"Erro"_s, u"Não foi possível gravar as informações. Erro: "_s + e.message());
    }
}

void MainWindow::onSearchKindChanged()
{
    static const int lengths[] = { 150, 13, 10, 10 };
    const int kind = m_searchKind->currentIndex();
    m_searchField->setInputMask(kind == 3 ? u"999.999.999-99;_"_s : QString());
    m_searchField->clear();
    m_searchField->setMaxLength(kind == 3 ? 14 : lengths[kind]);
    m_searchField->setFocus();
}

void MainWindow::onSearchEdited(const QString& typed)
{
    const int kind = m_searchKind->currentIndex();
    QString text = typed;
    if (kind == 0 && text != text.toUpper()) {
        const int pos = m_searchField->cursorPosition();
        text = text.toUpper();
        m_searchField->setText(text);
        m_searchField->setCursorPosition(pos);
    }
    if (kind == 1 && (text.size() == 4 || text.size() == 7) && !text.endsWith(u'/')) {
        text += u'/';
        m_searchField->setText(text);
        m_searchField->end(false);
    }
    if (kind == 3) // the typed part of the mask: up to the first blank
        text = m_searchField->displayText().section(u'_', 0, 0);
    if (kind == 2 && text.isEmpty())
        return;
    const int row = m_holders->find(static_cast<HolderListModel::SearchKind>(kind), text);
    if (row >= 0)
        m_holderGrid->setCurrentIndex(m_holders->index(row, 0));
}

bool MainWindow::searchKeyFilter(QKeyEvent* key)
{
    const int kind = m_searchKind->currentIndex();
    if (kind != 2 && kind != 3)
        return false;
    const bool allowed = isNumericSearchKey(key);
    if (allowed)
        return false;
    m_session.dialogs().warning(u"Atenção"_s, u"Insira somente valores numéricos!\r\r"_s);
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchField) {
        if (event->type() == QEvent::KeyPress)
            return searchKeyFilter(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseButtonPress)
            m_searchField->clear();
    }
    if ((watched == m_receiptsGrid || watched == m_adesaoGrid) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers().testFlag(Qt::ControlModifier))
            return true; // rows are never deleted from these grids
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_session.db().isOpen())
        QMetaObject::invokeMethod(this, &MainWindow::firstRunCheck, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

} // namespace zova
