#pragma once

#include "net/ftp_settings.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zova::test {

// The parent folder for test files: $ZOVA_TEST_TMP when set, the system's otherwise.
QString testTempParent();

// A helper script of scripts/ that prints the port it listens on as its first line, run with
// /usr/bin/python3 until this object is destroyed. Its stderr goes to logFile.
class ScriptService {
public:
    ScriptService(const QString& script, const QStringList& args, const QString& logFile);
    ~ScriptService();
    ScriptService(const ScriptService&) = delete;
    ScriptService& operator=(const ScriptService&) = delete;

    int port() const { return m_port; }

private:
    QProcess m_process;
    int m_port = 0;
};

// pyftpdlib on a free loopback port, serving a fresh temporary folder to one user.
class FtpServer {
public:
    explicit FtpServer(
        const QString& user = QStringLiteral("zova"), const QString& password = QStringLiteral("zova"));

    int port() const { return m_service->port(); }
    QString rootDir() const { return m_dir.filePath(QStringLiteral("root")); }
    // A path under the served folder ("BKP/a.sql").
    QString localPath(const QString& relative) const { return rootDir() + u'/' + relative; }
    const QString& user() const { return m_user; }
    const QString& password() const { return m_password; }
    // Settings that reach this server, in passive or active mode.
    FtpSettings settings(bool passive = true) const;

private:
    QTemporaryDir m_dir;
    QString m_user;
    QString m_password;
    std::unique_ptr<ScriptService> m_service;
};

// scripts/ipecho.py: a loopback page answering "Current IP Address: 127.0.0.1".
class IpEchoServer {
public:
    IpEchoServer();
    int port() const { return m_service->port(); }
    QString url() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ScriptService> m_service;
};

} // namespace zova::test
