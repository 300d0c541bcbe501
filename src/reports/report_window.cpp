#include "reports/report_window.h"

#include "core/money.h"
#include "layouts/listing_layout.h"
#include "layouts/report_document.h"
#include "layouts/report_output.h"
#include "reports/sql_text.h"
#include "ui/colours.h"
#include "ui/date_edit.h"
#include "ui/enter_as_tab.h"
#include "ui/field_helpers.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {
namespace {

QStringList distinctValues(const ResultSet& rows)
{
    QStringList values;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString v = rows.text(row, 0).trimmed();
        if (!v.isEmpty() && !values.contains(v))
            values << v;
    }
    return values;
}

QComboBox* makeList(QWidget* parent, bool editable)
{
    auto* list = new QComboBox(parent);
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumWidth(170);
    if (editable)
        keepUpperCase(list->lineEdit());
    return list;
}

void fill(ReportLayout& layout, QStringView element, const QString& text)
{
    if (Element* e = layout.findElement(element))
        e->text = text;
}

} // namespace

QStringList activeHolderCities(Connection& conn)
{
    return distinctValues(conn.query(
        u"select distinct clientes.cidade from clientes where clientes.status = ? order by clientes.cidade asc"_s,
        { u"ATIVO"_s }));
}

QStringList activeHolderCollectors(Connection& conn)
{
    return distinctValues(conn.query(
        u"select distinct clientes.cobrador from clientes where clientes.status = ? order by clientes.cobrador asc"_s,
        { u"ATIVO"_s }));
}

QStringList everyHolderCity(Connection& conn)
{
    return distinctValues(
        conn.query(u"select distinct clientes.cidade from clientes order by clientes.cidade asc"_s));
}

ReportWindow::ReportWindow(Session& session, const QString& title, QWidget* parent)
    : QDialog(parent ? parent : session.mainWindow())
    , m_session(session)
    , m_title(title)
{
    setWindowTitle(session.caption(title));

    auto* group = new QGroupBox(u"CONSULTA"_s, this);
    m_filterGrid = new QGridLayout;
    m_filterGrid->setHorizontalSpacing(10);
    m_filterGrid->setVerticalSpacing(2);
    m_consultar = makeButton(u"&CONSULTAR"_s, group);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addLayout(m_filterGrid);
    groupLayout->addStretch(1);
    groupLayout->addWidget(m_consultar, 0, Qt::AlignBottom);

    m_model = new ResultTableModel({}, this);
    m_grid = new QTableView(this);
    setupGrid(*m_grid, *m_model);

    m_count = captionLabel(u"Foram encontrados..."_s, this);
    m_totalGroup = new QGroupBox(this);
    m_totalGroup->hide();
    m_imprimir = makeButton(u"&IMPRIMIR"_s, this);
    m_sair = makeButton(u"&SAIR"_s, this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1, Qt::AlignTop);
    bottom->addWidget(m_totalGroup);
    bottom->addWidget(m_imprimir, 0, Qt::AlignBottom);
    bottom->addWidget(m_sair, 0, Qt::AlignBottom);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(6);
    body->addWidget(group);
    body->addWidget(m_grid, 1);
    body->addLayout(bottom);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TitleBand(title, this));
    layout->addLayout(body, 1);
    setFixedSize(920, 580);

    m_enter = EnterAsTab::install(this);
    bindEscape(this, [this] { reject(); });
    connect(m_consultar, &QPushButton::clicked, this, [this] { Consulta(); });
    connect(m_imprimir, &QPushButton::clicked, this, &ReportWindow::imprimir);
    connect(m_sair, &QPushButton::clicked, this, &ReportWindow::reject);
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::addFilter(const QString& caption, QWidget* field)
{
    const int column = static_cast<int>(m_filters.size());
    m_filterGrid->addWidget(captionLabel(caption, field->parentWidget()), 0, column);
    m_filterGrid->addWidget(field, 1, column);
    m_filters.push_back(field);
    // Enter on the last filter queries; on the others it moves on.
    m_enter->setEnterAction(field, [this, field] {
        if (m_filters.back() != field)
            return false;
        Consulta();
        return true;
    });
    QWidget* previous = column == 0 ? nullptr : m_filters[static_cast<size_t>(column - 1)];
    if (previous)
        setTabOrder(previous, field);
    setTabOrder(field, m_consultar);
    setTabOrder(m_consultar, m_grid);
    setTabOrder(m_grid, m_imprimir);
    setTabOrder(m_imprimir, m_sair);
    if (column == 0)
        field->setFocus();
}

DateEdit* ReportWindow::addDateFilter(const QString& caption)
{
    auto* date = new DateEdit(m_consultar->parentWidget());
    date->setDate(m_session.clock().today());
    date->setFixedWidth(96);
    m_dates.push_back(date);
    addFilter(caption, date);
    return date;
}

