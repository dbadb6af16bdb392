#pragma once

#include "support/CliRunner.h"
#include "support/FixtureDatabase.h"
#include "support/ListFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace jm::test {

/// A test suite sharing one list-sized fixture database, written once for the
/// whole suite: `s_db` is its path, quoted for the shell.
class ListDatabaseSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_db = new std::string(shellQuote(listFixture().write(s_dir->path() / "f.db").string()));
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
        s_db = nullptr;
        s_dir = nullptr;
    }
    static inline TempDir* s_dir = nullptr;
    static inline std::string* s_db = nullptr;
};

} // namespace jm::test
