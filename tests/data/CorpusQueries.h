#pragma once

// Read access to the shipped database built from data/ (its path is in the
// environment variable JIAMING_SHIPPED_DB), for the data quality tests.

#include "data/NameDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace jm::test {

class ShippedDatabaseTest : public ::testing::Test {
protected:
    // Opened in SetUp, not SetUpTestSuite: a missing database must fail the tests, not skip them.
    void SetUp() override
    {
        if (!s_db) {
            const char* path = std::getenv("JIAMING_SHIPPED_DB");
            ASSERT_NE(path, nullptr) << "JIAMING_SHIPPED_DB is not set";
            auto db = std::make_unique<NameDatabase>();
            ASSERT_TRUE(db->open(path)) << "cannot open " << path;
            s_db = db.release();
        }
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }

    /// Every row of a query, each as its first `columns` column texts.
    static std::vector<std::vector<std::string>> rows(
        const std::string& sql, int columns, const std::vector<SqlValue>& params = {})
    {
        std::vector<std::vector<std::string>> out;
        Statement st = s_db->query(sql, params);
        while (st && st.onRow()) {
            std::vector<std::string> row;
            for (int i = 0; i < columns; ++i)
                row.push_back(s_db->columnText(st, i));
            out.push_back(std::move(row));
            if (!s_db->nextRow(st)) break;
        }
        return out;
    }

    /// The first column of the first row as an integer (0 when there is none).
    static long long number(const std::string& sql, const std::vector<SqlValue>& params = {})
    {
        auto r = rows(sql, 1, params);
        return r.empty() || r[0][0].empty() ? 0 : std::stoll(r[0][0]);
    }

    static NameDatabase* s_db;
};

inline NameDatabase* ShippedDatabaseTest::s_db = nullptr;

} // namespace jm::test
