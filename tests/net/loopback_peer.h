#pragma once

#include <QByteArray>
#include <thread>

namespace zova::test {

// A TCP socket on a free loopback port that the tests use as a misbehaving peer.
class LoopbackPeer {
public:
    // Listening: connections are completed by the system but nobody ever answers.
    LoopbackPeer();
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    int port() const { return m_port; }
    // Answers the first connection with this response once its request has arrived, then
    // closes it. Gives up after a few seconds without a connection.
    void answerOnce(QByteArray response);

private:
    int m_fd = -1;
    int m_port = 0;
    std::thread m_thread;
};

// A loopback port that nothing listens on.
int closedLoopbackPort();

} // namespace zova::test
