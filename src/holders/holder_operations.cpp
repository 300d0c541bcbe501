#include "holders/holder_operations.h"

using namespace Qt::StringLiterals;

namespace zova {

bool hasCurrentInstallments(Connection& conn, qint64 holderId)
{
    return !conn.query(u"select id_cliente from boleto where id_cliente = ? limit 1"_s, { holderId }).isEmpty();
}

} // namespace zova
