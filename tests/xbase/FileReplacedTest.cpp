// Another program removes a table's file (the table, its memo file or its index) or renames a
// new file over it while the table is open: the next change is refused with an error naming the
// file, the file now at that path stays as it was (and passes xbase-tool check when nothing was
// changed before), and the table still reads from what it has open and closes without a word.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

const char* const kFiles[] = {"T.DBF", "T.FPT", "T.CDX"};

struct Case {
    const char* name;
    OpenMode mode;
    const char* file;  // the file the other program takes away
    bool replace;      // a new file renamed over it, else removed
    bool append;       // the change appends a record, else it saves record 2
    bool underWay;     // a change of the same kind was posted, not committed, before
};

class FileReplacedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Engine engine;
        engine.create(dir_.file("T.DBF"), peopleFields());
        auto t = engine.open(dir_.file("T.DBF"), OpenMode::Exclusive);
        appendNames(*t, {"Ann", "Bob", "Cy"});
        t->go(1);
        t->setMemo("NOTE", "a note");
        t->commit();
        t->createTag("NAME", "NAME");
        t->close();
        for (const char* name : kFiles)
            std::filesystem::copy_file(dir_.file(name), spare_.file(name));
    }

    // What the other program does, in a process of its own: removes the file, or renames a
    // copy of it as it was before the table was opened over it.
    void takeAway(const Case& c) {
        const std::string target = dir_.file(c.file);
        if (!c.replace) {
            ASSERT_EQ(runProcess("/bin/rm", {target}, spare_.path()).status, 0);
            return;
        }
        const std::string fresh = dir_.file("NEW.TMP");
        std::filesystem::copy_file(spare_.file(c.file), fresh);
        ASSERT_EQ(runProcess("/bin/mv", {fresh, target}, spare_.path()).status, 0);
    }

    static void change(Table& t, const Case& c, const std::string& name) {
        if (c.append) {
            t.appendBlank();
        } else {
            t.go(2);
        }
        t.setText("NAME", name);
        t.setMemo("NOTE", "a note for " + name);
        t.post();
    }

    TempDir dir_;
    TempDir spare_;
};

TEST_F(FileReplacedTest, TheChangeIsRefusedAndTheNewFileLeftAsItIs) {
    const Case cases[] = {
        {"exclusive, table removed, save", OpenMode::Exclusive, "T.DBF", false, false, false},
        {"exclusive, table replaced, save", OpenMode::Exclusive, "T.DBF", true, false, false},
        {"exclusive, table replaced, second save", OpenMode::Exclusive, "T.DBF", true, false, true},
        {"exclusive, table removed, append", OpenMode::Exclusive, "T.DBF", false, true, false},
        {"exclusive, table replaced, second append", OpenMode::Exclusive, "T.DBF", true, true,
         true},
        {"exclusive, memo replaced, append", OpenMode::Exclusive, "T.FPT", true, true, false},
        {"exclusive, index removed, second save", OpenMode::Exclusive, "T.CDX", false, false, true},
        {"shared, table removed, save", OpenMode::Shared, "T.DBF", false, false, false},
        {"shared, table replaced, second save", OpenMode::Shared, "T.DBF", true, false, true},
        {"shared, table replaced, append", OpenMode::Shared, "T.DBF", true, true, false},
        {"shared, table removed, second append", OpenMode::Shared, "T.DBF", false, true, true},
        {"shared, index replaced, append", OpenMode::Shared, "T.CDX", true, true, false},
        {"shared, memo removed, save", OpenMode::Shared, "T.FPT", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : kFiles)
            std::filesystem::copy_file(spare_.file(name), dir_.file(name),
                                       std::filesystem::copy_options::overwrite_existing);
        Engine engine;
        auto t = engine.open(dir_.file("T.DBF"), c.mode);
        if (c.underWay) change(*t, c, "First");
        takeAway(c);
        const std::string now = c.replace ? readBytes(dir_.file(c.file)) : std::string();
        std::string error;
        try {
            change(*t, c, "Second");
            t->commit();
        } catch (const Error& e) {
            error = e.what();
        }
        EXPECT_EQ(error, dir_.file(c.file) +
                             " was removed or replaced by another program while it was open; "
                             "the change was not saved");
        // The table reads on from the files it has open.
        t->go(1);
        EXPECT_EQ(t->text("NAME"), "Ann");
        EXPECT_EQ(t->memo("NOTE"), "a note");
        EXPECT_NO_THROW(t->close());
        if (!c.replace) {
            EXPECT_FALSE(std::filesystem::exists(dir_.file(c.file)));
            continue;
        }
        EXPECT_EQ(readBytes(dir_.file(c.file)), now);
        // A change posted before the file went reached the other files already.
        if (!c.underWay) {
            EXPECT_EQ(runProcess(XBASE_TOOL_PATH, {"check", dir_.file("T.DBF")}, spare_.path()).out,
                      "ok: 1 tag, 3 records\n");
        }
    }
}

}  // namespace
