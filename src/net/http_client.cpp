#include "net/http_client.h"

#include "net/curl_easy.h"

using namespace Qt::StringLiterals;

namespace zova {

namespace {

constexpr qsizetype kMaxBody = 1024 * 1024;

size_t appendBody(char* data, size_t size, size_t count, void* user)
{
    auto& body = *static_cast<QByteArray*>(user);
    const auto n = qsizetype(size * count);
    if (body.size() + n > kMaxBody)
        return 0; // ends the transfer with a write error
    body.append(data, n);
    return size * count;
}

} // namespace

QByteArray HttpClient::get(const QString& url, int timeoutMs)
{
    net::CurlEasy c;
    const QByteArray address = url.trimmed().toUtf8();
    QByteArray body;
    c.set(CURLOPT_URL, address.constData());
    c.set(CURLOPT_PROTOCOLS_STR, "http,https");
    c.set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    c.set(CURLOPT_FOLLOWLOCATION, 1L);
    c.set(CURLOPT_MAXREDIRS, 5L);
    c.set(CURLOPT_TIMEOUT_MS, long(timeoutMs));
    c.set(CURLOPT_USERAGENT, "ZOVA");
    c.set(CURLOPT_WRITEFUNCTION, appendBody);
    c.set(CURLOPT_WRITEDATA, &body);
    c.performOrThrow();
    long status = 0;
    curl_easy_getinfo(c.handle(), CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400)
        throw NetError(u"HTTP %1 em %2"_s.arg(status).arg(url));
    return body;
}

QString VerificaInternet(const QString& url, int timeoutMs)
{
    QByteArray body;
    try {
        body = HttpClient::get(url, timeoutMs);
    } catch (const NetError&) {
        return kSemConexao.toString();
    }
    QString address;
    for (const char ch : body) {
        if ((ch >= '0' && ch <= '9') || ch == '.')
            address += QLatin1Char(ch);
    }
    return address.trimmed();
}

} // namespace zova
