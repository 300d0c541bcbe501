#include "app/activity_log_window.h"

#include "db/connection.h"
#include "ui/date_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/result_table_model.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

ActivityLogWindow::ActivityLogWindow(Session& session, PrintHook print, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_print(std::move(print))
{
    setWindowTitle(session.caption(u"LOG DE AÇÕES"_s));

    auto* note = new QLabel(u"*O log armazena registros de até 3 meses"_s, this);
    setLabelStyle(note, kRed, 0, false);

    m_count = captionLabel(u"Foram encontrados..."_s, this);
    m_model = new ResultTableModel(
        {
            { u"codigo"_s, u"Cód."_s, CellFormat::integer(), std::nullopt, 60 },
            { u"login"_s, u"Usuário"_s, CellFormat::text(), std::nullopt, 160 },
            { u"acao"_s, u"Ação"_s, CellFormat::text(), std::nullopt, 430 },
            { u"data"_s, u"Data"_s, CellFormat::date(), std::nullopt, 84 },
            { u"hora"_s, u"Hora"_s, CellFormat::time(), std::nullopt, 70 },
        },
        this);
    m_grid = new QTableView(this);
    setupGrid(*m_grid, *m_model);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch); // Ação

    m_imprimir = makeButton(u"&IMPRIMIR"_s, this);
    m_sair = makeButton(u"&SAIR"_s, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note);
    buttons->addStretch();
    buttons->addWidget(m_imprimir);
    buttons->addWidget(m_sair);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(6);
    body->addWidget(buildFilters());
    body->addWidget(m_count);
    body->addWidget(m_grid, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(u"LOG DE AÇÕES"_s, this));
    layout->addLayout(body, 1);
    resize(900, 560);

    EnterAsTab* enter = EnterAsTab::install(this);
    enter->setEnterAction(m_action, [this] {
        Consulta();
        return true;
    });
    bindEscape(this, [this] { reject(); });

    connect(m_consultar, &QPushButton::clicked, this, &ActivityLogWindow::Consulta);
    connect(m_imprimir, &QPushButton::clicked, this, &ActivityLogWindow::imprimir);
    connect(m_sair, &QPushButton::clicked, this, &ActivityLogWindow::reject);
    m_from->setFocus();
}

QWidget* ActivityLogWindow::buildFilters()
{
    auto* group = new QGroupBox(u"CONSULTA"_s, this);
    m_from = new DateEdit(group);
    m_to = new DateEdit(group);
    const QDate today = m_session.clock().today();
    m_from->setDate(today);
    m_to->setDate(today);
    for (DateEdit* date : { m_from, m_to })
        date->setFixedWidth(96);

    m_action = new QLineEdit(group);
    keepUpperCase(m_action);
    // A click starts a new keyword.
    m_action->installEventFilter(this);

    m_user = new QComboBox(group);
    m_user->setEditable(true);
    m_user->setInsertPolicy(QComboBox::NoInsert);
    m_user->setMinimumWidth(180);
    keepUpperCase(m_user->lineEdit());

    m_consultar = makeButton(u"&CONSULTAR"_s, group);

    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(u"DATA INICIAL"_s, group), 0, 0);
    grid->addWidget(new QLabel(u"DATA FINAL"_s, group), 0, 1);
    grid->addWidget(new QLabel(u"AÇÃO (PALAVRA CHAVE PARCIAL)"_s, group), 0, 2);
    grid->addWidget(new QLabel(u"USUÁRIO"_s, group), 0, 3);
    grid->addWidget(m_from, 1, 0);
    grid->addWidget(m_to, 1, 1);
    grid->addWidget(m_action, 1, 2);
    grid->addWidget(m_user, 1, 3);
    grid->addWidget(m_consultar, 1, 4);
    grid->setColumnStretch(2, 3);
    grid->setColumnStretch(3, 1);

    setTabOrder(m_from, m_to);
    setTabOrder(m_to, m_action);
    setTabOrder(m_action, m_user);
    setTabOrder(m_user, m_consultar);
    return group;
}

bool ActivityLogWindow::checkDate(const DateEdit* field)
{
    if (field->isValidDate())
        return true;
    m_session.dialogs().error(u"Erro"_s, u"'"_s + field->text() + u"' não é uma data válida"_s);
    return false;
}

bool ActivityLogWindow::Consulta()
{
    if (!checkDate(m_from) || !checkDate(m_to))
        return false;
    const LogFilter filter { m_from->date(), m_to->date(), m_action->text(), m_user->currentText() };
    try {
        m_model->setResult(queryLog(m_session.db(), filter));
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return false;
    }
    m_count->setText(u"Foram encontrados %1 registros"_s.arg(m_model->rowCount()));
    return true;
}

void ActivityLogWindow::imprimir()
{
    if (!Consulta())
        return;
    const ResultSet rows = m_model->result();
    // The grid stays empty until the next query.
    m_model->clear();
    if (!m_print)
        return;
    m_print(rows,
        u"RELATÓRIO - LOG DE AÇÕES - ATIVIDADES DO USUÁRIO DE: "_s + m_from->text() + u" A "_s + m_to->text(),
        windowTitle(), u"Impresso por: "_s + m_session.operatorLabel().trimmed());
}

void ActivityLogWindow::CarregaUsuarios()
{
    ResultSet logins;
    try {
        logins = m_session.db().query(u"select distinct login from log order by login asc"_s);
    } catch (const DbError&) {
        // Runs on every activation: a message box here would reactivate the window and loop.
        // The query itself reports the failure.
        return;
    }
    const QString typed = m_user->currentText();
    m_user->clear();
    for (int row = 0; row < logins.rowCount(); ++row) {
        const QString login = logins.text(row, 0).trimmed();
        if (!login.isEmpty())
            m_user->addItem(login);
    }
    m_user->setEditText(typed);
}

bool ActivityLogWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        CarregaUsuarios();
    return QDialog::event(event);
}

bool ActivityLogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_action && event->type() == QEvent::MouseButtonPress)
        m_action->clear();
    return QDialog::eventFilter(watched, event);
}

} // namespace zova
