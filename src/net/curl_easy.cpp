#include "net/curl_easy.h"

#include <mutex>

using namespace Qt::StringLiterals;

namespace zova::net {

void ensureCurlGlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (const CURLcode rc = curl_global_init(CURL_GLOBAL_DEFAULT); rc != CURLE_OK)
            throw NetError(QString::fromUtf8(curl_easy_strerror(rc)), rc);
    });
}

CurlEasy::CurlEasy()
{
    ensureCurlGlobalInit();
    m_curl = curl_easy_init();
    if (!m_curl)
        throw NetError(u"Não foi possível iniciar a biblioteca de rede (libcurl)."_s);
    reset();
}

CurlEasy::~CurlEasy()
{
    curl_easy_cleanup(m_curl);
}

void CurlEasy::reset()
{
    curl_easy_reset(m_curl);
    m_error[0] = '\0';
    set(CURLOPT_ERRORBUFFER, m_error);
    // Signals cannot be used for time-outs off the main thread.
    set(CURLOPT_NOSIGNAL, 1L);
}

CURLcode CurlEasy::perform()
{
    m_error[0] = '\0';
    return curl_easy_perform(m_curl);
}

QString CurlEasy::errorText(CURLcode code) const
{
    const QString detail = QString::fromUtf8(m_error).trimmed();
    return detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : detail;
}

} // namespace zova::net
