#pragma once
// A test's own address file for the presort: created in a temporary folder, opened as the
// program opens it (deleted records hidden, the standing condition as its filter), and filled
// with ZIP codes. Its tags are dropped first so that appends stay quick; the presort reads in
// natural order.
#include <gtest/gtest.h>

#include <QFile>
#include <string>
#include <string_view>
#include <vector>

#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "postal/Presort.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

namespace rp {

class PresortFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(createAddressFile(QString::fromStdString(dir.file("LIST.DBF")), table));
        table->deleteIndexes();
        engine.settings.hideDeleted = true;
        table->setFilter(kStandingCondition.toStdString());
    }

    // Appends pieces records with this ZIP.
    void addZip(std::string_view zip, int pieces = 1, std::string_view prefix = {}) {
        for (int i = 0; i < pieces; ++i) {
            table->appendBlank();
            table->setText("ZIP", zip);
            table->setText("PREFIX", prefix);
            table->post();
        }
    }

    QString folder() const { return QString::fromStdString(dir.path()); }
    QString listPath() const { return presortFilePath(folder()); }

    PresortResult presort(const PresortHooks& hooks = {}) {
        return runPresort(table.table(), folder(), hooks);
    }

    std::string fileBytes() const {
        QFile file(listPath());
        if (!file.open(QIODevice::ReadOnly)) return "(no file)";
        return file.readAll().toStdString();
    }

    // The file's lines; each must end in CR LF.
    std::vector<std::string> fileLines() const {
        const std::string bytes = fileBytes();
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
            lines.push_back(bytes.substr(from, end - from));
        EXPECT_EQ(from, bytes.size()) << "the file does not end in CR LF";
        return lines;
    }

    // Presorts and returns the lines written.
    std::vector<std::string> presortLines() {
        EXPECT_EQ(presort(), PresortResult::Done);
        return fileLines();
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope scope{shown};
    AddressTable table{engine};
};

using Lines = std::vector<std::string>;

}  // namespace rp
