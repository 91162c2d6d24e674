// The setup list commands of the Print Envelope dialog on a real setup file.
#include "EnvelopeFixture.h"

#include "envelopes/EnvelopeSetupList.h"
#include "envelopes/SideRows.h"
#include "support/TableBytes.h"

namespace rp {
namespace {

class EnvelopeSetupListTest : public EnvelopeFixture {
  protected:
    // Wires the hooks to counters; the designer renames the copy and answers save.
    void wire(EnvelopeSetupList& list, bool save, const QString& rename = QString()) {
        list.design = [this, save, rename](EnvelopeSetup& copy) {
            designed.push_back(copy);
            if (!rename.isEmpty()) copy.descript = rename;
            return save;
        };
        list.showPrinterInformation = [this] { ++printerInformation; };
        list.restorePrinterMemory = [this](const EnvelopeSetup& s) {
            restored << s.descript.text();
        };
        list.processEvents = [this] { ++eventsRun; };
    }

    std::vector<EnvelopeSetup> designed;
    int printerInformation = 0;
    int eventsRun = 0;
    QStringList restored;
};

TEST_F(EnvelopeSetupListTest, OnlyNewIsEnabledOnAnEmptyFile) {
    auto setups = emptySetups();
    EnvelopeSetupList list(*setups);
    list.activate();
    EXPECT_EQ(list.buttons(), (SetupButtonStates{false, false, false, false, false, true}));
    EXPECT_EQ(list.current(), defaultEnvelopeSetup());

    wire(list, true);
    EXPECT_FALSE(list.modify());
    EXPECT_TRUE(designed.empty());
    EXPECT_FALSE(list.deleteCurrent());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(EnvelopeSetupListTest, EverythingIsEnabledOnTheDeliveredFile) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    list.activate();
    EXPECT_EQ(list.buttons(), (SetupButtonStates{true, true, true, true, true, true}));
    EXPECT_EQ(list.current().descript, "#10 business envelope");
}

TEST_F(EnvelopeSetupListTest, NewOnAnEmptyFileStartsFromTheDefaultAndAppendsOnSave) {
    auto setups = emptySetups();
    EnvelopeSetupList list(*setups);
    list.activate();
    wire(list, true, QStringLiteral("Mine"));
    EXPECT_TRUE(list.createNew());
    ASSERT_EQ(designed.size(), 1u);
    EnvelopeSetup expected = defaultEnvelopeSetup();
    expected.descript = "{Untitled Envelope Setup Record}";
    EXPECT_EQ(designed[0], expected);
    EXPECT_EQ(setups->recordCount(), 1u);
    EXPECT_EQ(list.current().descript, "Mine");
    EXPECT_EQ(list.current().envName, "Envelope #10");
    EXPECT_EQ(list.buttons(), (SetupButtonStates{true, true, true, true, true, true}));
    EXPECT_EQ(printerInformation, 1);
}

TEST_F(EnvelopeSetupListTest, NewCopiesTheSelectedSetupAndCancelAddsNothing) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    list.activate();
    wire(list, false);
    EXPECT_FALSE(list.createNew());
    ASSERT_EQ(designed.size(), 1u);
    EnvelopeSetup expected = readEnvelopeSetup(*setups);
    expected.descript = "{Untitled Envelope Setup Record}";
    EXPECT_EQ(designed[0], expected);
    EXPECT_EQ(setups->recordCount(), 1u);
    EXPECT_EQ(printerInformation, 1);  // whatever the outcome

    wire(list, true, QStringLiteral("Copy of #10"));
    EXPECT_TRUE(list.createNew());
    EXPECT_EQ(setups->recordCount(), 2u);
    EXPECT_EQ(setups->recNo(), 2u);
    EXPECT_EQ(list.current().descript, "Copy of #10");
    EXPECT_TRUE(list.current().barcode);  // the rest comes from the selected setup
    EXPECT_EQ(listedRecords(*setups), (std::vector<std::uint32_t>{1, 2}));
}

TEST_F(EnvelopeSetupListTest, ModifyWritesTheCopyBackIntoTheCurrentRecordOnlyOnSave) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    list.activate();
    wire(list, false, QStringLiteral("Not kept"));
    EXPECT_FALSE(list.modify());
    EXPECT_EQ(readEnvelopeSetup(*setups).descript, "#10 business envelope");
    EXPECT_EQ(designed.at(0).descript, "#10 business envelope");
    EXPECT_EQ(printerInformation, 1);

    list.design = [](EnvelopeSetup& copy) {
        copy.descript = "Business, upright";
        copy.orient = 0;
        copy.position = 12;
        copy.delLeft = 3.16666f;
        return true;
    };
    EXPECT_TRUE(list.modify());
    EXPECT_EQ(setups->recordCount(), 1u);
    EXPECT_EQ(printerInformation, 2);
    EXPECT_EQ(list.current().descript, "Business, upright");
    EXPECT_EQ(list.current().position, 12);
    EXPECT_FLOAT_EQ(list.current().delLeft, 3.167f);  // read again from the file, rounded
    auto other = engine.open(path("RVPESU.DBF").toStdString());
    other->goTop();
    EXPECT_EQ(readEnvelopeSetup(*other).orient, 0);
}

