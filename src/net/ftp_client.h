#pragma once

#include "net/ftp_listing.h"
#include "net/ftp_settings.h"
#include "net/net_error.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace zova {

namespace net {
class CurlEasy;
}

// A synchronous FTP client for one use (one "session"): the control connection made by the
// first call is reused by the following ones and closed when the client is destroyed.
// Every failure raises NetError. Remote paths starting with "/" are taken from the server's
// root, others from the login folder. Call from a worker thread (runBlockingOffGui) when a
// window is waiting; one client must not be used by two threads at once.
class FtpClient {
public:
    explicit FtpClient(FtpSettings settings);
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    const FtpSettings& settings() const { return m_settings; }

    // Connects and logs in: fails when the host is unreachable or silent within the connection
    // time-out, or when the login is refused.
    void connect();
    // The file's size in bytes; nullopt when there is no such file. -1 when the file exists but
    // the server does not tell sizes.
    std::optional<qint64> size(const QString& remotePath);
    // Replaces localPath with the remote file; on failure localPath is left as it was (no
    // partial file).
    void download(const QString& remotePath, const QString& localPath);
    // Sends a local file; append extends a remote file of the same name instead of replacing it.
    // Missing remote folders are created.
    void upload(const QString& localPath, const QString& remotePath, bool append = true);
    // The folder's entries without "." and "..". Without a format, asks for a machine listing
    // (MLSD) and falls back to LIST on servers that do not know it.
    QList<FtpEntry> list(const QString& remoteDir, std::optional<ListingFormat> format = std::nullopt);
    // Creates the folder and any missing parents; an existing folder is not an error.
    void makeDir(const QString& remoteDir);
    // Closes the control connection now (the next call connects again).
    void disconnect();

private:
    void prepare(const QString& remotePath, bool isDir);
    QByteArray fetchListing(const QString& remoteDir, ListingFormat format);

    FtpSettings m_settings;
    std::unique_ptr<net::CurlEasy> m_curl;
    bool m_mlsdRefused = false;
};

} // namespace zova
