#include "net/off_gui.h"

#include <QCoreApplication>
#include <QThread>
#include <exception>
#include <memory>

namespace zova {

void runOffGuiThread(const std::function<void()>& work, QEventLoop::ProcessEventsFlags flags)
{
    if (!QCoreApplication::instance()) {
        work();
        return;
    }
    std::exception_ptr error;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
    }));
    QEventLoop loop;
    // Queued: quit reaches the loop even when the work ends before exec() starts.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec(flags);
    thread->wait();
    if (error)
        std::rethrow_exception(error);
}

} // namespace zova
