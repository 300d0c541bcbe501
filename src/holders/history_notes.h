#pragma once

#include "db/connection.h"
#include "db/result_set.h"

#include <QDate>
#include <QString>

namespace zova {

// A dated remark about a holder. `number` counts within the holder (1, 2, ...): holder and
// number together identify the note.
struct HistoryNote {
    qint64 number = 0;
    qint64 holderId = 0;
    QDate data;
    QString historico;
};

// The holder's notes for the grid: id (the note's number), data, historico; by number.
ResultSet loadNotes(Connection& conn, qint64 holderId);

// Stores a note under the holder's next number and returns that number. The text is stored
// upper case, without surrounding blanks.
qint64 insertNote(Connection& conn, qint64 holderId, const QString& text, const QDate& date);

// Deletes one note of the holder; nothing happens when it is already gone.
void deleteNote(Connection& conn, qint64 holderId, qint64 number);

} // namespace zova
