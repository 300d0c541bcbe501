#include "reports/sql_text.h"

using namespace Qt::StringLiterals;

namespace zova {

SqlText& SqlText::add(QStringView fragment, std::initializer_list<SqlValue> values)
{
    m_text += m_conn.compose(fragment, values);
    return *this;
}

SqlText& SqlText::condition(QStringView fragment, std::initializer_list<SqlValue> values)
{
    m_text += m_hasWhere ? u" and "_s : u" where "_s;
    m_hasWhere = true;
    return add(fragment, values);
}

} // namespace zova
