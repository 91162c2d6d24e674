#pragma once
// A people table P.DBF of the test's own holding five names with the tag NAME on UPPER(NAME),
// and what the tests of its header's incomplete mark read: the mark on disk and the checker's
// report.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

class NamesTableFixture : public ::testing::Test {
  protected:
    // Creates the table with these names and its NAME tag, and leaves it open alone.
    std::unique_ptr<xbase::Table> makeNames(const std::vector<std::string>& names) {
        engine.create(path, peopleFields());
        auto t = engine.open(path, xbase::OpenMode::Exclusive);
        appendNames(*t, names);
        t->createTag("NAME", "UPPER(NAME)");
        return t;
    }

    char mark() const { return readBytes(path)[xbase::dbf::kIncompleteOffset]; }
    std::string check() { return runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out; }

    TempDir dir;
    std::string path = dir.file("P.DBF");
    std::string cdxPath = dir.file("P.CDX");
    xbase::Engine engine;
};