QComboBox* ReportWindow::addListFilter(const QString& caption, ListLoader loader, const QString& allItem)
{
    QComboBox* list = makeList(m_consultar->parentWidget(), allItem.isEmpty());
    if (!allItem.isEmpty())
        list->addItem(allItem);
    m_lists.push_back({ list, std::move(loader), allItem });
    addFilter(caption, list);
    return list;
}

QComboBox* ReportWindow::addFixedList(const QString& caption, const QStringList& items)
{
    QComboBox* list = makeList(m_consultar->parentWidget(), true);
    list->setMinimumWidth(120);
    list->addItems(items);
    list->setCurrentIndex(-1);
    addFilter(caption, list);
    return list;
}

void ReportWindow::setGridColumns(std::vector<GridColumn> columns)
{
    m_model->setColumns(std::move(columns));
}

void ReportWindow::setMoneyTotal(const QString& groupCaption, const QString& field)
{
    m_totalField = field;
    m_totalGroup->setTitle(groupCaption);
    m_total = new QLabel(u"R$00,00"_s, m_totalGroup);
    setLabelStyle(m_total, kRed, 12, true);
    m_total->setMinimumWidth(150);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* layout = new QHBoxLayout(m_totalGroup);
    layout->addWidget(m_total);
    m_totalGroup->show();
}

QString ReportWindow::listValue(const QComboBox* list) const
{
    const QString text = list->currentText().trimmed();
    for (const ListFilter& f : m_lists) {
        if (f.list == list && !f.allItem.isEmpty() && text == f.allItem)
            return {};
    }
    return text;
}

QString ReportWindow::dateShown(const DateEdit* date)
{
    return date->text();
}

bool ReportWindow::checkDates()
{
    for (DateEdit* date : m_dates) {
        if (!date->isValidDate()) {
            m_session.dialogs().error(u"Erro"_s, u"'"_s + date->text() + u"' não é uma data válida"_s);
            date->setFocus();
            return false;
        }
    }
    return true;
}

bool ReportWindow::Consulta()
{
    if (!checkDates())
        return false;
    ResultSet rows;
    try {
        SqlText sql(m_session.db());
        composeQuery(sql);
        rows = m_session.db().query(sql.text());
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return false;
    }
    Money total;
    const int totalColumn = m_totalField.isEmpty() ? -1 : rows.columnIndex(m_totalField);
    for (int row = 0; totalColumn >= 0 && row < rows.rowCount(); ++row)
        total += rows.money(row, totalColumn);
    const int count = rows.rowCount();
    m_model->setResult(std::move(rows));
    m_count->setText(u"Foram encontrados "_s + QString::number(count) + u" registros"_s);
    if (m_total)
        m_total->setText(total.format(MoneyFormat::Spaced));
    return true;
}

void ReportWindow::imprimir()
{
    if (!Consulta())
        return;
    ResultSet rows = m_model->result();
    // The grid stays empty until the next query.
    m_model->clear();
    ReportLayout layout = printLayout();
    fill(layout, kTitleElement, printTitle());
    fill(layout, kCaptionElement, windowTitle());
    fill(layout, kPrintedByElement, u"Impresso por: "_s + m_session.operatorLabel().trimmed());
    if (m_total)
        fill(layout, kTotalElement, m_total->text());
    ReportDocument document(std::move(layout), std::move(rows));
    document.setPrintedAt(m_session.clock().now());
    output().present(document, this);
}

ReportOutput& ReportWindow::output()
{
    if (m_output)
        return *m_output;
    if (!m_defaultOutput)
        m_defaultOutput = defaultReportOutput(m_session.dialogs());
    return *m_defaultOutput;
}

void ReportWindow::FormActivate()
{
    setWindowTitle(m_session.caption(m_title));
    for (const ListFilter& filter : m_lists)
        refill(filter);
}

void ReportWindow::refill(const ListFilter& filter)
{
    QStringList values;
    try {
        values = filter.loader(m_session.db());
    } catch (const DbError&) {
        // Runs on every activation: a message box here would activate the window again and
        // loop. The query reports the failure when the operator runs it.
        return;
    }
    QComboBox* list = filter.list;
    const QString kept = list->currentText();
    const QSignalBlocker block(list);
    list->clear();
    if (!filter.allItem.isEmpty())
        list->addItem(filter.allItem);
    list->addItems(values);
    if (filter.allItem.isEmpty()) {
        // The operator's typing survives the refill (it runs again after every preview).
        list->setCurrentIndex(-1);
        list->setEditText(kept);
    } else {
        list->setCurrentIndex(std::max(0, list->findText(kept)));
    }
}

bool ReportWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

} // namespace zova
