#include "booklets/booklet_summary.h"

using namespace Qt::StringLiterals;

namespace zova {

std::optional<BookletSummary> loadBookletSummary(Connection& conn, qint64 holderId)
{
    const ResultSet rs = conn.query(
        u"select c.id, c.titular, c.pagamento, c.valorparcela, c.carne, c.ultimovencimento, "
        "p.valor_seguro, p.valor_dep_extra, "
        "(select count(*) from dependentes d where d.id_cliente = c.id and d.grau = 'EXTRA') as extras, "
        "(select count(parcela_boleto) from boleto_atrasado a where a.id_cliente = c.id) as atrasado, "
        "exists(select 1 from carne_entregue e where e.id_cliente = c.id) as entregue "
        "from clientes c left join planos p on p.id = c.seguro where c.id = ?"_s,
        { holderId });
    if (rs.isEmpty())
        return std::nullopt;
    BookletSummary s;
    s.holderId = holderId;
    s.titular = rs.text(0, u"titular");
    s.plano = rs.text(0, u"pagamento");
    s.valorParcela = rs.money(0, u"valorparcela");
    if (!rs.isNull(0, u"valor_seguro"))
        s.valorSeguro = rs.money(0, u"valor_seguro");
    if (!rs.isNull(0, u"valor_dep_extra"))
        s.valorDepExtra = rs.money(0, u"valor_dep_extra");
    s.extras = static_cast<int>(rs.integer(0, u"extras"));
    s.pendentes = static_cast<int>(rs.integer(0, u"atrasado"));
    s.carne = rs.integer(0, u"carne");
    s.ultimoVencimento = rs.text(0, u"ultimovencimento").trimmed();
    s.entregue = rs.integer(0, u"entregue") != 0;
    return s;
}

QString parcelaText(const BookletSummary& s)
{
    return s.valorParcela.format(MoneyFormat::Grouped);
}

QString seguroText(const BookletSummary& s)
{
    return s.valorSeguro.value_or(Money()).format(MoneyFormat::Grouped);
}

QString depExtraCaption(const BookletSummary& s)
{
    const QString count = QString::number(s.extras).rightJustified(2, u'0');
    return s.valorDepExtra ? u"DEP. EXTRA ("_s + count + u"):"_s : u"DEP. EXTRA ("_s + count + u")"_s;
}

QString depExtraText(const BookletSummary& s)
{
    return (s.valorDepExtra.value_or(Money()) * s.extras).format(MoneyFormat::Grouped);
}

QString pendenciaText(const BookletSummary& s)
{
    return s.pendentes > 0 ? QString::number(s.pendentes).rightJustified(2, u'0') + u" PARCELA(S)"_s
                           : u"NENHUMA"_s;
}

QColor pendenciaColor(const BookletSummary& s)
{
    return s.pendentes > 0 ? QColor(255, 0, 0) : QColor(0, 128, 0);
}

QString carneText(const BookletSummary& s)
{
    return QString::number(s.carne > 0 ? s.carne : 0).rightJustified(3, u'0');
}

std::optional<QColor> installmentColor(const QString& status, const QDate& dueDate, const QDate& today)
{
    const QString st = status.trimmed().toUpper();
    if (st == u"PENDENTE"_s)
        return dueDate.isValid() && dueDate < today ? QColor(255, 0, 0) : QColor(0, 0, 128);
    if (st == u"PAGO"_s)
        return QColor(0, 128, 0);
    return std::nullopt;
}

QString proposedFirstMonth(
    const QString& ultimoVencimento, const std::optional<QDate>& lastDue, const QDate& today)
{
    auto next = [](int month) { return month >= 12 ? 1 : month + 1; };
    if (lastDue && lastDue->isValid())
        return QString::number(next(lastDue->month()));
    if (ultimoVencimento.trimmed().isEmpty())
        return today.toString(u"MM"_s);
    return QString::number(next(ultimoVencimento.left(2).toInt()));
}

bool setBookletDelivered(Connection& conn, qint64 holderId, bool delivered)
{
    if (delivered)
        conn.exec(u"Insert ignore into carne_entregue values (?)"_s, { holderId });
    else
        conn.exec(u"Delete from carne_entregue where id_cliente = ?"_s, { holderId });
    return delivered;
}

} // namespace zova
