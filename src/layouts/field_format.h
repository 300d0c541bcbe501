#pragma once

#include "db/result_set.h"

#include <QString>
#include <QStringView>

namespace zova {

// A cell as a printed layout or a report grid shows it, in a display format of the kind set on
// query fields: money ("R$##0.00", "R$#,##0.00", "#,##0.00", "0.00"), zero-padded whole numbers
// ("00", "0000", "00000"), dates ("dd/mm/yyyy") and times ("hh:mm:ss"). Without a format, dates
// print dd/mm/yyyy, times hh:mm:ss, decimals "1234,50" and anything else as stored. NULL prints
// nothing, and so does the old "no date" value.
QString formatCell(const ResultSet& rows, int row, int col, QStringView format = {});

// The same for a row and a column name; a column the rows lack prints nothing, so one layout can
// serve queries that select different columns.
QString formatField(const ResultSet& rows, int row, QStringView field, QStringView format = {});

} // namespace zova
