#pragma once

#include "db/connection.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace zova::datagen {

// Where finished INSERT statements go.
class StatementSink {
public:
    virtual ~StatementSink() = default;
    virtual void insert(const QString& table, QString sql) = 0;
};

// Runs statements on connections of its own, one thread each, so the server works on every
// core while the caller composes the next rows. Each connection commits its inserts every
// so many statements. Tables without a primary key are pinned to one connection, so their
// rows land in the same physical order on every run; other tables go to the least busy one.
class StatementPipeline final : public StatementSink {
public:
    StatementPipeline(const ConnectionParams& params, int connections, QHash<QString, int> pinnedTables);
    ~StatementPipeline() override; // abandons what was not drained
    StatementPipeline(const StatementPipeline&) = delete;
    StatementPipeline& operator=(const StatementPipeline&) = delete;

    int lanes() const { return static_cast<int>(m_lanes.size()); }
    void insert(const QString& table, QString sql) override;
    // Commits the lane's inserts, then runs sql on its own (DDL).
    void alone(int lane, QString sql);
    // Waits until every lane has run and committed everything sent; raises a lane's failure.
    void drain();

private:
    struct Lane;
    void push(Lane& lane, QString sql, bool alone);
    void raiseFailure();

    std::vector<std::unique_ptr<Lane>> m_lanes;
    QHash<QString, int> m_pinned;
};

} // namespace zova::datagen
