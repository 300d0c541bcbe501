#include "loopback_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace zova::test {

namespace {
int bindLoopback(int& port, bool listening)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), len) != 0
        || (listening && ::listen(fd, 4) != 0)
        || ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        throw std::runtime_error("LoopbackPeer: cannot open a loopback socket");
    port = ntohs(addr.sin_port);
    return fd;
}
} // namespace

LoopbackPeer::LoopbackPeer()
{
    m_fd = bindLoopback(m_port, true);
}

LoopbackPeer::~LoopbackPeer()
{
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_fd);
}

void LoopbackPeer::answerOnce(QByteArray response)
{
    m_thread = std::thread([fd = m_fd, response = std::move(response)] {
        pollfd p { fd, POLLIN, 0 };
        if (::poll(&p, 1, 5000) != 1)
            return;
        const int conn = ::accept(fd, nullptr, nullptr);
        if (conn < 0)
            return;
        QByteArray request;
        char buf[4096];
        pollfd c { conn, POLLIN, 0 };
        while (!request.contains("\r\n\r\n") && ::poll(&c, 1, 5000) == 1) {
            const ssize_t n = ::recv(conn, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            request.append(buf, n);
        }
        (void)::send(conn, response.constData(), size_t(response.size()), MSG_NOSIGNAL);
        ::close(conn);
    });
}

int closedLoopbackPort()
{
    // Bound but not listening: the port is ours, so nobody else will open it meanwhile.
    static int port = 0;
    static const int fd = bindLoopback(port, false);
    (void)fd;
    return port;
}

} // namespace zova::test
