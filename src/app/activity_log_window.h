#pragma once

#include "app/activity_log.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zova {

class DateEdit;
class ResultTableModel;
class Session;

// The activity log: entries of a period, optionally narrowed by part of the action text and by
// operator, newest first, shown in a grid and printed.
class ActivityLogWindow : public QDialog {
    Q_OBJECT

public:
    // Prints the rows found: the report's title, the footer's left text (this window's caption)
    // and "Impresso por: " + operator.
    using PrintHook = std::function<void(
        const ResultSet& rows, const QString& title, const QString& footerLeft, const QString& printedBy)>;

    explicit ActivityLogWindow(Session& session, PrintHook print = {}, QWidget* parent = nullptr);

    void setPrintHook(PrintHook print) { m_print = std::move(print); }

    // Runs the query of the fields into the grid; false when a date is impossible or the
    // query failed (the operator was told).
    bool Consulta();
    // "&IMPRIMIR": queries, leaves the grid empty until the next query, and prints.
    void imprimir();
    // Fills "USUÁRIO" with the operators found in the log (done whenever the window activates).
    void CarregaUsuarios();

    DateEdit* initialDate() const { return m_from; }
    DateEdit* finalDate() const { return m_to; }
    QLineEdit* actionField() const { return m_action; }
    QComboBox* userField() const { return m_user; }
    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    QLabel* countLabel() const { return m_count; }
    QPushButton* consultarButton() const { return m_consultar; }
    QPushButton* imprimirButton() const { return m_imprimir; }
    QPushButton* sairButton() const { return m_sair; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFilters();
    bool checkDate(const DateEdit* field);

    Session& m_session;
    PrintHook m_print;
    DateEdit* m_from = nullptr;
    DateEdit* m_to = nullptr;
    QLineEdit* m_action = nullptr;
    QComboBox* m_user = nullptr;
    QTableView* m_grid = nullptr;
    ResultTableModel* m_model = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_consultar = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_sair = nullptr;
};

} // namespace zova
