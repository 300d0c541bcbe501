#include "db/numbers.h"

#include "db/transaction.h"

using namespace Qt::StringLiterals;

namespace zova {

qint64 nextNumber(Connection& conn, const NumberColumn& where)
{
    const ResultSet rs = where.groupColumn.isEmpty()
        ? conn.query(
            u"select max(?) as codigo from ?"_s, { SqlName { where.column }, SqlName { where.table } })
        : conn.query(u"select max(?) as codigo from ? where ? = ?"_s,
            { SqlName { where.column }, SqlName { where.table }, SqlName { where.groupColumn },
                where.groupValue });
    if (rs.isEmpty() || rs.isNull(0, 0))
        return 1;
    return rs.integer(0, 0) + 1;
}

qint64 insertWithNextNumber(
    Connection& conn, const NumberColumn& where, const std::function<void(qint64)>& insert)
{
    constexpr int kAttempts = 20;
    Transaction tx(conn);
    // Workstations of this program take turns per table; the retry below still covers
    // writers that do not take the lock.
    conn.lockUntilTransactionEnd(u"zova:"_s + conn.params().database + u':' + where.table);
    for (int attempt = 1;; ++attempt) {
        const qint64 number = nextNumber(conn, where);
        try {
            insert(number);
        } catch (const DbError& e) {
            // Only the failed statement is undone by the server; the transaction goes on.
            if (e.isDuplicateKey() && attempt < kAttempts)
                continue;
            throw;
        }
        tx.commit();
        return number;
    }
}

} // namespace zova
