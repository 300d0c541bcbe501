#include "receipts/today_receipts.h"

#include "core/dates.h"

using namespace Qt::StringLiterals;

namespace zova {

DayReceipts SomaDia(Connection& conn, const QDate& day)
{
    DayReceipts r;
    r.rows = conn.query(
        u"select id, titular, parcela, valor from caixa where pagamento between ? and ? order by id desc"_s,
        { day, day });
    for (int i = 0; i < r.rows.rowCount(); ++i)
        r.total += r.rows.money(i, u"valor");
    return r;
}

QString dayReceiptsCaption(const QDate& day)
{
    return u"RECEBIMENTOS DE HOJE: "_s + dateText(day);
}
QString dayReceiptsTotalText(const DayReceipts& r)
{
    return r.total.format(MoneyFormat::Spaced);
}
QString dayReceiptsCountText(const DayReceipts& r)
{
    return QString::number(r.rows.rowCount()).rightJustified(3, u'0');
}

} // namespace zova
