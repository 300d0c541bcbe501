#include "app/login_window.h"

#include "db/connection.h"
#include "ui/enter_as_tab.h"
#include "ui/session.h"
#include "ui/title_band.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSysInfo>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zova {

QString systemComputerName()
{
    // The system reads the name into a 16-character buffer.
    return QSysInfo::machineHostName().toUpper().left(15);
}

bool launchDetached(const QString& program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

QString remoteSupportProgram(const QString& programFolder)
{
    const QDir folder(QDir(programFolder).filePath(u"SuporteRemoto"_s));
#ifdef Q_OS_WIN
    const QStringList patterns { u"*.exe"_s };
#else
    const QStringList patterns { u"*"_s };
#endif
    const QFileInfoList found = folder.entryInfoList(patterns, QDir::Files | QDir::Executable, QDir::Name);
    return found.isEmpty() ? QString() : found.first().absoluteFilePath();
}

namespace {

// Shows each password character as "#". A style hint rather than a style sheet: the hint of a
// widget's own sheet is lost under the application's sheet.
class HashPasswordStyle final : public QProxyStyle {
public:
    explicit HashPasswordStyle(QObject* owner)
        : QProxyStyle(QApplication::style()->name())
    {
        setParent(owner);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'#';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QPushButton* makeButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Enter belongs to the fields (next field), never to a default button.
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    return button;
}

} // namespace

LoginWindow::LoginWindow(Session& session, LoginHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , m_session(session)
    , m_hooks(std::move(hooks))
{
    if (!m_hooks.launch)
        m_hooks.launch = launchDetached;
    if (!m_hooks.computerName)
        m_hooks.computerName = systemComputerName;

    setWindowTitle(session.caption(u"ACESSO"_s));
    setWindowOpacity(230.0 / 255.0);

    auto* band = new TitleBand(u"ACESSO"_s, this);
    m_lastAccess = new QLabel(u"ÚLTIMO ACESSO:"_s, this);
    m_host = new QLabel(u"HOSTNAME: "_s, this);
    for (QLabel* info : { m_lastAccess, m_host })
        info->setAlignment(Qt::AlignCenter);

    m_login = new QLineEdit(this);
    m_password = new QLineEdit(this);
    m_password->setStyle(new HashPasswordStyle(m_password));
    m_password->setEchoMode(QLineEdit::Password);
    for (QLineEdit* field : { m_login, m_password })
        field->setMinimumWidth(180);

    auto* fields = new QGridLayout;
    auto* loginCaption = captionLabel(u"Login "_s, this);
    auto* passwordCaption = captionLabel(u"Senha "_s, this);
    loginCaption->setBuddy(m_login);
    passwordCaption->setBuddy(m_password);
    fields->addWidget(loginCaption, 0, 0, Qt::AlignRight);
    fields->addWidget(m_login, 0, 1);
    fields->addWidget(passwordCaption, 1, 0, Qt::AlignRight);
    fields->addWidget(m_password, 1, 1);

    // Shown while the password is checked.
    m_verifying = new QProgressBar(this);
    m_verifying->setRange(0, 0);
    m_verifying->setTextVisible(false);
    m_verifying->setMaximumHeight(8);
    QSizePolicy keepSpace = m_verifying->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_verifying->setSizePolicy(keepSpace);
    m_verifying->hide();

    m_padrao = makeButton(u"&Padrão"_s, this);
    m_cancelar = makeButton(u"&Cancelar"_s, this);
    m_suporte = makeButton(u"SUPORTE"_s, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_padrao);
    buttons->addWidget(m_cancelar);
    buttons->addStretch();
    buttons->addWidget(m_suporte);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 8, 14, 10);
    body->setSpacing(8);
    body->addWidget(m_lastAccess);
    body->addLayout(fields);
    body->addWidget(m_verifying);
    body->addLayout(buttons);
    body->addWidget(m_host);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(body);

    setTabOrder(m_login, m_password);
    setTabOrder(m_password, m_padrao);
    setTabOrder(m_padrao, m_cancelar);
    setTabOrder(m_cancelar, m_suporte);
    m_login->setFocus();

    EnterAsTab::install(this);
    m_password->installEventFilter(this);

    // Logins are kept in lower case.
    connect(m_login, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString lower = text.toLower();
        if (lower == text)
            return;
        const int cursor = m_login->cursorPosition();
        m_login->setText(lower);
        m_login->setCursorPosition(cursor);
    });
    connect(m_password, &QLineEdit::textChanged, this, &LoginWindow::onPasswordChanged);
    connect(m_padrao, &QPushButton::clicked, this, &LoginWindow::padrao);
    connect(m_cancelar, &QPushButton::clicked, this, &LoginWindow::cancelar);
    connect(m_suporte, &QPushButton::clicked, this, &LoginWindow::suporte);
}

void LoginWindow::setLastAccessText(const QString& text)
{
    m_lastAccess->setText(text);
}

void LoginWindow::setHostText(const QString& text)
{
    m_host->setText(text);
}

QWidget* LoginWindow::verifyingIndicator() const
{
    return m_verifying;
}

void LoginWindow::enterPasswordField()
{
    m_expectedLength = 0;
    try {
        const ResultSet row = m_session.db().query(
            u"select Nome, LoginAcesso, SenhaAcesso from operador where LoginAcesso = ?",
            { m_login->text() });
        if (!row.isEmpty()) {
            m_expectedLength = static_cast<int>(row.text(0, u"SenhaAcesso").size());
            return;
        }
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        return;
    }
    m_session.dialogs().error(u"Acesso Negado"_s, u"Login inexistente."_s);
    m_login->setFocus();
}

void LoginWindow::onPasswordChanged(const QString& text)
{
    if (m_checking || text.size() != m_expectedLength)
        return;
    {
        // The last "#" is drawn before the check; nothing typed meanwhile starts another.
        const QScopedValueRollback busy(m_checking, true);
        QCoreApplication::processEvents();
    }
    ValidaSenha();
}

void LoginWindow::ValidaSenha()
{
    if (m_checking)
        return;
    const QScopedValueRollback busy(m_checking, true);
    setVerifying(true);
    ResultSet row;
    try {
        row = m_session.db().query(
            u"select Nome, LoginAcesso, SenhaAcesso from operador where LoginAcesso = ? and SenhaAcesso = ?",
            { m_login->text(), m_password->text() });
    } catch (const DbError& e) {
        m_session.dialogs().error(u"Erro"_s, e.message());
        setVerifying(false);
        return;
    }
    if (row.isEmpty()) {
        m_session.dialogs().error(u"Acesso Negado"_s, u"Senha incorreta."_s);
        m_password->clear();
        m_login->setFocus();
        setVerifying(false);
        return;
    }
    m_padrao->setEnabled(false);
    m_cancelar->setEnabled(false);
    m_session.setOperatorLabel(row.text(0, u"Nome").trimmed());
    if (m_hooks.showComputer)
        m_hooks.showComputer(m_hooks.computerName());
    if (m_hooks.enterProgram)
        m_hooks.enterProgram(false);
    m_session.GravaLog(u"ACESSOU O SISTEMA"_s);
    finish(Accepted);
}

void LoginWindow::padrao()
{
    m_padrao->setEnabled(false);
    m_cancelar->setEnabled(false);
    m_session.setOperatorLabel(kStandardMode.toString());
    if (m_hooks.enterProgram)
        m_hooks.enterProgram(true);
    finish(Accepted);
}

void LoginWindow::cancelar()
{
    if (m_hooks.quitProgram)
        m_hooks.quitProgram();
    finish(Rejected);
}

void LoginWindow::suporte()
{
    const QString program = remoteSupportProgram(QFileInfo(m_session.ini().filePath()).absolutePath());
    if (program.isEmpty())
        return;
    // Only a program that really started counts as an access.
    if (m_hooks.launch(program))
        m_session.GravaLog(u"ACESSOU SUPORTE REMOTO"_s);
}

void LoginWindow::reject()
{
    // Esc presses "&Cancelar", and only while the button can be pressed.
    if (!m_cancelar->isHidden() && m_cancelar->isEnabled())
        cancelar();
}

void LoginWindow::setVerifying(bool verifying)
{
    m_verifying->setVisible(verifying);
    m_cancelar->setVisible(!verifying);
    m_padrao->setVisible(!verifying);
    if (verifying)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LoginWindow::finish(int result)
{
    const QScopedValueRollback closing(m_closing, true);
    done(result);
}

bool LoginWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_password && event->type() == QEvent::FocusIn) {
        // Coming back from a message box or another window is not entering the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && reason != Qt::MenuBarFocusReason && !m_checking)
            enterPasswordField();
    }
    return QDialog::eventFilter(watched, event);
}

void LoginWindow::keyPressEvent(QKeyEvent* event)
{
    // F4 is swallowed so that Alt+F4 cannot close the window.
    if (event->key() == Qt::Key_F4) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LoginWindow::closeEvent(QCloseEvent* event)
{
    // No close box, no Alt+F4: only the window's own buttons end it.
    if (m_closing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace zova
