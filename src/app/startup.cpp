#include "app/startup.h"

#include "app/config.h"
#include "app/main_window.h"
#include "app/message_window.h"
#include "app/remote_office.h"
#include "core/dates.h"
#include "ui/session.h"

#include <QFile>
#include <QGuiApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QScreen>
#include <QStringDecoder>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace zova {

QString localIpAddress()
{
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    }
    return u"127.0.0.1"_s;
}

QString updaterPath(const QString& programFolder)
{
#ifdef Q_OS_WIN
    return programFolder + u"/Atualizador.exe"_s;
#else
    return programFolder + u"/Atualizador"_s;
#endif
}

Startup::Startup(Session& session, RemoteOffice& remote, MainWindow& main, Steps steps)
    : m_session(session)
    , m_remote(remote)
    , m_main(main)
    , m_steps(std::move(steps))
{
}

bool Startup::create()
{
    if (m_remote.verificaInternet() != u"SEM CONEXÃO"_s)
        return true;
    m_session.dialogs().warning(u"Cadastro Obrigatório"_s,
        u"Não foi detectado acesso à internet. É preciso estar conectado à rede para ter acesso ao sistema. "
        "Verifique sua conexão com a internet ou entre em contato com seu provedor local! \r\r"_s);
    return false;
}

bool Startup::show()
{
    if (!TestaConexao() || !connectDatabase())
        return false;
    placeWindow();
    if (m_steps.login && !m_steps.login(lastAccessText(), hostLabelText()))
        return false;
    if (m_steps.afterLogin)
        m_steps.afterLogin();
    ConectaFTP();
    return offerUpdate();
}

bool Startup::TestaConexao()
{
    try {
        m_remote.testConnection();
        return true;
    } catch (const std::exception&) {
        m_session.dialogs().error(u"Erro"_s,
            u"Não foi possível estabelecer conexão com o servidor remoto. Entre em contato com o suporte do "
            "sistema!\r\r"_s);
        return false;
    }
}

bool Startup::connectDatabase()
{
    // Without the database nothing after this step can work, so a failure ends the program
    // after its message instead of leaving a half-alive main window.
    QString error;
    try {
        m_session.db().open(connectionParams(m_session.ini()));
        if (m_steps.openDataSets)
            m_steps.openDataSets();
        return true;
    } catch (const DbError& e) {
        error = e.message();
    } catch (const ConfigError& e) {
        error = e.message();
    }
    m_session.db().close();
    m_session.dialogs().error(u"Erro"_s,
        u"Ocorreu um erro ao conectar base de dados. Procedimento cancelado. Erro: "_s + error + u"."_s);
    return false;
}

void Startup::placeWindow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_main.move((screen->geometry().width() - m_main.width()) / 2, 2);
    m_main.setWindowOpacity(245.0 / 255.0);
}

QString Startup::lastAccessText() const
{
    const ResultSet rs
        = m_session.db().query(u"Select data, hora from log where codigo = (select max(codigo) from log)"_s);
    QString date;
    QString time;
    if (!rs.isEmpty()) {
        date = dateText(rs.date(0, u"data"));
        time = timeText(rs.time(0, u"hora"));
    }
    return u"ÚLTIMO ACESSO: "_s + date + u" às "_s + time;
}

QString Startup::hostLabelText() const
{
    const PathIni& ini = m_session.ini();
    return u"DATABASE HOST: "_s + ini.value(u"Conexao"_s, u"HostName"_s).trimmed().toUpper()
        + u" - DATABASE USER: "_s + ini.value(u"Conexao"_s, u"User_Name"_s).trimmed().toUpper();
}

QString Startup::messageFilePath() const
{
    return programFolder(m_session.ini()) + u"/mensagem.txt"_s;
}

void Startup::ConectaFTP()
{
    const QString folder = u"/"_s + m_session.ini().value(u"Empresa"_s, u"Fantasia"_s) + u"/"_s;
    m_updateFlag = 0;
    const QString local = messageFilePath();
    if (QFile::exists(local))
        QFile::remove(local);
    try {
        if (m_remote.size(folder + u"mensagem.txt"_s))
            m_remote.download(folder + u"mensagem.txt"_s, local);
        m_main.setServerLabel(m_remote.host());
        m_main.setAddressLabel(localIpAddress());
        for (const QString& name : { u"Atualizador.exe"_s, u"Zovaris.exe"_s, u"mysqldump.exe"_s }) {
            if (m_remote.size(folder + name)) {
                m_updateFlag = 1;
                break;
            }
        }
    } catch (const std::exception&) {
        m_updateFlag = 0;
        m_main.setServerNotConnected();
        m_session.dialogs().warning(u"Atenção"_s,
            u"Não houve conexão com o Servidor de Dados. Entre imediatamente com contato com o suporte do "
            "sistema.\r\r"_s);
    }
    LeArquivoMsg();
}

void Startup::LeArquivoMsg()
{
    QFile file(messageFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString last;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        last = QString::fromUtf8(line).trimmed();
    }
    if (last.isEmpty())
        return;
    MessageWindow window(m_session, last + u"\r\r"_s, &m_main);
    m_session.openWindow(window);
}

bool Startup::offerUpdate()
{
    if (m_updateFlag != 1)
        return true;
    if (!m_session.dialogs().question(u"Verificar Atualizações"_s,
            u"O Sistema encontrou uma atualização e deverá ser fechado para que a mesma inicie.\rNão se "
            "preocupe, cuidaremos de tudo para você.\rDeseja continuar com a atualização?\r\r"_s))
        return true;
    const QString updater = updaterPath(programFolder(m_session.ini()));
    if (!QFile::exists(updater)) {
        m_session.dialogs().error(
            u"Erro"_s, u"Atualizador não localizado. Entre em contao com o desenvolvedor."_s);
        return false;
    }
    if (m_steps.launch)
        m_steps.launch(updater);
    return false;
}

} // namespace zova
