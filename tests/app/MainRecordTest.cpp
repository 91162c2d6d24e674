// Record work in the main window: add with and without the prompt, duplicates, carried
// values, save with the memo rule, cancel, delete, keys and counting.
#include <QPlainTextEdit>

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include "MainWindowFixture.h"

#include "app/FilterPage.h"
#include "data/DateText.h"
#include "data/RecordText.h"
#include "xbase/DateUtil.h"

namespace rp {
namespace {

class MainRecordTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Adams", "Bob", "Denver", "CO", "80201"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
    }
    xbase::Table& table() { return main->addressTable().table(); }
};

TEST_F(MainRecordTest, AddWithoutPromptsAddsAtOnceWithCarriedValues) {
    ini().writeBool("Adding", "CarryCity", true);
    ini().writeBool("Adding", "CarryZip", true);
    ini().writeBool("Adding", "PlugDate", true);
    ini().writeString("Adding", "DefaultCountry", "USA");
    services.newRecordPrompt = [](bool, bool) -> std::optional<NewRecordValues> {
        ADD_FAILURE() << "no prompt expected";
        return std::nullopt;
    };
    MainWindow& w = start();
    ASSERT_EQ(field("LNAME")->text(), "Adams");
    w.onAddClicked();
    EXPECT_TRUE(w.editing());
    EXPECT_EQ(field("CITY")->text(), "Denver");
    EXPECT_EQ(field("ZIP")->text(), "80201");
    EXPECT_EQ(field("STATE")->text(), "");
    EXPECT_EQ(field("COUNTRY")->text(), "USA");
    EXPECT_EQ(field("DATE")->text(), formatDate(xbase::today(), "mm/dd/yyyy"));
    EXPECT_EQ(QApplication::focusWidget(), field("LNAME"));
    EXPECT_TRUE(w.recordPage()->saveButton->isVisibleTo(&w));
    EXPECT_EQ(w.recordPage()->saveButton->text(), "&Save");
    EXPECT_FALSE(w.recordPage()->addButton->isVisibleTo(&w));
    EXPECT_FALSE(w.fileMenu()->menuAction()->isEnabled());

    type("LNAME", "Zane");
    w.onSaveClicked();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(table().recordCount(), 4u);
    EXPECT_EQ(fieldText(table(), "LNAME"), "Zane");
    EXPECT_EQ(fieldText(table(), "CITY"), "Denver");
    EXPECT_EQ(table().date("DATE"), xbase::today());
}

TEST_F(MainRecordTest, AddWithPromptsFillsCityStateAndWarnsOfDuplicates) {
    ini().writeBool("Adding", "PlugCityState", true);
    ini().writeBool("Adding", "AutoDupCheck", true);
    std::vector<std::pair<bool, bool>> asked;
    NewRecordValues answer{"Brown", "Ann", "02101", {}, {}};
    services.newRecordPrompt = [&](bool zip, bool names) -> std::optional<NewRecordValues> {
        asked.emplace_back(zip, names);
        return answer;
    };
    MainWindow& w = start();
    shown.answer(false);
    w.onAddClicked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].first && asked[0].second);
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(shown.beeps(), 1);
    const auto& q = shown.shown().back();
    EXPECT_EQ(q.caption, "Possible Duplicate");
    EXPECT_FALSE(q.defaultYes);
    EXPECT_EQ(
        q.text,
        "Possible duplicate: \r\n\r\nAnn Brown\r\n\r\nBoston,MA 02101\r\n\r\nContinue adding?");
    EXPECT_EQ(field("LNAME")->text(), "Brown");  // left on the duplicate
    EXPECT_EQ(table().recordCount(), 3u);

    answer = {"Brown", "Annabel", "02101", {}, {}};
    w.onAddClicked();
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    EXPECT_EQ(field("FNAME")->text(), "Annabel");
    EXPECT_EQ(field("CITY")->text(), "Boston");
    EXPECT_EQ(field("STATE")->text(), "MA");
    EXPECT_EQ(QApplication::focusWidget(), field("MIDDLE"));
    w.onCancelClicked();
    EXPECT_EQ(table().recordCount(), 3u);

    answer = {"", "", "02101", {}, {}};
    w.onAddClicked();
    EXPECT_EQ(QApplication::focusWidget(), field("LNAME"));
    w.onCancelClicked();

    services.newRecordPrompt = [](bool, bool) { return std::optional<NewRecordValues>(); };
    w.setServices(services);
    w.onAddClicked();
    EXPECT_FALSE(w.editing());
}

