#include "layouts/activity_log_report.h"

#include "layouts/listing_layout.h"

using namespace Qt::StringLiterals;

namespace zova {

ReportLayout activityLogLayout()
{
    ReportLayout layout = listingLayout(QPageLayout::Portrait);
    const std::vector<ListColumn> columns = {
        { u"USUÁRIO"_s, u"login"_s, 140 },
        { u"AÇÃO"_s, u"acao"_s, 460 },
        { u"DATA"_s, u"data"_s, 64, Qt::AlignHCenter },
        { u"HORA"_s, u"hora"_s, 54, Qt::AlignHCenter },
    };
    addListingPageHeader(layout, u"RELATÓRIO - LOG DE AÇÕES"_s, 11.0);
    addColumnCaptions(layout, BandKind::ColumnHeader, columns);
    addDetailLine(layout, columns, 4.0, 7.0);
    addListingPageFooter(layout);
    layout.setFieldFormat(u"data"_s, u"dd/mm/yyyy"_s);
    layout.setFieldFormat(u"hora"_s, u"hh:mm:ss"_s);
    return layout;
}

ReportDocument activityLogReport(const ResultSet& rows, const QString& title, const QString& caption,
    const QString& operatorName, const QDateTime& printedAt)
{
    ReportLayout layout = activityLogLayout();
    layout.setText(kTitleElement, title);
    layout.setText(kCaptionElement, caption);
    layout.setText(kPrintedByElement, u"Impresso por: "_s + operatorName.trimmed());
    ReportDocument document(std::move(layout), rows);
    document.setPrintedAt(printedAt);
    return document;
}

} // namespace zova
