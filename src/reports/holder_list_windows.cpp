#include "reports/holder_list_windows.h"

#include "layouts/holder_list_layout.h"
#include "reports/sql_text.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace zova {

HoldersReportWindow::HoldersReportWindow(Session& session, QWidget* parent)
    : HoldersReportWindow(session, false, parent)
{
}

HoldersReportWindow::HoldersReportWindow(Session& session, bool usedPlanOnly, QWidget* parent)
    : ReportWindow(session,
        usedPlanOnly ? u"RELATÓRIO DE TITULARES - UTILIZARAM O PLANO"_s : u"RELATÓRIO DE TITULARES"_s, parent)
    , m_usedPlanOnly(usedPlanOnly)
{
    m_status = addFixedList(u"STATUS"_s, { u"ATIVO"_s, u"INATIVO"_s });
    // Cities of holders of any status: the list serves inactive holders too.
    m_city = addListFilter(u"CIDADE"_s, everyHolderCity);
    setGridColumns({
        { u"id"_s, u"Cód."_s, CellFormat::integer(), std::nullopt, 60 },
        { u"titular"_s, u"Titular"_s, CellFormat::text(), std::nullopt, 280 },
        { u"cidade"_s, u"Cidade"_s, CellFormat::text(), std::nullopt, 160 },
        { u"endereco"_s, u"Endereço"_s, CellFormat::text(), std::nullopt, 260 },
        { u"status"_s, u"Status"_s },
    });
}

void HoldersReportWindow::composeQuery(SqlText& sql) const
{
    sql.add(u"select clientes.id, clientes.titular, clientes.endereco, clientes.numero, clientes.bairro, "
            u"clientes.cidade, clientes.uf, clientes.status from clientes");
    if (m_usedPlanOnly)
        sql.condition(u"clientes.utilizou = ?", { u"SIM"_s });
    if (const QString status = listValue(m_status); !status.isEmpty())
        sql.condition(u"clientes.status = ?", { status });
    if (const QString city = listValue(m_city); !city.isEmpty())
        sql.condition(u"clientes.cidade = ?", { city });
    sql.add(u" order by clientes.titular");
}

QString HoldersReportWindow::printTitle() const
{
    const QString prefix
        = m_usedPlanOnly ? u"RELATÓRIO DE TITULARES - UTILIZARAM PLANO"_s : u"RELATÓRIO DE TITULARES"_s;
    const QString status = listValue(m_status);
    const QString city = listValue(m_city);
    if (status.isEmpty() && city.isEmpty())
        return prefix + u" - GERAL"_s;
    return prefix + u" - STATUS: "_s + (status.isEmpty() ? u"TODOS"_s : status) + u" - CIDADE: "_s
        + (city.isEmpty() ? u"TODAS"_s : city);
}

ReportLayout HoldersReportWindow::printLayout() const
{
    return holderListLayout();
}

HoldersUsedPlanReportWindow::HoldersUsedPlanReportWindow(Session& session, QWidget* parent)
    : HoldersReportWindow(session, true, parent)
{
}

} // namespace zova
