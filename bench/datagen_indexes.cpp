#include "datagen_indexes.h"

#include "datagen.h"
#include "datagen_pipeline.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova::datagen {

namespace {
QString sqlName(const Connection& conn, const QString& name)
{
    return conn.compose(u"?"_s, { SqlName { name } });
}
} // namespace

DeferredIndexes::DeferredIndexes(Connection& conn, const QStringList& tables)
    : m_conn(conn)
{
    for (const QString& table : tables) {
        const ResultSet index = conn.query(u"SHOW INDEX FROM ?"_s, { SqlName { table } });
        QStringList keys;
        QStringList drops;
        for (int r = 0; r < index.rowCount(); ++r) {
            const QString key = index.text(r, u"Key_name");
            if (key == u"PRIMARY")
                continue;
            QString column = sqlName(conn, index.text(r, u"Column_name"));
            if (!index.isNull(r, u"Sub_part"))
                column += u'(' + QString::number(index.integer(r, u"Sub_part")) + u')';
            if (index.integer(r, u"Seq_in_index") == 1) {
                const QString kind = index.integer(r, u"Non_unique") == 0 ? u"UNIQUE KEY "_s : u"KEY "_s;
                keys << u"ADD "_s + kind + sqlName(conn, key) + u" ("_s + column;
                drops << u"DROP KEY "_s + sqlName(conn, key);
            } else {
                keys.last() += u", "_s + column;
            }
        }
        if (keys.isEmpty())
            continue;
        for (QString& k : keys)
            k += u')';
        const QString alter = u"ALTER TABLE "_s + sqlName(conn, table) + u' ';
        conn.exec(alter + drops.join(u", "_s));
        m_additions.emplace_back(table, alter + keys.join(u", "_s));
    }
}

DeferredIndexes::~DeferredIndexes()
{
    if (m_restored)
        return;
    for (const auto& [table, sql] : m_additions) {
        try {
            m_conn.exec(sql);
        } catch (const DbError&) {
            // the server is gone; the database is unusable anyway and must be generated again
        }
    }
}

void DeferredIndexes::restore(StatementPipeline& pipeline, const DataGenReport& report)
{
    const auto rowsOf = [&](const QString& table) {
        for (const auto& [name, rows] : report.rows) {
            if (name == table)
                return rows;
        }
        return qint64(0);
    };
    std::vector<std::pair<QString, QString>> work = m_additions;
    std::stable_sort(work.begin(), work.end(),
        [&](const auto& a, const auto& b) { return rowsOf(a.first) > rowsOf(b.first); });
    std::vector<qint64> load(static_cast<size_t>(pipeline.lanes()), 0);
    for (const auto& [table, sql] : work) {
        const auto lane = std::min_element(load.begin(), load.end()) - load.begin();
        load[static_cast<size_t>(lane)] += rowsOf(table);
        pipeline.alone(static_cast<int>(lane), sql);
    }
    pipeline.drain();
    m_restored = true;
}

} // namespace zova::datagen
