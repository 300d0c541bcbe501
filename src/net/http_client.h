#pragma once

#include "net/net_error.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace zova {

// The public page that answers with the caller's address, when Path.ini names none.
inline constexpr QStringView kDefaultIpEchoUrl = u"http://checkip.amazonaws.com/";
inline constexpr int kDefaultHttpTimeoutMs = 10000;
// What VerificaInternet answers when the page cannot be fetched.
inline constexpr QStringView kSemConexao = u"SEM CONEXÃO";

class HttpClient {
public:
    // One GET; returns the body. Raises NetError on any transfer failure or an HTTP status of
    // 400 and above. Follows redirects; bodies over 1 MiB are refused.
    static QByteArray get(const QString& url, int timeoutMs = kDefaultHttpTimeoutMs);
};

// The caller's public address as the echo page shows it: the digits and dots of the answer, in
// their order, without surrounding blanks; "SEM CONEXÃO" when the page cannot be fetched.
QString VerificaInternet(
    const QString& url = kDefaultIpEchoUrl.toString(), int timeoutMs = kDefaultHttpTimeoutMs);

} // namespace zova
