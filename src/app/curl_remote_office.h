#pragma once

#include "app/remote_office.h"
#include "core/path_ini.h"

#include <memory>

namespace zova {

class FtpClient;

// The office's outside services over libcurl, read from Path.ini at each use. Network calls run
// off the GUI thread while the windows keep painting.
class CurlRemoteOffice final : public RemoteOffice {
public:
    explicit CurlRemoteOffice(const PathIni& ini);
    ~CurlRemoteOffice() override;

    QString verificaInternet() override;
    void testConnection() override;
    std::optional<qint64> size(const QString& remotePath) override;
    void download(const QString& remotePath, const QString& localPath) override;
    QString host() const override;

private:
    FtpClient& client();

    const PathIni& m_ini;
    std::unique_ptr<FtpClient> m_client;
};

} // namespace zova
