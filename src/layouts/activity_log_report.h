#pragma once

#include "layouts/report_document.h"

namespace zova {

// The activity-log report: one line per entry (login, acao, data, hora) in the rows' order, the
// title framed at the top, and at the foot the window caption, "Impresso por: " + operator, and
// the printing date and time.
ReportLayout activityLogLayout();
ReportDocument activityLogReport(const ResultSet& rows, const QString& title, const QString& caption,
    const QString& operatorName, const QDateTime& printedAt);

} // namespace zova
