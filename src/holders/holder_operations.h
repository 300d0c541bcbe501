#pragma once

#include "core/money.h"
#include "db/connection.h"

#include <QDate>
#include <QString>

#include <optional>
#include <stdexcept>

namespace zova {

// Whether the holder has installments in its current booklet (`boleto`, paid or not). Closed
// and pending booklets do not count.
bool hasCurrentInstallments(Connection& conn, qint64 holderId);

} // namespace zova
