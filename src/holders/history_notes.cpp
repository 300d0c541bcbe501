#include "holders/history_notes.h"

#include "db/numbers.h"

using namespace Qt::StringLiterals;

namespace zova {

ResultSet loadNotes(Connection& conn, qint64 holderId)
{
    return conn.query(
        u"select id, data, historico from historico where id_cliente = ? order by id"_s, { holderId });
}

qint64 insertNote(Connection& conn, qint64 holderId, const QString& text, const QDate& date)
{
    const QString stored = text.trimmed().toUpper();
    return insertWithNextNumber(
        conn, { u"historico"_s, u"id"_s, u"id_cliente"_s, holderId }, [&](qint64 number) {
            conn.exec(u"insert into historico (id, id_cliente, historico, data) values (?, ?, ?, ?)"_s,
                { number, holderId, stored, date });
        });
}

void deleteNote(Connection& conn, qint64 holderId, qint64 number)
{
    conn.exec(u"delete from historico where id_cliente = ? and id = ?"_s, { holderId, number });
}

} // namespace zova
