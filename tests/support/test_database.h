#pragma once

#include "db/connection.h"

#include <gtest/gtest.h>
#include <memory>

namespace zova::test {

// The private server scripts/test started (ZOVA_TEST_DB_* variables), without a database.
ConnectionParams testServerParams();

// A fresh database with the schema applied, dropped again when destroyed.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    Connection& conn() { return m_conn; }
    const ConnectionParams& params() const { return m_params; }
    std::unique_ptr<Connection> openAnother() const;
    // Empties every table.
    void clear();

private:
    ConnectionParams m_params;
    Connection m_conn;
};

// A test suite sharing one database; every test starts with empty tables.
class DbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static TestDatabase& db() { return *s_db; }
    static Connection& conn() { return s_db->conn(); }

private:
    static TestDatabase* s_db;
};

} // namespace zova::test
