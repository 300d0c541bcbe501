#include "support/ftp_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace zova::test {

namespace {
constexpr int kStartTimeoutMs = 15000;

QString tempTemplate(const QString& name)
{
    return testTempParent() + u'/' + name + u"-XXXXXX"_s;
}

QString readLog(const QString& logFile)
{
    QFile f(logFile);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

QString testTempParent()
{
    const QString fromEnv = qEnvironmentVariable("ZOVA_TEST_TMP");
    return fromEnv.isEmpty() ? QDir::tempPath() : fromEnv;
}

ScriptService::ScriptService(const QString& script, const QStringList& args, const QString& logFile)
{
    m_process.setProgram(u"/usr/bin/python3"_s);
    m_process.setArguments(QStringList { QStringLiteral(ZOVA_SOURCE_DIR) + u"/scripts/"_s + script } + args);
    m_process.setStandardErrorFile(logFile);
    m_process.start();

    const auto fail = [&](const QString& why) {
        m_process.kill();
        m_process.waitForFinished(5000);
        throw std::runtime_error(QString(script + u": "_s + why + u"\n"_s + readLog(logFile)).toStdString());
    };
    if (!m_process.waitForStarted(kStartTimeoutMs))
        fail(m_process.errorString());
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine()) {
        if (m_process.state() != QProcess::Running || deadline.hasExpired())
            fail(u"did not print its port"_s);
        m_process.waitForReadyRead(int(deadline.remainingTime()));
    }
    bool ok = false;
    m_port = QString::fromUtf8(m_process.readLine()).trimmed().toInt(&ok);
    if (!ok || m_port <= 0)
        fail(u"printed no port"_s);
}

ScriptService::~ScriptService()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

FtpServer::FtpServer(const QString& user, const QString& password)
    : m_dir(tempTemplate(u"ftp"_s))
    , m_user(user)
    , m_password(password)
{
    if (!m_dir.isValid() || !QDir(m_dir.path()).mkdir(u"root"_s))
        throw std::runtime_error("FtpServer: cannot create the served folder");
    m_service = std::make_unique<ScriptService>(u"ftpd.py"_s,
        QStringList { u"--root"_s, rootDir(), u"--user"_s, user, u"--password"_s, password },
        m_dir.filePath(u"ftpd.log"_s));
}

FtpSettings FtpServer::settings(bool passive) const
{
    FtpSettings s;
    s.host = u"127.0.0.1"_s;
    s.port = port();
    s.user = m_user;
    s.password = m_password;
    s.passive = passive;
    return s;
}

IpEchoServer::IpEchoServer()
    : m_dir(tempTemplate(u"ipecho"_s))
    , m_service(
          std::make_unique<ScriptService>(u"ipecho.py"_s, QStringList {}, m_dir.filePath(u"ipecho.log"_s)))
{
}

QString IpEchoServer::url() const
{
    return u"http://127.0.0.1:%1/"_s.arg(port());
}

} // namespace zova::test
