#include "net/net_error.h"
#include "net/off_gui.h"

#include <QThread>
#include <QTimer>
#include <future>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

TEST(RunBlockingOffGui, ReturnsTheWorkersResult)
{
    QThread* const gui = QThread::currentThread();
    EXPECT_EQ(zova::runBlockingOffGui([] { return u"127.0.0.1"_s; }), u"127.0.0.1"_s);
    EXPECT_TRUE(zova::runBlockingOffGui([gui] { return QThread::currentThread() != gui; }));
    auto moved = zova::runBlockingOffGui([] { return std::make_unique<int>(7); });
    EXPECT_EQ(*moved, 7);
    int sideEffect = 0;
    zova::runBlockingOffGui([&] { sideEffect = 1; });
    EXPECT_EQ(sideEffect, 1);
}

TEST(RunBlockingOffGui, RethrowsWhatTheWorkThrew)
{
    try {
        zova::runBlockingOffGui([]() -> int { throw zova::NetError(u"Access denied: 530"_s, 67); });
        FAIL() << "nothing thrown";
    } catch (const zova::NetError& e) {
        EXPECT_EQ(e.message(), u"Access denied: 530"_s);
        EXPECT_EQ(e.curlCode(), 67);
    }
}

TEST(RunBlockingOffGui, CallingThreadKeepsHandlingEventsWhileItWaits)
{
    // The work can only finish when a timer fires on the calling thread meanwhile.
    std::promise<void> timerFired;
    auto fired = timerFired.get_future();
    QTimer::singleShot(10, [&] { timerFired.set_value(); });
    const bool sawTimer = zova::runBlockingOffGui(
        [&] { return fired.wait_for(std::chrono::seconds(5)) == std::future_status::ready; });
    EXPECT_TRUE(sawTimer);
}
