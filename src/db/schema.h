#pragma once

#include <QStringList>

namespace zova {

class Connection;

// The text of schema.sql.
const char* schemaSql();
// Its statements, one per entry, comments removed.
QStringList schemaStatements();
// Creates every table in the connection's current database.
void applySchema(Connection& conn);

} // namespace zova
