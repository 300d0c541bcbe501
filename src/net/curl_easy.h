#pragma once

#include "net/net_error.h"

#include <curl/curl.h>

namespace zova::net {

// libcurl's process-wide set-up, done once whichever thread gets there first.
void ensureCurlGlobalInit();

// One easy handle. Reusing it for several requests keeps the FTP control connection open
// between them (curl_easy_reset keeps live connections).
class CurlEasy {
public:
    CurlEasy();
    ~CurlEasy();
    CurlEasy(const CurlEasy&) = delete;
    CurlEasy& operator=(const CurlEasy&) = delete;

    // Clears the previous request's options; keeps the connection.
    void reset();

    template <typename T> void set(CURLoption option, T value)
    {
        const CURLcode rc = curl_easy_setopt(m_curl, option, value);
        if (rc != CURLE_OK)
            throw NetError(QString::fromUtf8(curl_easy_strerror(rc)), rc);
    }

    CURLcode perform();
    // The detailed text of the last failure (falls back to the generic text of the code).
    QString errorText(CURLcode code) const;
    [[noreturn]] void fail(CURLcode code) const { throw NetError(errorText(code), code); }
    void performOrThrow()
    {
        if (const CURLcode rc = perform(); rc != CURLE_OK)
            fail(rc);
    }

    CURL* handle() const { return m_curl; }

private:
    CURL* m_curl = nullptr;
    char m_error[CURL_ERROR_SIZE] = {};
};

} // namespace zova::net
