#include "datagen_pipeline.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace zova::datagen {

namespace {
constexpr size_t kQueuedStatements = 16;
constexpr int kStatementsPerTransaction = 100;

struct Job {
    QString sql;
    bool alone = false;
    bool sync = false;
};
} // namespace

struct StatementPipeline::Lane {
    Connection conn;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> queue;
    size_t unfinished = 0; // queued or running
    bool stopping = false;
    std::exception_ptr failure;

    void run()
    {
        int inTransaction = 0;
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopping || !queue.empty(); });
                if (queue.empty())
                    return;
                job = std::move(queue.front());
                queue.pop_front();
            }
            if (!failure) {
                try {
                    if (inTransaction > 0
                        && (job.alone || job.sync || inTransaction >= kStatementsPerTransaction)) {
                        conn.commit();
                        inTransaction = 0;
                    }
                    if (job.alone) {
                        conn.exec(job.sql);
                    } else if (!job.sync) {
                        if (inTransaction++ == 0)
                            conn.begin();
                        conn.exec(job.sql);
                    }
                } catch (...) {
                    conn.rollback();
                    inTransaction = 0;
                    std::lock_guard lock(mutex);
                    failure = std::current_exception();
                }
            }
            std::lock_guard lock(mutex);
            --unfinished;
            changed.notify_all();
        }
    }
};

StatementPipeline::StatementPipeline(
    const ConnectionParams& params, int connections, QHash<QString, int> pinnedTables)
    : m_pinned(std::move(pinnedTables))
{
    // unique_checks and foreign_key_checks stay on: with both off, an insert into an empty
    // table locks the whole table until commit, and the connections share tables.
    for (int i = 0; i < connections; ++i) {
        auto lane = std::make_unique<Lane>();
        lane->conn.open(params);
        m_lanes.push_back(std::move(lane));
    }
    for (auto& lane : m_lanes)
        lane->thread = std::thread([l = lane.get()] { l->run(); });
}

StatementPipeline::~StatementPipeline()
{
    for (auto& lane : m_lanes) {
        {
            std::lock_guard lock(lane->mutex);
            lane->stopping = true;
            lane->queue.clear();
        }
        lane->changed.notify_all();
    }
    for (auto& lane : m_lanes)
        lane->thread.join();
    // A lane stopped inside a transaction rolls it back when its connection closes.
}

void StatementPipeline::push(Lane& lane, QString sql, bool alone)
{
    {
        std::unique_lock lock(lane.mutex);
        lane.changed.wait(lock, [&] { return lane.queue.size() < kQueuedStatements || lane.failure; });
        if (!lane.failure) {
            lane.queue.push_back({ std::move(sql), alone, false });
            ++lane.unfinished;
        }
    }
    lane.changed.notify_all();
    raiseFailure();
}

void StatementPipeline::insert(const QString& table, QString sql)
{
    const auto pinned = m_pinned.constFind(table);
    Lane* target = nullptr;
    if (pinned != m_pinned.constEnd()) {
        target = m_lanes[static_cast<size_t>(*pinned % lanes())].get();
    } else {
        size_t least = SIZE_MAX;
        for (auto& lane : m_lanes) {
            std::lock_guard lock(lane->mutex);
            if (lane->unfinished < least) {
                least = lane->unfinished;
                target = lane.get();
            }
        }
    }
    push(*target, std::move(sql), false);
}

void StatementPipeline::alone(int lane, QString sql)
{
    push(*m_lanes[static_cast<size_t>(lane % lanes())], std::move(sql), true);
}

void StatementPipeline::drain()
{
    for (auto& lane : m_lanes) {
        {
            std::lock_guard lock(lane->mutex);
            lane->queue.push_back({ QString(), false, true });
            ++lane->unfinished;
        }
        lane->changed.notify_all();
    }
    for (auto& lane : m_lanes) {
        std::unique_lock lock(lane->mutex);
        lane->changed.wait(lock, [&] { return lane->unfinished == 0; });
    }
    raiseFailure();
}

void StatementPipeline::raiseFailure()
{
    for (auto& lane : m_lanes) {
        std::lock_guard lock(lane->mutex);
        if (lane->failure)
            std::rethrow_exception(lane->failure);
    }
}

} // namespace zova::datagen
