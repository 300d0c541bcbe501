#pragma once

#include "core/money.h"
#include "db/connection.h"

namespace zova {

// The "RECEBIMENTOS DE HOJE" panel: the cash-book rows received on a day, newest first,
// with their total (enrolment fees included).
struct DayReceipts {
    ResultSet rows;
    Money total;
};

DayReceipts SomaDia(Connection& conn, const QDate& day);

// "RECEBIMENTOS DE HOJE: dd/mm/yyyy", "R$ 1.234,50", "003"
QString dayReceiptsCaption(const QDate& day);
QString dayReceiptsTotalText(const DayReceipts& r);
QString dayReceiptsCountText(const DayReceipts& r);

} // namespace zova
