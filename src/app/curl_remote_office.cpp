#include "app/curl_remote_office.h"

#include "app/config.h"
#include "net/ftp_client.h"
#include "net/ftp_settings.h"
#include "net/http_client.h"
#include "net/off_gui.h"

using namespace Qt::StringLiterals;

namespace zova {

CurlRemoteOffice::CurlRemoteOffice(const PathIni& ini)
    : m_ini(ini)
{
}

CurlRemoteOffice::~CurlRemoteOffice() = default;

QString CurlRemoteOffice::verificaInternet()
{
    const QString url = ipEchoUrl(m_ini);
    return runBlockingOffGui([&] { return VerificaInternet(url); });
}

FtpClient& CurlRemoteOffice::client()
{
    if (!m_client)
        m_client = std::make_unique<FtpClient>(ftpSettingsFromIni(m_ini));
    return *m_client;
}

void CurlRemoteOffice::testConnection()
{
    // Every use starts from a fresh client set up from Path.ini.
    m_client.reset();
    FtpClient& ftp = client();
    runBlockingOffGui([&] { ftp.connect(); });
}

std::optional<qint64> CurlRemoteOffice::size(const QString& remotePath)
{
    FtpClient& ftp = client();
    return runBlockingOffGui([&] { return ftp.size(remotePath); });
}

void CurlRemoteOffice::download(const QString& remotePath, const QString& localPath)
{
    FtpClient& ftp = client();
    runBlockingOffGui([&] { ftp.download(remotePath, localPath); });
}

QString CurlRemoteOffice::host() const
{
    return m_ini.value(u"FTP"_s, u"Host"_s);
}

} // namespace zova