TEST_F(EnvelopeSetupListTest, DeleteAsksAndTheLastDeletionEmptiesTheList) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    list.activate();
    wire(list, true, QStringLiteral("Second"));
    list.createNew();
    ASSERT_EQ(setups->recNo(), 2u);

    messages.answer(false);
    EXPECT_FALSE(list.deleteCurrent());
    EXPECT_EQ(messages.texts(), QStringList{"Delete this record?"});
    EXPECT_EQ(listedRecords(*setups).size(), 2u);
    EXPECT_EQ(eventsRun, 0);

    messages.answer(true);
    EXPECT_TRUE(list.deleteCurrent());
    EXPECT_EQ(eventsRun, 1);
    EXPECT_EQ(listedRecords(*setups), std::vector<std::uint32_t>{1});
    EXPECT_EQ(setups->recNo(), 1u);  // the previous row, the deleted one having been the last
    EXPECT_EQ(list.current().descript, "#10 business envelope");
    EXPECT_EQ(restored.back(), "#10 business envelope");
    EXPECT_TRUE(list.buttons().modify);

    messages.answer(true);
    EXPECT_TRUE(list.deleteCurrent());
    EXPECT_TRUE(listedRecords(*setups).empty());
    EXPECT_EQ(list.buttons(), (SetupButtonStates{false, false, false, false, false, true}));
    EXPECT_EQ(list.current(), defaultEnvelopeSetup());
    EXPECT_EQ(messages.unansweredLeft(), 0);
}

TEST_F(EnvelopeSetupListTest, DeletedRecordsStayOutOfTheListWhateverTheEngineSetting) {
    engine.settings.hideDeleted = false;
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    wire(list, true, QStringLiteral("Second"));
    list.createNew();
    setups->go(1);
    messages.answer(true);
    ASSERT_TRUE(list.deleteCurrent());
    EXPECT_EQ(setups->recNo(), 2u);  // the next row
    EXPECT_EQ(listedRecords(*setups), std::vector<std::uint32_t>{2});
    setups->go(1);
    EXPECT_FALSE(hasCurrentRecord(*setups));
    EXPECT_EQ(readEnvelopeSetup(*setups), defaultEnvelopeSetup());
}

TEST_F(EnvelopeSetupListTest, MovingToAnotherRowReadsItAndRestoresItsPrinter) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    wire(list, true, QStringLiteral("Second"));
    list.createNew();
    list.moveTo(1);
    EXPECT_EQ(list.current().descript, "#10 business envelope");
    list.moveTo(2);
    EXPECT_EQ(list.current().descript, "Second");
    EXPECT_EQ(restored, (QStringList{"#10 business envelope", "Second"}));
}

TEST_F(EnvelopeSetupListTest, OpeningTellsWhenTheSetupFileIsMissing) {
    auto opened = openEnvelopeSetups(engine, folder());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->recNo(), 1u);
    opened.reset();
    ASSERT_TRUE(QFile::remove(path("RVPESU.DBF")));
    EXPECT_FALSE(openEnvelopeSetups(engine, folder()));
    EXPECT_EQ(messages.texts(),
              QStringList{"Unable to Open RVPESU.DBF (envelope setup file)\r\nCannot open " +
                          path("RVPESU.DBF") + ": No such file or directory"});
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST_F(EnvelopeSetupListTest, TheListShowsDescriptionAndEnvelopeInRecordOrder) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetupList list(*setups);
    wire(list, true, QStringLiteral("A second setup"));
    list.createNew();
    SideGridModel model(*setups, envelopeGridColumns(kEnvelopeSetupColumns), kEnvelopeGridOptions);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Description");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Envelope");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), "#10 business envelope");
    EXPECT_EQ(model.index(1, 0).data().toString(), "A second setup");  // record order, not by name
    EXPECT_EQ(model.index(1, 1).data().toString(), "Envelope #10");
    EXPECT_EQ(model.currentRow(), 1);
    EXPECT_EQ(setups->recNo(), 2u);  // refreshing keeps the current record
}

TEST_F(EnvelopeSetupListTest, OpeningAFileNotClosedProperlyTellsItsIndexesWereRebuilt) {
    ASSERT_TRUE(rp::markIncomplete(path("RVPESU.DBF")));
    auto opened = openEnvelopeSetups(engine, folder());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->recNo(), 1u);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, "information");
    EXPECT_EQ(messages.shown()[0].text,
              "The file " + path("RVPESU.DBF") +
                  " was not closed properly. Its indexes have been rebuilt.");
}

}  // namespace
}  // namespace rp
