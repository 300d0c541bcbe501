#pragma once

#include <QEventLoop>
#include <functional>
#include <optional>
#include <type_traits>

namespace zova {

// Runs work on a worker thread while the calling thread spins an event loop, so windows keep
// painting during a long network call; returns when the work has ended and rethrows what it
// threw. User input is held back by default so a waiting window cannot start a second action.
// Without an application object the work simply runs on the calling thread.
void runOffGuiThread(const std::function<void()>& work,
    QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeUserInputEvents);

template <typename F>
std::invoke_result_t<F> runBlockingOffGui(
    F&& work, QEventLoop::ProcessEventsFlags flags = QEventLoop::ExcludeUserInputEvents)
{
    using T = std::invoke_result_t<F>;
    if constexpr (std::is_void_v<T>) {
        runOffGuiThread([&] { work(); }, flags);
    } else {
        std::optional<T> result;
        runOffGuiThread([&] { result.emplace(work()); }, flags);
        return std::move(*result);
    }
}

} // namespace zova
