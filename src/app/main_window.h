#pragma once

#include <QMainWindow>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace zova {

class Session;

// The program's hub: the only permanent window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);

    Session& session() const { return m_session; }

    // Status labels written by the start-up and the login.
    void setServerLabel(const QString& host); // "SERVIDOR: " + host
    void setServerNotConnected(); // "NÃO CONECTADO" in red
    void setAddressLabel(const QString& ip); // "IP LOCAL: " + ip
    void setOperatorLabel(const QString& text);
    void setComputerLabel(const QString& text);
    QString serverLabelText() const;
    QString addressLabelText() const;
    QString operatorLabelText() const;
    QString computerLabelText() const;
    // Trade name + " - " + subtitle + " :: VERSÃO: " + the program file's date and time.
    void setOperatorCaption();

    // Steps run by "&SAIR" before the program ends, in order; one returning false cancels the exit.
    // The operator "SUPORTE MASTER" leaves without them.
    void addExitStep(std::function<bool()> step) { m_exitSteps.push_back(std::move(step)); }
    // "&SAIR": runs the exit steps and closes. Returns whether the program is ending.
    bool sair();
    bool isLeaving() const { return m_leaving; }

    QPushButton* exitButton() const { return m_exit; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildStatusBar();
    void tick();

    Session& m_session;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_server = nullptr;
    QLabel* m_address = nullptr;
    QLabel* m_operator = nullptr;
    QLabel* m_computer = nullptr;
    QPushButton* m_exit = nullptr;
    QTimer* m_clock = nullptr;
    std::vector<std::function<bool()>> m_exitSteps;
    bool m_leaving = false;
};

// "SEX, 17 DE MAI DE 2024": pt-BR short day and month names without Qt's trailing dots.
QString clockDateText(const QDate& date);

} // namespace zova
