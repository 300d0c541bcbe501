#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zova {
class Connection;
struct DataGenReport;
} // namespace zova

namespace zova::datagen {

class StatementPipeline;

// Secondary indexes are dropped for the load and built again at the end: building an index
// from all its rows at once costs the server far less than keeping it up to date row by row.
// They come back with the same names, columns and order.
class DeferredIndexes {
public:
    DeferredIndexes(Connection& conn, const QStringList& tables);
    ~DeferredIndexes(); // puts them back when restore() was not reached
    DeferredIndexes(const DeferredIndexes&) = delete;
    DeferredIndexes& operator=(const DeferredIndexes&) = delete;

    // One ALTER per table, the largest tables spread first over the pipeline's connections.
    void restore(StatementPipeline& pipeline, const DataGenReport& rows);

private:
    Connection& m_conn;
    std::vector<std::pair<QString, QString>> m_additions; // table, ALTER TABLE ... ADD INDEX ...
    bool m_restored = false;
};

} // namespace zova::datagen
