// Every write of a small import, and of the tag rebuild after it, failing in turn as on a full
// disk, once or for good: the records that reached the file read back as their source rows, the
// import's message tells how many they are, and the tags agree with the table at once or after
// the repair at the next open, which says so.
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <functional>

#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "import/AsciiImport.h"
#include "import/DbfImport.h"
#include "import/ImportTags.h"
#include "support/AddressFileFixture.h"
#include "support/ImportTestSupport.h"
#include "support/TableBytes.h"
#include "xbase/Table.h"
#include "xbase/WriteFaults.h"

namespace rp {
namespace {

constexpr int kRows = 12;

QString nameOf(int row) {
    return QStringLiteral("Name%1").arg(row);
}

class ImportWriteFaultTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        table.close();
        std::string text;
        for (int r = 0; r < kRows; ++r) text += nameOf(r).toStdString() + "\r\n";
        csv_ = writeTextFile(dir, "in.txt", text);
        const std::string source = dir.file("SOURCE.DBF");
        engine.create(source, {{"LAST", 'C', 20, 0}});
        auto t = engine.open(source, xbase::OpenMode::Exclusive);
        for (int r = 0; r < kRows; ++r) {
            t->appendBlank();
            t->setText("LAST", nameOf(r).toStdString());
        }
        t->close();
        source_ = engine.open(source, xbase::OpenMode::ReadOnly);
    }

    // Each import returns the message that tells its count.
    QString importAscii() {
        return asciiImportMessage(importAsciiFile(table.table(), csv_, layoutOf({"Last"})));
    }

    QString importDbf() {
        ImportLayout layout = dbfImportLayout(*source_);
        layout.columns[0].match = QStringLiteral("Last");
        return dbfImportMessages(importDbfFile(table.table(), *source_, layout)).constLast();
    }

    // The count in an import's message.
    static std::uint32_t toldCount(const QString& message) {
        static const QRegularExpression count(
            QStringLiteral("(?:after importing|Imported) (\\d+) records\\."));
        const QRegularExpressionMatch m = count.match(message);
        EXPECT_TRUE(m.hasMatch()) << message.toStdString();
        return m.captured(1).toUInt();
    }

    // A new address file holding one record, imported into with the n-th write failing; then
    // the tags are rebuilt as the import window does. Returns the writes made; told is the count
    // the import's message gave.
    std::uint64_t runFailing(const QString& path, const std::function<QString()>& import,
                             std::uint64_t n, unsigned mode, std::uint32_t& told) {
        EXPECT_TRUE(createAddressFile(path, table));
        add({{"LNAME", "Existing"}});
        table->commit();
        xbase::WriteFaults::failAfter(n, ENOSPC, mode);
        told = toldCount(import());
        rebuildImportedTags(table, [](int) {});
        const std::uint64_t calls = xbase::WriteFaults::calls();
        xbase::WriteFaults::off();
        table.close();
        return calls;
    }

    // Opens the file again: records in source order after the first, as many as the import told,
    // every tag listing every record, and the notice of the repair when the file was left marked.
    void expectIntact(const QString& path, bool marked, std::uint32_t told) {
        const AddressFileResult opened = openAddressTable(path, table);
        ASSERT_TRUE(opened.ok);
        const QStringList repaired{
            QStringLiteral("The file %1 was not closed properly. Its indexes have been rebuilt.")
                .arg(path)};
        EXPECT_EQ(opened.notices, marked ? repaired : QStringList{});
        const std::uint32_t count = table->recordCount();
        ASSERT_GE(count, 1u);
        ASSERT_LE(count, static_cast<std::uint32_t>(kRows + 1));
        EXPECT_EQ(told, count - 1);
        for (std::uint32_t r = 2; r <= count; ++r) {
            table->go(r);
            EXPECT_EQ(fieldText(table.table(), "LNAME"), nameOf(static_cast<int>(r) - 2));
        }
        ASSERT_EQ(table->orderCount(), 21);
        for (const AddressTagDef& tag : addressTags()) {
            table->setOrder(tag.name);
            EXPECT_EQ(walk().size(), count) << tag.name;
        }
        table.close();
    }

    QString csv_;
    std::unique_ptr<xbase::Table> source_;
};

TEST_F(ImportWriteFaultTest, EachWriteFailingInTurnLeavesTheRecordsWrittenAndTheTagsInStep) {
    const struct {
        const char* name;
        bool dbf;
        unsigned mode;
    } cases[] = {
        {"text file, the disk full for good", false, xbase::WriteFaults::kLasting},
        {"text file, one write failing", false, xbase::WriteFaults::kOnce},
        {"dBASE file, the disk full for good", true, xbase::WriteFaults::kLasting},
        {"dBASE file, one write failing", true,
         xbase::WriteFaults::kOnce | xbase::WriteFaults::kHalfWrite},
    };
    int file = 0;
    for (const auto& c : cases) {
        const auto import = [&] { return c.dbf ? importDbf() : importAscii(); };
        for (std::uint64_t n = 1;; ++n) {
            SCOPED_TRACE(std::string(c.name) + ", write " + std::to_string(n) + " failing");
            const QString path =
                QString::fromStdString(dir.file("F" + std::to_string(++file) + ".DBF"));
            std::uint32_t told = 0;
            const std::uint64_t calls = runFailing(path, import, n, c.mode, told);
            const bool marked = rp::markedIncomplete(path);
            expectIntact(path, marked, told);
            if (HasFailure() || n > calls) break;
        }
    }
}

}  // namespace
}  // namespace rp
