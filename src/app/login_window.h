#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zova {

class Session;

// What the login needs from the main window and the system. Empty callbacks do nothing, except
// `launch` and `computerName`, which get the system's own when left empty.
struct LoginHooks {
    // The operator entered: the main window sets its caption and enables (false) or disables
    // (true, standard mode) what standard mode may not use.
    std::function<void(bool standardMode)> enterProgram;
    // "&Cancelar": the whole program ends.
    std::function<void()> quitProgram;
    // Starts a program detached, in its own folder; false when it could not be started.
    std::function<bool(const QString& program)> launch;
    // The computer's network name, upper-cased.
    std::function<QString()> computerName;
    // Receives the computer name when an operator logs in (the main window's computer label).
    std::function<void(const QString& name)> showComputer;
};

// The computer's network name upper-cased, at most 15 characters as the system shows it.
QString systemComputerName();
// Starts `program` detached with its own folder as the working folder.
bool launchDetached(const QString& program);
// The first program in "SuporteRemoto" under `programFolder`, or empty.
QString remoteSupportProgram(const QString& programFolder);

// The operator login: a login and a password checked against the operators, standard mode
// without password, the way out of the program, and the remote-support launcher.
class LoginWindow : public QDialog {
    Q_OBJECT

public:
    LoginWindow(Session& session, LoginHooks hooks, QWidget* parent = nullptr);

    void setLastAccessText(const QString& text);
    void setHostText(const QString& text);

    // The password length of the login typed, found on entering the password field; 0 when
    // the login does not exist.
    int expectedLength() const { return m_expectedLength; }

    // Looks the login up (done on entering the password field).
    void enterPasswordField();
    // Checks login and password; on success the operator enters and the window closes.
    void ValidaSenha();
    void padrao();
    void cancelar();
    void suporte();

    QLineEdit* loginField() const { return m_login; }
    QLineEdit* passwordField() const { return m_password; }
    QPushButton* padraoButton() const { return m_padrao; }
    QPushButton* cancelarButton() const { return m_cancelar; }
    QPushButton* suporteButton() const { return m_suporte; }
    QLabel* lastAccessLabel() const { return m_lastAccess; }
    QLabel* hostLabel() const { return m_host; }
    QWidget* verifyingIndicator() const;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onPasswordChanged(const QString& text);
    void setVerifying(bool verifying);
    void finish(int result);

    Session& m_session;
    LoginHooks m_hooks;
    QLabel* m_lastAccess = nullptr;
    QLabel* m_host = nullptr;
    QLineEdit* m_login = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_padrao = nullptr;
    QPushButton* m_cancelar = nullptr;
    QPushButton* m_suporte = nullptr;
    QProgressBar* m_verifying = nullptr;
    int m_expectedLength = 0;
    bool m_checking = false;
    bool m_closing = false;
};

} // namespace zova
