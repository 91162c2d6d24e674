// The DBF browse grid's model on a source whose memo file was cut short: the cells that cannot
// be read stay empty, the others show, and the cause is told once, after the reads.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <filesystem>

#include "import/DbfBrowseModel.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

TEST(DbfBrowseModelTest, UnreadableCellsStayEmptyAndTheCauseIsToldOnce) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    TempDir dir;
    xbase::Engine engine;
    const std::string path = dir.file("SOURCE.DBF");
    engine.create(path, {{"NAME", 'C', 10, 0}, {"NOTE", 'M', 10, 0}});
    auto table = engine.open(path);
    for (const char* name : {"Adams", "Baker"}) {
        table->appendBlank();
        table->setText("NAME", name);
        table->setMemo("NOTE", std::string("Notes on ") + name);
    }
    table->commit();
    const std::string memoPath = table->memoPath();
    std::filesystem::resize_file(memoPath, 512);  // the header only: every memo lies past the end

    DbfBrowseModel model(*table);
    EXPECT_EQ(model.data(model.index(0, 0)), QVariant("Adams"));
    EXPECT_EQ(model.data(model.index(0, 1)), QVariant());
    EXPECT_EQ(model.data(model.index(1, 1)), QVariant());
    EXPECT_EQ(model.data(model.index(1, 0)), QVariant("Baker"));
    EXPECT_TRUE(shown.texts().isEmpty());  // nothing from inside the reads

    QCoreApplication::processEvents();
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "error");
    EXPECT_EQ(shown.shown()[0].caption, "Error");
    EXPECT_EQ(shown.shown()[0].text,
              QString::fromStdString(memoPath + ": memo at block 8 lies past the end of the file"));
}

}  // namespace
}  // namespace rp
