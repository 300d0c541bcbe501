#include "db/schema.h"

#include "db/connection.h"

using namespace Qt::StringLiterals;

namespace zova {

QStringList schemaStatements()
{
    QStringList statements;
    QString current;
    const QStringList lines = QString::fromUtf8(schemaSql()).split(u'\n');
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u"--"_s))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    return statements;
}

void applySchema(Connection& conn)
{
    for (const QString& statement : schemaStatements())
        conn.exec(statement);
}

} // namespace zova
