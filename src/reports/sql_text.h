#pragma once

#include "db/connection.h"

#include <QString>
#include <initializer_list>

namespace zova {

// A statement put together from fragments, each with its own "?" values filled by the
// connection's escaping as it is added, so optional filters can be appended one by one.
class SqlText {
public:
    explicit SqlText(const Connection& conn)
        : m_conn(conn)
    {
    }

    SqlText& add(QStringView fragment, std::initializer_list<SqlValue> values = {});
    // " where " before the first condition, " and " before the others.
    SqlText& condition(QStringView fragment, std::initializer_list<SqlValue> values = {});

    const QString& text() const { return m_text; }

private:
    const Connection& m_conn;
    QString m_text;
    bool m_hasWhere = false;
};

} // namespace zova
