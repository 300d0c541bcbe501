#pragma once

#include "db/result_set.h"
#include "layouts/layout_definition.h"
#include "ui/result_table_model.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace zova {

class Connection;
class DateEdit;
class EnterAsTab;
class ReportOutput;
class Session;
class SqlText;

// Values of a filter list, read from the database each time the window becomes active.
using ListLoader = std::function<QStringList(Connection&)>;

// Cities and collectors of active holders, and cities of holders of any status, in the server's
// order; trimmed, blanks and repeats left out.
QStringList activeHolderCities(Connection& conn);
QStringList activeHolderCollectors(Connection& conn);
QStringList everyHolderCity(Connection& conn);

// The pattern of every report window: filters in a "CONSULTA" group, "&CONSULTAR" filling the
// grid with the count (and, in money reports, the total), "&IMPRIMIR" querying again and
// handing the filled layout to the preview, "&SAIR" and Esc closing. A report window declares
// its filters, grid columns and money total in its constructor and gives its statement, print
// title and layout; the rest lives here.
class ReportWindow : public QDialog {
    Q_OBJECT

public:
    ~ReportWindow() override;

    // Runs the listing with the current filters. False when a date is impossible or the
    // query failed (the operator was told and the grid keeps what it showed).
    bool Consulta();
    // "&IMPRIMIR": queries again, leaves the grid empty until the next query, prints.
    void imprimir();
    // The caption and the filter lists, again each time the window becomes active.
    void FormActivate();

    // Where printed documents go (not owned); by default the preview, or PDF files when
    // ZOVA_REPORT_PDF_DIR is set.
    void setOutput(ReportOutput* output) { m_output = output; }

    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QLabel* countLabel() const { return m_count; }
    // Null unless the window shows a money total.
    QLabel* totalLabel() const { return m_total; }
    QPushButton* consultarButton() const { return m_consultar; }
    QPushButton* imprimirButton() const { return m_imprimir; }
    QPushButton* sairButton() const { return m_sair; }
    // The filters in screen order.
    const std::vector<QWidget*>& filters() const { return m_filters; }

protected:
    ReportWindow(Session& session, const QString& title, QWidget* parent = nullptr);

    Session& session() const { return m_session; }

    // Declarations, in screen order.
    // A date box showing today's date.
    DateEdit* addDateFilter(const QString& caption);
    // A list typed in upper case, refilled on activation; with `allItem` ("TODAS", "TODOS") the
    // list starts with it, cannot be typed into, and that item means no filter.
    QComboBox* addListFilter(const QString& caption, ListLoader loader, const QString& allItem = {});
    // A fixed list that starts empty (no filter) and is typed in upper case.
    QComboBox* addFixedList(const QString& caption, const QStringList& items);
    void setGridColumns(std::vector<GridColumn> columns);
    // A money report: the total group ("TOTAL A RECEBER") sums `field` over the rows.
    void setMoneyTotal(const QString& groupCaption, const QString& field);

    // The chosen value of a list, empty for none (or for its "TODAS"/"TODOS" item).
    QString listValue(const QComboBox* list) const;
    // A date as the operator typed it (dd/mm/yyyy), for titles.
    static QString dateShown(const DateEdit* date);

    // The statement for the current filters; dates are valid when this is called.
    virtual void composeQuery(SqlText& sql) const = 0;
    // The printed title, built from the filters as the operator sees them.
    virtual QString printTitle() const = 0;
    // The layout to print. The window fills its title, caption, "Impresso por" and total.
    virtual ReportLayout printLayout() const = 0;

    bool event(QEvent* event) override;

private:
    struct ListFilter {
        QComboBox* list;
        ListLoader loader;
        QString allItem;
    };
    void addFilter(const QString& caption, QWidget* field);
    void refill(const ListFilter& filter);
    bool checkDates();
    ReportOutput& output();

    Session& m_session;
    QString m_title;
    QGridLayout* m_filterGrid = nullptr;
    std::vector<QWidget*> m_filters;
    std::vector<DateEdit*> m_dates;
    std::vector<ListFilter> m_lists;
    EnterAsTab* m_enter = nullptr;
    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;
    QLabel* m_count = nullptr;
    QGroupBox* m_totalGroup = nullptr;
    QLabel* m_total = nullptr;
    QString m_totalField;
    QPushButton* m_consultar = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_sair = nullptr;
    ReportOutput* m_output = nullptr;
    std::unique_ptr<ReportOutput> m_defaultOutput;
};

} // namespace zova
