#pragma once

#include <QString>
#include <optional>
#include <stdexcept>

namespace zova {

// The office's outside services as the start-up needs them: the IP-echo page and the FTP
// folder. Failures raise std::runtime_error (or a subclass) with a readable text.
class RemoteOffice {
public:
    virtual ~RemoteOffice() = default;
    // The public address, or "SEM CONEXÃO".
    virtual QString verificaInternet() = 0;
    // Connects and logs in to the FTP server, then leaves it; raises when it cannot.
    virtual void testConnection() = 0;
    // Size of a remote file; nothing when it does not exist.
    virtual std::optional<qint64> size(const QString& remotePath) = 0;
    virtual void download(const QString& remotePath, const QString& localPath) = 0;
    // FTP host as configured.
    virtual QString host() const = 0;
};

} // namespace zova
