#include "app/activity_log.h"

#include "db/connection.h"
#include "ui/session.h"

using namespace Qt::StringLiterals;

namespace zova {

QDate logCutOff(const QDate& newest)
{
    // addMonths lands on the month's last day when the day does not exist there.
    return newest.addMonths(-3);
}

bool LimpaLog(Session& session)
{
    Connection& db = session.db();
    try {
        const ResultSet newest = db.query(u"select max(data) as Data from log"_s);
        if (newest.isEmpty() || newest.isNull(0, u"Data"))
            return true;
        db.exec(u"delete from log where data <= ?"_s, { logCutOff(newest.date(0, u"Data")) });
        return true;
    } catch (const DbError& e) {
        session.dialogs().error(u"Erro"_s,
            u"Ocorreu um erro ao fazer exclusão dos logs antigos (3 meses anteriores). Procedimento cancelado. Erro: "_s
                + e.message() + u"."_s + u"\r\r"_s);
        return false;
    }
}

QString composeLogQuery(const Connection& conn, const LogFilter& filter)
{
    QString sql = conn.compose(u"select * from log where data between ? and ?", { filter.from, filter.to });
    if (!filter.acao.isEmpty())
        sql += conn.compose(u" and acao like ?", { QString(u"%"_s + likeEscape(filter.acao) + u"%"_s) });
    if (!filter.usuario.isEmpty())
        sql += conn.compose(u" and login = ?", { filter.usuario });
    return sql + u" order by codigo desc"_s;
}

ResultSet queryLog(Connection& conn, const LogFilter& filter)
{
    return conn.query(composeLogQuery(conn, filter));
}

} // namespace zova