TEST_F(MainRecordTest, DuplicateKeyIsTheExactThirtyPlusThirty) {
    MainWindow& w = start();
    EXPECT_TRUE(checkDupName(table(), "An", "Brown"));  // ANN is not AN
    EXPECT_TRUE(checkDupName(table(), "Ann", "Brow"));
    EXPECT_TRUE(shown.texts().isEmpty());
    EXPECT_EQ(dupNameKey("Ann", "Brown"),
              QString("BROWN").leftJustified(30) + QString("ANN").leftJustified(30));
    EXPECT_EQ(table().orderTagName(), "LNAME");
    EXPECT_FALSE(w.addressTable().engine().settings.exact);
}

TEST_F(MainRecordTest, SaveAppliesTheMemoRule) {
    MainWindow& w = start();
    w.onEditClicked();
    w.recordPage()->memo()->setPlainText("12345678");
    w.onSaveClicked();
    EXPECT_EQ(memoText(table(), "MEMO"), "12345678 ");
    w.onEditClicked();
    w.recordPage()->memo()->setPlainText("1234567");
    w.onSaveClicked();
    EXPECT_EQ(memoText(table(), "MEMO"), "1234567");
}

TEST_F(MainRecordTest, TypingInTheMemoStartsAnEdit) {
    MainWindow& w = start();
    w.recordPage()->memo()->setFocus();
    QTest::keyClicks(w.recordPage()->memo(), "x");
    EXPECT_TRUE(w.editing());
}

TEST_F(MainRecordTest, DeleteMarksTheRecordAndHidesIt) {
    MainWindow& w = start();
    const std::uint32_t adams = table().recNo();
    shown.answer(true);
    w.onDeleteClicked();
    EXPECT_EQ(shown.shown().back().text, "Delete this record?");
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    EXPECT_EQ(table().visibleCount(), 2u);
    engine.settings.hideDeleted = false;
    table().go(adams);
    EXPECT_TRUE(table().deleted());
    EXPECT_EQ(fieldText(table(), "PREFIX"), "DELETED");
    engine.settings.hideDeleted = true;

    shown.answer(false);
    table().goTop();
    w.onDeleteClicked();
    EXPECT_EQ(table().visibleCount(), 2u);
}

TEST_F(MainRecordTest, PageKeysAndEscape) {
    MainWindow& w = start();
    field("LNAME")->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_EQ(field("LNAME")->text(), "Brown");
    key(Qt::Key_PageUp);
    EXPECT_EQ(field("LNAME")->text(), "Adams");
    key(Qt::Key_PageUp);
    EXPECT_EQ(shown.beeps(), 1);

    w.onEditClicked();
    type("CITY", "Aurora");
    key(Qt::Key_PageUp);  // does nothing while editing
    EXPECT_TRUE(w.editing());
    shown.answer(true);
    key(Qt::Key_PageDown);
    EXPECT_EQ(shown.shown().back().text, "Save changes?");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(fieldText(table(), "CITY"), "Aurora");

    w.onEditClicked();
    type("CITY", "Golden");
    shown.answer(true);
    key(Qt::Key_Escape);
    EXPECT_EQ(shown.shown().back().text, "Cancel changes?");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(field("CITY")->text(), "Aurora");
}

TEST_F(MainRecordTest, EnterMovesLikeTab) {
    start();
    field("LNAME")->setFocus();
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("FNAME"));
    key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field("MIDDLE"));
}

TEST_F(MainRecordTest, OverwriteModeReplacesTheCharacterAtTheCursor) {
    MainWindow& w = start();
    w.onEditClicked();
    field("CITY")->setFocus();
    field("CITY")->setCursorPosition(0);
    key(Qt::Key_Insert);
    EXPECT_TRUE(w.overwriteMode());
    EXPECT_EQ(w.typingModeLabel()->text(), "Overwrite");
    QTest::keyClicks(field("CITY"), "Xy");
    EXPECT_EQ(field("CITY")->text(), "Xynver");
    key(Qt::Key_Insert);
    QTest::keyClicks(field("CITY"), "Z");
    EXPECT_EQ(field("CITY")->text(), "XyZnver");
}

TEST_F(MainRecordTest, CharactersTheFileCannotHoldAreRefused) {
    MainWindow& w = start();
    w.onEditClicked();
    type("CITY", QString::fromUtf8("Łódź"));
    w.onSaveClicked();
    EXPECT_TRUE(w.editing());
    EXPECT_EQ(shown.texts().back(),
              QString::fromUtf8("The character \"Ł\" cannot be stored in a Ravenpost file."));
    EXPECT_EQ(shown.shown().back().kind, "information");
    EXPECT_EQ(fieldText(table(), "CITY"), "Denver");
}

