#include "loopback_peer.h"
#include "net/http_client.h"
#include "support/ftp_server.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray httpResponse(const QByteArray& status, const QByteArray& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QString echoOnce(const QByteArray& response)
{
    zova::test::LoopbackPeer peer;
    peer.answerOnce(response);
    return zova::VerificaInternet(u"http://127.0.0.1:%1/"_s.arg(peer.port()), 3000);
}
} // namespace

TEST(VerificaInternet, ReadsTheAddressTheEchoPageShows)
{
    zova::test::IpEchoServer echo;
    EXPECT_EQ(zova::VerificaInternet(echo.url()), u"127.0.0.1"_s);
    EXPECT_EQ(echoOnce(httpResponse("200 OK", "  189.6.22.14\r\n")), u"189.6.22.14"_s);
}

TEST(VerificaInternet, SemConexaoWhenThePageCannotBeFetched)
{
    EXPECT_EQ(zova::VerificaInternet(u"http://127.0.0.1:%1/"_s.arg(zova::test::closedLoopbackPort())),
        u"SEM CONEXÃO"_s);
    EXPECT_EQ(echoOnce(httpResponse("404 Not Found", "Not found: 1.2.3.4")), u"SEM CONEXÃO"_s);
    EXPECT_EQ(echoOnce(httpResponse("503 Service Unavailable", "")), u"SEM CONEXÃO"_s);
    EXPECT_EQ(zova::VerificaInternet(u"ftp://127.0.0.1/"_s), u"SEM CONEXÃO"_s); // not a web page
}

TEST(HttpClient, GetReturnsTheBodyAndTimesOut)
{
    {
        zova::test::LoopbackPeer peer;
        peer.answerOnce(httpResponse("200 OK", "corpo"));
        EXPECT_EQ(zova::HttpClient::get(u"http://127.0.0.1:%1/ip"_s.arg(peer.port())), "corpo");
    }
    zova::test::LoopbackPeer silent; // takes the connection, never answers
    EXPECT_THROW(zova::HttpClient::get(u"http://127.0.0.1:%1/"_s.arg(silent.port()), 500), zova::NetError);
}
