// "edit": one record's fields changed under its lock with the file open shared; a deleted or
// locked record, an unknown field or a value its field cannot hold is refused with one line
// and status 1, the file unchanged.
#include <gtest/gtest.h>

#include "batch/BatchFixture.h"
#include "xbase/FamilyLocks.h"
#include "xbase/OtherProcess.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class EditCommandTest : public BatchFixture {
  protected:
    // Young, Adams, Baker (PREFIX "DELETED") and Dunn (marked deleted).
    void SetUp() override {
        BatchFixture::SetUp();
        addThreeAddresses([this] {
            table->setMemo("MEMO", "Met at the fair");
            table->post();
        });
        add({{"LNAME", "Dunn"}});
        table->deleteRecord();
        table->post();
        handOver();
        path = file.toStdString();
    }

    // A field of a record, as the file holds it after the run.
    std::string field(std::uint32_t recno, const char* name) {
        table.open(QString::fromStdString(dir.path()), QStringLiteral("BROWSE.DBF"), {},
                   xbase::OpenMode::Shared);
        table->go(recno);
        const std::string value = table->field(table->fieldNumber(name)).type == 'M'
                                      ? table->memo(name)
                                      : table->text(name);
        table.close();
        return value;
    }

    std::string path;
};

TEST_F(EditCommandTest, ChangesTheFieldsOfTheRecord) {
    const struct {
        QStringList values;
        std::uint32_t recno;
        const char* field;
        std::string stored;
    } cases[] = {
        {{"LNAME=Young-Smith"}, 1, "LNAME", "Young-Smith"},
        {{"city=Nampa", "ZIP=83651"}, 2, "CITY", "Nampa"},
        {{"city=Nampa", "ZIP=83651"}, 2, "ZIP", "83651"},
        {{"DATE=01/02/2025"}, 1, "DATE", "20250102"},
        {{"DATE="}, 1, "DATE", ""},
        {{"BEGIN=t"}, 2, "BEGIN", "T"},
        {{"BEGIN=N"}, 2, "BEGIN", "F"},
        {{"SEQNO=42"}, 1, "SEQNO", "42"},
        {{"SEQNO=-7.6"}, 1, "SEQNO", "-8"},
        {{"NOTES="}, 1, "NOTES", ""},
        {{"LNAME=Nguyễn"}, 1, "LNAME", "Nguyen"},
        {{"MEMO=Called twice\nNo answer"}, 1, "MEMO", "Called twice\r\nNo answer"},
        {{"MEMO=Reminder"}, 2, "MEMO", "Reminder "},
        {{"MEMO=Now on file"}, 2, "MEMO", "Now on file"},
        {{"LNAME=First", "LNAME=Last"}, 2, "LNAME", "Last"},
    };
    for (const auto& c : cases) {
        QStringList arguments{"edit", file, "--record", QString::number(c.recno)};
        const BatchRun run = batch(arguments + c.values);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err.toStdString(), "");
        EXPECT_EQ(field(c.recno, c.field), c.stored) << c.values.join(' ').toStdString();
    }
    EXPECT_EQ(field(1, "MEMO"), "Called twice\r\nNo answer");  // the fields not named stay
    EXPECT_EQ(field(1, "CITY"), "Boise");
}

TEST_F(EditCommandTest, RefusesWithOneLineAndChangesNothing) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"--record", "3", "LNAME=X"}, "Record 3 is deleted."},
        {{"--record", "4", "LNAME=X"}, "Record 4 is deleted."},
        {{"--record", "9", "LNAME=X"}, "the address file has no record 9 (it has 4)"},
        {{"--record", "0", "LNAME=X"}, "--record must be a whole number of at least 1, not \"0\""},
        {{"LNAME=X"}, "give --record N"},
        {{"--record", "1"}, "give at least one FIELD=VALUE"},
        {{"--record", "1", "NOSUCH=1"}, "the address file has no field NOSUCH"},
        {{"--record", "1", "LNAME"}, "\"LNAME\" is not FIELD=VALUE"},
        {{"--record", "1", "=X"}, "\"=X\" is not FIELD=VALUE"},
        {{"--record", "1", "DATE=13/45/2025"},
         "DATE: \"13/45/2025\" is not a date in the form mm/dd/yyyy"},
        {{"--record", "1", "BEGIN=maybe"}, "BEGIN: \"maybe\" is not T, F, Y or N"},
        {{"--record", "1", "SEQNO=many"}, "SEQNO: \"many\" is not a number"},
        {{"--record", "1", "SEQNO=1234567"}, "The value 1234567 does not fit field SEQNO (N 6,0)"},
        {{"--record", "1", "STATE=" + QString(21, 'I')},
         "STATE: \"" + QString(21, 'I') + "\" is longer than the field's 20 characters"},
        {{"--record", "1", "LNAME=Young", "CITY=汉"},
         "The character \"汉\" cannot be stored in a Ravenpost file."},
    };
    const auto before = addressFiles();
    for (const auto& c : cases) {
        const BatchRun run = batch(QStringList{"edit", file} + c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.toStdString(), ("ravenpost-batch edit: " + c.err + "\n").toStdString());
        EXPECT_EQ(addressFiles(), before) << c.arguments.join(' ').toStdString();
    }
}

TEST_F(EditCommandTest, WorksBesideAnotherSharedOpen) {
    OtherProcess holder(path, xbase::OpenMode::Shared);
    ASSERT_TRUE(holder.opened());
    const BatchRun run = batch({"edit", file, "--record", "2", "PHONE=555-0100"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(field(2, "PHONE"), "555-0100");
}

TEST_F(EditCommandTest, RefusesARecordAnotherProcessHolds) {
    // The program of another user editing record 2, and another xBase program locking it at
    // the family's offset.
    const std::function<void(const std::function<void()>&)> holders[] = {
        [&](const std::function<void()>& holdOn) {
            xbase::Engine engine;
            auto t = engine.open(path, xbase::OpenMode::Shared);
            t->lockRecord(2);
            holdOn();
        },
        familyLock(path, kCdxHeaderByte - 2),
    };
    for (const auto& body : holders) {
        OtherProcess holder(body);
        ASSERT_TRUE(holder.opened());
        const auto before = addressFiles();
        const BatchRun run = batch({"edit", file, "--record", "2", "LNAME=Other"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "ravenpost-batch edit: Record 2 is being changed by another user.\n");
        EXPECT_EQ(addressFiles(), before);
        // Record 1 is free.
        EXPECT_EQ(batch({"edit", file, "--record", "1", "LNAME=Free"}).status, 0);
    }
    EXPECT_EQ(field(2, "LNAME"), "Adams");
}

}  // namespace
}  // namespace rp
