#include "holders/grace_period.h"

#include "core/dates.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zova {

namespace {

QDate storedContractDate(Connection& conn, qint64 holderId)
{
    const ResultSet rs = conn.query(u"select datacontrato from clientes where id = ?"_s, { holderId });
    if (rs.isEmpty())
        return {};
    const QDate date = rs.date(0, 0);
    return isLegacyZeroDate(date) ? QDate() : date;
}

} // namespace

GraceCheck VerificaCarencia(Connection& conn, const QDate& today, qint64 holderId, const QString& utilizou)
{
    GraceCheck check;
    const ResultSet param
        = conn.query(u"select CarenciaDias from parametros where CarenciaDias is not null"_s);
    if (param.isEmpty()) {
        check.result = GraceCheck::Result::NoParameter;
        return check;
    }
    check.carenciaDias = static_cast<int>(param.integer(0, 0));
    if (holderId == 0 || check.carenciaDias <= 0 || utilizou != u"SIM")
        return check;

    const QDate contract = storedContractDate(conn, holderId);
    check.days = contract.isValid() ? std::max<qint64>(0, contract.daysTo(today)) : 0;
    if (check.days < check.carenciaDias)
        check.result = GraceCheck::Result::Refused;
    return check;
}

QString graceRefusalText(const QString& titular, const GraceCheck& check)
{
    return u"Não é possível inserir utilização de plano do Titular \""_s + titular + u"\"."_s
        + u"\rO período de adesão para uso do plano, conforme parâmetro, é de \""_s
        + QString::number(check.carenciaDias) + u"\" dias."_s + u"\r O titular possui \""_s
        + QString::number(check.days) + u"\" dias de adesão. Ação cancelada!\r\r"_s;
}

} // namespace zova
