#include "support/test_database.h"

#include "db/schema.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace zova::test {

ConnectionParams testServerParams()
{
    if (qEnvironmentVariableIsEmpty("ZOVA_TEST_DB_PORT"))
        throw std::runtime_error("ZOVA_TEST_DB_PORT is not set: run the tests through scripts/test");
    ConnectionParams p;
    p.host = qEnvironmentVariable("ZOVA_TEST_DB_HOST", u"127.0.0.1"_s);
    p.port = qEnvironmentVariable("ZOVA_TEST_DB_PORT").toUInt();
    p.user = qEnvironmentVariable("ZOVA_TEST_DB_USER", u"zova"_s);
    p.password = qEnvironmentVariable("ZOVA_TEST_DB_PASSWORD", u"zova"_s);
    return p;
}

TestDatabase::TestDatabase()
{
    m_params = testServerParams();
    const QString name = u"zt_%1_%2"_s.arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate() % 1000000);
    m_conn.open(m_params);
    m_conn.exec(
        u"CREATE DATABASE ? CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"_s, { SqlName { name } });
    m_conn.exec(u"USE ?"_s, { SqlName { name } });
    m_params.database = name;
    applySchema(m_conn);
}

TestDatabase::~TestDatabase()
{
    try {
        m_conn.exec(u"DROP DATABASE IF EXISTS ?"_s, { SqlName { m_params.database } });
    } catch (const DbError&) {
        // the server may already be gone at the end of a failed run
    }
}

std::unique_ptr<Connection> TestDatabase::openAnother() const
{
    auto c = std::make_unique<Connection>();
    c->open(m_params);
    return c;
}

void TestDatabase::clear()
{
    const ResultSet tables = m_conn.query(u"SHOW TABLES"_s);
    for (int r = 0; r < tables.rowCount(); ++r)
        m_conn.exec(u"DELETE FROM ?"_s, { SqlName { tables.text(r, 0) } });
}

TestDatabase* DbTest::s_db = nullptr;

void DbTest::SetUpTestSuite()
{
    if (!s_db)
        s_db = new TestDatabase();
}

void DbTest::TearDownTestSuite()
{
    delete s_db;
    s_db = nullptr;
}

void DbTest::SetUp()
{
    s_db->clear();
}

} // namespace zova::test