TEST_F(MainRecordTest, CountRecordsFollowsTheQuery) {
    MainWindow& w = start();
    w.onCountRecordsTriggered();
    EXPECT_EQ(shown.texts().back(), "There are 3 records");
    w.setFilterExpression("UPPER(STATE)=\"MA\"");
    table().setFilter("UPPER(STATE)=\"MA\"");
    w.onCountRecordsTriggered();
    EXPECT_EQ(shown.texts().back(), "There are 1 records which match the current filter");
}

TEST_F(MainRecordTest, PageButtonsBeepWhileEditing) {
    MainWindow& w = start();
    w.onEditClicked();
    w.pageButton(1)->click();
    EXPECT_EQ(w.currentPage(), 0);
    EXPECT_EQ(shown.beeps(), 1);
    w.onCancelClicked();
    w.pageButton(1)->click();
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(w.pageButton(1)->palette().color(QPalette::ButtonText), QColor(0x00, 0x80, 0x80));
    EXPECT_EQ(w.pageButton(0)->palette().color(QPalette::ButtonText), QColor(0x80, 0x00, 0x80));
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST_F(MainRecordTest, SetNowFiltersTheWindowAndFollowsItToTheNextFile) {
    makeFile("OTHER.DBF",
             {{"Brook", "Al", "Salem", "OR", "97301"}, {"Zorn", "Di", "Bend", "OR", "97701"}});
    MainWindow& w = start();
    w.changeToFilter();
    w.filterPage()->line(0)->setText("br");
    w.filterPage()->setNowButton()->click();
    EXPECT_EQ(w.filterExpression(), "UPPER(LNAME)=\"BR\"");
    EXPECT_EQ(w.filterPage()->countLabel()->text(), "1 matches");
    EXPECT_TRUE(w.filterPicture()->isVisibleTo(&w));
    EXPECT_EQ(table().visibleCount(), 1u);
    EXPECT_EQ(field("LNAME")->text(), "Brown");

    ASSERT_TRUE(w.openAddressFile(path("OTHER.DBF")));
    EXPECT_EQ(table().visibleCount(), 1u);
    EXPECT_EQ(field("LNAME")->text(), "Brook");

    w.filterPage()->clearButton()->click();
    EXPECT_EQ(w.filterExpression(), "");
    EXPECT_EQ(w.filterPage()->countLabel()->text(), "2 matches (all records)");
    EXPECT_FALSE(w.filterPicture()->isVisibleTo(&w));
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST_F(MainRecordTest, SearchAndMemoSearchFromTheRecordPage) {
    QString askedCaption;
    services.searchPrompt = [&](const QString& caption, const QString&) {
        askedCaption = caption;
        return std::optional<QString>("cl");
    };
    MainWindow& w = start();
    w.onSearchClicked();
    EXPECT_EQ(askedCaption, "Last Name");
    EXPECT_EQ(field("LNAME")->text(), "Clark");

    w.onEditClicked();
    w.recordPage()->memo()->setPlainText("Call after Easter");
    w.onSaveClicked();
    table().goTop();
    services.memoSearchPrompt = [](const QString&) { return std::optional<QString>("easter"); };
    w.setServices(services);
    w.onSearchMemoClicked();
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    EXPECT_TRUE(w.recordPage()->findNextButton->isVisibleTo(&w));
    w.onFindNextClicked();
    EXPECT_EQ(shown.beeps(), 1);
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    EXPECT_FALSE(w.recordPage()->findNextButton->isVisibleTo(&w));
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST_F(MainRecordTest, DateFieldRestoresAndPreferencesApplyAtOnce) {
    MainWindow& w = start();
    w.onEditClicked();
    QLineEdit* date = field("DATE");
    date->setFocus();
    QApplication::processEvents();
    date->setText("12/25/2026");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(date->text(), "//");  // the remembered empty date
    date->setText("12/25/2026");
    w.onSaveClicked();
    EXPECT_EQ(table().date("DATE"), xbase::julianDay(2026, 12, 25));

    services.preferencesDialog = [this] {
        ini().writeString("Date", "ShortDateFmt", "dd.mm.yyyy");
        ini().writeString("Date", "DateEditMask", "!99.99.9999;1;_");
    };
    w.setServices(services);
    w.onPreferencesTriggered();
    EXPECT_EQ(w.recordPage()->dateFormatLabel()->text(), "(dd.mm.yyyy)");
    EXPECT_EQ(date->text(), "25.12.2026");
}

}  // namespace
}  // namespace rp
