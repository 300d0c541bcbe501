#include "net/ftp_client.h"

#include "net/curl_easy.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

// A transfer that moves less than a byte a second for this long is taken as dead.
constexpr long kLowSpeedTimeS = 30;
// How long to wait for an answer to a command once connected.
constexpr long kResponseTimeoutS = 30;
// How long an active-mode server may take to connect back to us.
constexpr long kAcceptTimeoutMs = 30000;

// "/a b/c.txt" -> "/%2Fa%20b/c.txt": a leading %2F makes curl start with "CWD /", as an absolute
// path means; every name is percent-encoded as UTF-8.
QByteArray urlPath(const QString& remotePath, bool isDir)
{
    QByteArray path = "/";
    if (remotePath.startsWith(u'/'))
        path += "%2F";
    QByteArrayList parts;
    for (const QString& part : remotePath.split(u'/', Qt::SkipEmptyParts))
        parts.append(QUrl::toPercentEncoding(part));
    path += parts.join('/');
    if (isDir && !path.endsWith('/'))
        path += '/';
    return path;
}

// Without a body to keep, curl would print the file's size as HTTP-style headers on stdout.
size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

size_t writeToByteArray(char* data, size_t size, size_t count, void* user)
{
    static_cast<QByteArray*>(user)->append(data, qsizetype(size * count));
    return size * count;
}

size_t writeToDevice(char* data, size_t size, size_t count, void* user)
{
    const qint64 written = static_cast<QIODevice*>(user)->write(data, qint64(size * count));
    return written < 0 ? 0 : size_t(written); // a short count makes curl stop with a write error
}

size_t readFromDevice(char* buffer, size_t size, size_t count, void* user)
{
    const qint64 n = static_cast<QIODevice*>(user)->read(buffer, qint64(size * count));
    return n < 0 ? CURL_READFUNC_ABORT : size_t(n);
}

} // namespace

FtpClient::FtpClient(FtpSettings settings)
    : m_settings(std::move(settings))
{
}

FtpClient::~FtpClient() = default;

void FtpClient::disconnect()
{
    m_curl.reset();
}

void FtpClient::prepare(const QString& remotePath, bool isDir)
{
    if (!m_curl)
        m_curl = std::make_unique<net::CurlEasy>();
    auto& c = *m_curl;
    c.reset();

    const QString host = m_settings.host.trimmed();
    if (host.isEmpty())
        throw NetError(u"Servidor FTP não informado."_s);
    QByteArray hostPart = QUrl::toAce(host);
    if (host.contains(u':')) // an IPv6 address
        hostPart = host.startsWith(u'[') ? host.toUtf8() : '[' + host.toUtf8() + ']';
    else if (hostPart.isEmpty())
        hostPart = host.toUtf8();
    const QByteArray url
        = "ftp://" + hostPart + ':' + QByteArray::number(m_settings.port) + urlPath(remotePath, isDir);
    c.set(CURLOPT_URL, url.constData());
    c.set(CURLOPT_PROTOCOLS_STR, "ftp");
    const QByteArray user = m_settings.user.toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    c.set(CURLOPT_USERNAME, user.constData()); // curl copies option strings
    c.set(CURLOPT_PASSWORD, password.constData());

    c.set(CURLOPT_CONNECTTIMEOUT_MS, long(m_settings.connectTimeoutMs));
    c.set(CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutS);
    c.set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    c.set(CURLOPT_LOW_SPEED_TIME, kLowSpeedTimeS);
    c.set(CURLOPT_TCP_KEEPALIVE, 1L);
    c.set(CURLOPT_BUFFERSIZE, long(m_settings.receiveBufferSize));
    c.set(CURLOPT_WRITEFUNCTION, discard);
    if (!m_settings.passive) {
        c.set(CURLOPT_FTPPORT, "-"); // listen on the address of the control connection
        c.set(CURLOPT_ACCEPTTIMEOUT_MS, kAcceptTimeoutMs);
    }
}

