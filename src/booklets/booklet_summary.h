#pragma once

#include "core/money.h"
#include "db/connection.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <optional>

namespace zova {

// What the main window's booklet panel shows for one holder, read in one statement.
struct BookletSummary {
    qint64 holderId = 0;
    QString titular;
    QString plano; // clientes.pagamento: the plan's name
    Money valorParcela; // base value
    std::optional<Money> valorSeguro; // nothing when the plan is missing or has no value
    std::optional<Money> valorDepExtra;
    int extras = 0; // dependents of kinship "EXTRA", whatever their status
    int pendentes = 0; // installments in pending booklets
    qint64 carne = 0;
    QString ultimoVencimento;
    bool entregue = false; // booklet delivered
};

// Nothing when the holder does not exist.
std::optional<BookletSummary> loadBookletSummary(Connection& conn, qint64 holderId);

// The panel's texts.
QString parcelaText(const BookletSummary& s); // "PARCELA:" value, "R$#,##0.00"
QString seguroText(const BookletSummary& s); // "R$0,00" when empty or zero
QString depExtraCaption(const BookletSummary& s); // "DEP. EXTRA (02):", without the colon when no value
QString depExtraText(const BookletSummary& s); // value × count
QString pendenciaText(const BookletSummary& s); // "03 PARCELA(S)" or "NENHUMA"
QColor pendenciaColor(const BookletSummary& s); // red with pending installments, green without
QString carneText(const BookletSummary& s); // "003", "000" for empty or non-positive

// Font colour of an installment row: overdue pending red, pending navy, paid green.
std::optional<QColor> installmentColor(const QString& status, const QDate& dueDate, const QDate& today);

// Proposed month of the first installment of the next booklet ("MÊS"): the month after the
// last installment of the current booklet, else after `ultimovencimento`, else the current month.
QString proposedFirstMonth(
    const QString& ultimoVencimento, const std::optional<QDate>& lastDue, const QDate& today);

// Flips the delivered flag; returns the new state.
bool setBookletDelivered(Connection& conn, qint64 holderId, bool delivered);

} // namespace zova
