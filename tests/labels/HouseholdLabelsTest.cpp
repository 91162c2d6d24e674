// One label per household: planted households (the same address in different letter case and
// punctuation, ZIP+4 against ZIP, a postal code that is not a US ZIP, different last names, an
// empty street) printed on a test log, plain and presorted, with the pieces saved.
#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "data/Households.h"
#include "framework/ReportCanvas.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSheet.h"
#include "postal/Presort.h"
#include "support/AddressFileFixture.h"
#include "support/ReportLog.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class HouseholdLabelsTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        ASSERT_TRUE(work.isValid());
        const auto person = [this](const char* first, const char* last, const char* org,
                                   const char* street, const char* zip) {
            add({{"FNAME", first},
                 {"LNAME", last},
                 {"ORG", org},
                 {"STREET", street},
                 {"CITY", "Boise"},
                 {"STATE", "ID"},
                 {"ZIP", zip}});
        };
        // In the order of the last name, then the first.
        person("Bob", "Smith", "Acme", "12 Oak St.", "83702");
        person("Jane", "SMITH", "Acme", "12 OAK ST", "83702-1234");
        person("John", "smith", "", "12  oak  st", "837021234");
        person("Ann", "Adams", "Elm Co", "5 Elm Rd", "83704");
        person("Ben", "Brown", "Elm Co", "5 Elm Rd.", "83704");
        person("Yan", "Young", "", "", "83706");
        person("Yvonne", "Young", "", "", "83706");
        person("Lea", "Tremblay", "", "1 Rue A", "H2X 1Y4");
        person("Luc", "Tremblay", "", "1 rue a", "h2x1y4");
        person("Max", "Tremblay", "", "1 Rue A", "H2X 1Y5");
        table->setOrder("LNAME");
        table->goTop();
    }

    // Prints the view from its top; the status's second line is kept in status.
    void print(bool households, bool presort = false) {
        LabelPrintRequest request;
        request.setup = defaultLabelSetup();
        request.setup.contents.company = true;
        request.households = households;
        request.presort = presort;
        if (presort) {
            ASSERT_EQ(runPresort(table.table(), work.path(), {},
                                 households ? PresortCount::Households : PresortCount::Records),
                      PresortResult::Done);
            table->setOrder("ZIP");
        }
        table->goTop();
        Households found;
        if (households) {
            ASSERT_TRUE(readLabelHouseholds(table.table(), request, found));
        }
        ReportCanvas canvas(log);
        canvas.setStatusFormat(QStringLiteral("%1"));
        labelReportJob(table.table(), request, work.path(), nullptr, households ? &found : nullptr)(
            canvas, [] { return true; });
        canvas.finish();
        status = canvas.statusText();
    }

    QTemporaryDir work;
    ReportLog log;
    QString status;
};

TEST_F(HouseholdLabelsTest, WithoutTheBoxEveryRecordPrints) {
    print(false);
    EXPECT_EQ(log.textStrings().filter("Boise").size(), 10);
    EXPECT_EQ(status, "");
}

TEST_F(HouseholdLabelsTest, AHouseholdPrintsOnceAddressedToIt) {
    print(true);
    EXPECT_EQ(log.textStrings(),
              QStringList({// Adams and Brown: their last names differ, so the first record's
                           // name; both have Elm Co.
                           "Ann Adams ", "Elm Co", "5 Elm Rd", "Boise  ID 83704",
                           // Smith, SMITH and smith at one mailbox, ZIP+4 and ZIP; one lacks
                           // the organization.
                           "The Smith Family ", "12 Oak St.", "Boise  ID 83702",
                           // The same postal code without the blank, in small letters.
                           "The Tremblay Family ", "1 Rue A", "Boise  ID H2X 1Y4",
                           // Another postal code: another mailbox.
                           "Max Tremblay ", "1 Rue A", "Boise  ID H2X 1Y5",
                           // No street: no household.
                           "Yan Young ", "Boise  ID 83706", "Yvonne Young ", "Boise  ID 83706"}));
    EXPECT_EQ(status, "Pieces saved by One per household: 4");
}

TEST_F(HouseholdLabelsTest, ThePresortCountsHouseholdsAndTheRunPrintsThem) {
    // Eight more pieces for 83702: eleven records, but nine households, one short of a
    // five-digit group.
    for (int i = 1; i <= 8; ++i) {
        const std::string street = std::to_string(i) + " Main St";
        add({{"LNAME", "Other"}, {"STREET", street}, {"ZIP", "83702"}});
    }
    const auto separators = [this] {
        QStringList out;
        for (const QString& t : log.textStrings())
            if (t.contains("**")) out << t;
        return out;
    };
    print(false, true);
    EXPECT_EQ(separators(), QStringList({"** 5-digit 83702", "** ADC BOISE ID 836"}));
    EXPECT_EQ(log.textStrings().filter("Smith").size() + log.textStrings().filter("SMITH").size() +
                  log.textStrings().filter("smith").size(),
              3);

    log = ReportLog();
    print(true, true);
    // 83702 has nine pieces now; with 83704's one and 83706's two, 837 makes a three-digit
    // group.
    EXPECT_EQ(separators(), QStringList{"** 3-digit 837"});
    EXPECT_EQ(log.textStrings().filter("Family"), QStringList{"The Smith Family "});
    EXPECT_EQ(status, "Pieces saved by One per household: 4");
}

}  // namespace
}  // namespace rp