void FtpClient::connect()
{
    prepare(u""_s, true);
    m_curl->set(CURLOPT_NOBODY, 1L); // log in, transfer nothing
    m_curl->performOrThrow();
}

std::optional<qint64> FtpClient::size(const QString& remotePath)
{
    prepare(remotePath, false);
    m_curl->set(CURLOPT_NOBODY, 1L); // SIZE only
    const CURLcode rc = m_curl->perform();
    if (rc == CURLE_REMOTE_FILE_NOT_FOUND)
        return std::nullopt;
    if (rc != CURLE_OK)
        m_curl->fail(rc);
    curl_off_t length = -1;
    curl_easy_getinfo(m_curl->handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    return qint64(length);
}

void FtpClient::download(const QString& remotePath, const QString& localPath)
{
    // The file is written aside and only takes localPath's place once complete.
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        throw NetError(
            u"Não foi possível gravar o arquivo local \"%1\": %2"_s.arg(localPath, file.errorString()));
    prepare(remotePath, false);
    m_curl->set(CURLOPT_WRITEFUNCTION, writeToDevice);
    m_curl->set(CURLOPT_WRITEDATA, static_cast<QIODevice*>(&file));
    if (const CURLcode rc = m_curl->perform(); rc != CURLE_OK) {
        file.cancelWriting();
        if (rc == CURLE_WRITE_ERROR)
            throw NetError(u"Erro ao gravar \"%1\": %2"_s.arg(localPath, file.errorString()), rc);
        m_curl->fail(rc);
    }
    if (!file.commit())
        throw NetError(u"Erro ao gravar \"%1\": %2"_s.arg(localPath, file.errorString()));
}

void FtpClient::upload(const QString& localPath, const QString& remotePath, bool append)
{
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly))
        throw NetError(
            u"Não foi possível ler o arquivo local \"%1\": %2"_s.arg(localPath, file.errorString()));
    prepare(remotePath, false);
    auto& c = *m_curl;
    c.set(CURLOPT_UPLOAD, 1L);
    c.set(CURLOPT_APPEND, append ? 1L : 0L);
    c.set(CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    c.set(CURLOPT_READFUNCTION, readFromDevice);
    c.set(CURLOPT_READDATA, static_cast<QIODevice*>(&file));
    c.set(CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    c.performOrThrow();
}

QByteArray FtpClient::fetchListing(const QString& remoteDir, ListingFormat format)
{
    prepare(remoteDir, true);
    QByteArray data;
    m_curl->set(CURLOPT_WRITEFUNCTION, writeToByteArray);
    m_curl->set(CURLOPT_WRITEDATA, &data);
    if (format == ListingFormat::Mlsd)
        m_curl->set(CURLOPT_CUSTOMREQUEST, "MLSD");
    m_curl->performOrThrow();
    return data;
}

QList<FtpEntry> FtpClient::list(const QString& remoteDir, std::optional<ListingFormat> format)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (format)
        return parseListing(fetchListing(remoteDir, *format), *format, now);
    if (!m_mlsdRefused) {
        try {
            return parseListing(fetchListing(remoteDir, ListingFormat::Mlsd), ListingFormat::Mlsd, now);
        } catch (const NetError& e) {
            // The listing command itself was refused: an older server (vsftpd, for one).
            if (e.curlCode() != CURLE_FTP_COULDNT_RETR_FILE)
                throw;
            m_mlsdRefused = true;
        }
    }
    return parseListing(fetchListing(remoteDir, ListingFormat::List), ListingFormat::List, now);
}

void FtpClient::makeDir(const QString& remoteDir)
{
    // Changing into the folder, creating each missing level on the way.
    prepare(remoteDir, true);
    m_curl->set(CURLOPT_NOBODY, 1L);
    m_curl->set(CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
    m_curl->performOrThrow();
}

} // namespace zova
