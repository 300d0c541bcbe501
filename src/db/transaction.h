#pragma once

#include "db/connection.h"

namespace zova {

// Scoped transaction: rolls back when an exception (or an early return) leaves the scope
// before commit().
class Transaction {
public:
    explicit Transaction(Connection& conn)
        : m_conn(conn)
    {
        m_conn.begin();
    }
    ~Transaction()
    {
        if (!m_done)
            m_conn.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        m_done = true;
        m_conn.commit();
    }

private:
    Connection& m_conn;
    bool m_done = false;
};

} // namespace zova
