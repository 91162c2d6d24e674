#pragma once
// A test's own address file: created empty with its tags in a temporary folder, open in
// LNAME order, filled record by record.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "data/AddressFile.h"
#include "support/ScriptedMessages.h"
#include "support/TableBytes.h"
#include "support/TempDir.h"

namespace rp {

class AddressFileFixture : public ::testing::Test {
  protected:
    using Values = std::initializer_list<std::pair<const char*, std::string_view>>;

    void SetUp() override {
        ASSERT_TRUE(createAddressFile(QString::fromStdString(dir.file("BROWSE.DBF")), table));
        table->setOrder("LNAME");
    }

    // Appends a record with these field values and returns its number.
    std::uint32_t add(Values values) {
        table->appendBlank();
        for (const auto& [field, value] : values) table->setText(field, value);
        table->post();
        return table->recNo();
    }

    // Appends n records with last names and cities from short lists, then builds the tags
    // afresh, which is quicker than keeping 21 tags up to date on every append. The order is
    // LNAME again afterwards.
    void addMany(int n) {
        table->deleteIndexes();
        static const char* const names[] = {"Walker", "Adams", "Young", "Baker",
                                            "Nguyen", "Lopez", "Clark"};
        static const char* const cities[] = {"Boise", "Reno", "Tampa", "Denver"};
        for (int i = 0; i < n; ++i) {
            const std::string last =
                std::string(names[(i * 5) % 7]) + std::to_string((i * 7919) % 1000);
            add({{"LNAME", last}, {"FNAME", "Pat"}, {"CITY", cities[i % 4]}});
        }
        ASSERT_TRUE(createAddressTags(table));
        table->setOrder("LNAME");
    }

    // Whether the file on disk carries the header mark of changes whose indexes may not all be
    // written yet.
    bool markedOnDisk() const {
        return rp::markedIncomplete(QString::fromStdString(dir.file("BROWSE.DBF")));
    }

    // Record numbers in the order navigation shows them, by a plain walk from the top.
    std::vector<std::uint32_t> walk() {
        std::vector<std::uint32_t> records;
        for (table->goTop(); !table->eof(); table->skip()) records.push_back(table->recNo());
        return records;
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope scope{shown};
    AddressTable table{engine};
};

}  // namespace rp
