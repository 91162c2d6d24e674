// The envelope size rules: units and validation of the size dialog, and New / Edit / Delete
// on the delivered definition file, where only rows the user added may change.
#include "EnvelopeFixture.h"

#include "envelopes/EnvelopeSizeForm.h"
#include "envelopes/EnvelopeSizes.h"
#include "envelopes/SideRows.h"

namespace rp {
namespace {

TEST(EnvelopeSizeFormTest, ShowsInchesWithTwoDecimalsAndMillimetresWhole) {
    EnvelopeSizeForm form(9.5, 4.125);
    EXPECT_EQ(form.unit(), LengthUnit::Inches);
    EXPECT_EQ(form.widthText, "9.50");
    EXPECT_EQ(form.heightText, "4.13");

    form.setUnit(LengthUnit::Millimeters);
    EXPECT_DOUBLE_EQ(form.height(), 4.13);  // the shown value was stored
    EXPECT_EQ(form.widthText, "241");       // 241.3
    EXPECT_EQ(form.heightText, "105");      // 104.902

    form.setUnit(LengthUnit::Inches);
    EXPECT_DOUBLE_EQ(form.width(), 241 * kInchesPerMillimetre);
    EXPECT_EQ(form.widthText, "9.49");
    EXPECT_EQ(form.heightText, "4.13");
}

TEST(EnvelopeSizeFormTest, MillimetresAreHandedBackAsInches) {
    EnvelopeSizeForm form(9.5, 4.13);
    form.setUnit(LengthUnit::Millimeters);
    form.widthText = "240";
    form.heightText = "110";
    EXPECT_FALSE(form.save("Euro wide", "240 x 110 mm"));
    EXPECT_NEAR(form.width(), 9.449, 0.0005);
    EXPECT_NEAR(form.height(), 4.331, 0.0005);
    EXPECT_DOUBLE_EQ(form.width(), 240 * 0.039370078740157480314);
}

TEST(EnvelopeSizeFormTest, TheChecksComeInOrderAndTheFirstFailureIsTold) {
    EnvelopeSizeForm form(9.5, 4.13);
    form.heightText = "1.99";
    EXPECT_EQ(form.save("N", "D"), QString("Envelope Height must be at least 2 inches (50mm)"));
    form.widthText = "1.5";
    EXPECT_EQ(form.save("", ""), QString("Envelope Height must be at least 2 inches (50mm)"));
    form.heightText = "2";
    EXPECT_EQ(form.save("", ""), QString("Envelope Width must be at least 2 inches (50mm)"));
    form.widthText = "2.00";
    EXPECT_EQ(form.save("", ""), QString("A Unique Name is required"));
    EXPECT_EQ(form.save("N", ""), QString("A Description is required"));
    EXPECT_FALSE(form.save("N", "D"));
    EXPECT_DOUBLE_EQ(form.width(), 2.0);
    EXPECT_DOUBLE_EQ(form.height(), 2.0);
    form.heightText = "not a number";
    EXPECT_EQ(form.save("N", "D"), QString("Envelope Height must be at least 2 inches (50mm)"));
}

TEST(EnvelopeSizeFormTest, ALengthLargerThanAPageMayBeIsRefusedNamingItsBox) {
    struct Row {
        const char *width, *height, *name;
        std::optional<QString> refusal;
    };
    const QString width = "Width: a page can be at most 200 inches (508 cm) a side.";
    const QString height = "Height: a page can be at most 200 inches (508 cm) a side.";
    const Row rows[] = {
        {"200.01", "4.13", "N", width},
        {"9.50", "250", "N", height},
        {"999", "999", "N", height},  // height first, as the other checks
        {"999", "1.5", "N", QString("Envelope Height must be at least 2 inches (50mm)")},
        {"999", "4.13", "", QString("A Unique Name is required")},
        {"200", "200", "N", std::nullopt},
        {"200.00", "4.13", "N", std::nullopt},
    };
    for (const Row& row : rows) {
        EnvelopeSizeForm form(9.5, 4.13);
        form.widthText = row.width;
        form.heightText = row.height;
        EXPECT_EQ(form.save(row.name, "D"), row.refusal) << row.width << " x " << row.height;
    }
}

TEST(EnvelopeSizeFormTest, FiftyMillimetresIsTooSmallFiftyOneIsEnough) {
    EnvelopeSizeForm form(9.5, 4.13);
    form.setUnit(LengthUnit::Millimeters);
    form.heightText = "50";  // 1.969 inches
    EXPECT_EQ(form.save("N", "D"), QString("Envelope Height must be at least 2 inches (50mm)"));
    form.heightText = "51";
    form.widthText = "50";
    EXPECT_EQ(form.save("N", "D"), QString("Envelope Width must be at least 2 inches (50mm)"));
    form.widthText = "51";
    EXPECT_FALSE(form.save("N", "D"));
}

class EnvelopeSizeTableTest : public EnvelopeFixture {
  protected:
    // The size dialog stand-in: records what it was opened with, answers with reply.
    EditEnvelopeSizeFn dialog(std::optional<EnvelopeSize> reply) {
        return [this, reply](const EnvelopeSize& initial, bool editing) {
            opened.push_back({initial, editing});
            return reply;
        };
    }
    static EnvelopeSize size(const char* name, const char* desc, double w, double h) {
        return {QString::fromLatin1(name), QString::fromLatin1(desc), w, h, false};
    }
    std::vector<std::pair<EnvelopeSize, bool>> opened;
};

TEST_F(EnvelopeSizeTableTest, LocatingMatchesTheNameExactlyOrEndsPastTheLastRow) {
    auto sizes = open("RVPENVS.DBF");
    EXPECT_TRUE(locateEnvelopeSize(*sizes, "Monarch"));
    EXPECT_EQ(sizes->recNo(), 5u);
    EXPECT_EQ(currentEnvelopeSize(*sizes)->width, 7.5);
    EXPECT_FALSE(locateEnvelopeSize(*sizes, "monarch"));
    EXPECT_TRUE(sizes->eof());
    EXPECT_FALSE(currentEnvelopeSize(*sizes));
    EXPECT_FALSE(locateEnvelopeSize(*sizes, "Envelope #1"));  // no prefix match
}

TEST_F(EnvelopeSizeTableTest, NewAppendsAUserDefinedRowEvenUnderAnExistingName) {
    auto sizes = open("RVPENVS.DBF");
    EnvelopeSizeCommands commands(*sizes, dialog(size("Envelope #10", "my own #10", 9.449, 4.331)));
    EXPECT_TRUE(commands.createNew());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_FALSE(opened[0].second);
    EXPECT_EQ(opened[0].first.name, "[enter new name]");
    EXPECT_EQ(opened[0].first.description, "[enter description]");
    EXPECT_DOUBLE_EQ(opened[0].first.width, 9.5);
    EXPECT_DOUBLE_EQ(opened[0].first.height, 4.13);

    EXPECT_EQ(sizes->recordCount(), 19u);
    EXPECT_EQ(sizes->recNo(), 19u);
    EXPECT_EQ(currentEnvelopeSize(*sizes),
              (EnvelopeSize{"Envelope #10", "my own #10", 9.449, 4.331, true}));
    EXPECT_TRUE(messages.texts().isEmpty());

    EnvelopeSizeCommands cancelled(*sizes, dialog(std::nullopt));
    EXPECT_FALSE(cancelled.createNew());
    EXPECT_EQ(sizes->recordCount(), 19u);
}

TEST_F(EnvelopeSizeTableTest, PredefinedRowsCannotBeEditedOrDeleted) {
    auto sizes = open("RVPENVS.DBF");
    ASSERT_TRUE(locateEnvelopeSize(*sizes, "DL"));
    const EnvelopeSize before = *currentEnvelopeSize(*sizes);
    EnvelopeSizeCommands commands(*sizes, dialog(size("Changed", "changed", 5, 5)));
    EXPECT_FALSE(commands.editCurrent());
    EXPECT_FALSE(commands.deleteCurrent());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(messages.texts(), (QStringList{"You may only edit User Defined envelopes",
                                             "You may only delete User Defined envelopes"}));
    EXPECT_EQ(currentEnvelopeSize(*sizes), before);
    EXPECT_EQ(listedRecords(*sizes).size(), 18u);
    sizes.reset();
    QFile copy(path("RVPENVS.DBF")), original(delivered("RVPENVS.DBF"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
}

TEST_F(EnvelopeSizeTableTest, AUserDefinedRowIsEditedFromItsValuesAndDeletedOnYes) {
    auto sizes = open("RVPENVS.DBF");
    appendEnvelopeSize(*sizes, size("Mine", "mine", 8, 3.5));
    EnvelopeSizeCommands commands(*sizes, dialog(size("Mine, wider", "wider", 8.75, 3.5)));
    EXPECT_TRUE(commands.editCurrent());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].second);
    EXPECT_EQ(opened[0].first, (EnvelopeSize{"Mine", "mine", 8, 3.5, true}));
    EXPECT_EQ(currentEnvelopeSize(*sizes), (EnvelopeSize{"Mine, wider", "wider", 8.75, 3.5, true}));
    EXPECT_EQ(sizes->recordCount(), 19u);

    messages.answer(false);
    EXPECT_FALSE(commands.deleteCurrent());
    EXPECT_EQ(listedRecords(*sizes).size(), 19u);
    messages.answer(true);
    EXPECT_TRUE(commands.deleteCurrent());
    EXPECT_EQ(messages.texts(), (QStringList{"Delete this envelope?", "Delete this envelope?"}));
    EXPECT_EQ(listedRecords(*sizes).size(), 18u);
    EXPECT_FALSE(locateEnvelopeSize(*sizes, "Mine, wider"));
}

TEST_F(EnvelopeSizeTableTest, OpeningTellsWhenTheDefinitionFileIsMissing) {
    ASSERT_TRUE(openEnvelopeDefinitions(engine, folder()));
    ASSERT_TRUE(QFile::remove(path("RVPENVS.DBF")));
    EXPECT_FALSE(openEnvelopeDefinitions(engine, folder()));
    EXPECT_EQ(
        messages.texts(),
        QStringList{
            "We were unable to open the envelope definition file: RVPENVS.DBF\r\nCannot open " +
            path("RVPENVS.DBF") + ": No such file or directory"});
}

}  // namespace
}  // namespace rp
