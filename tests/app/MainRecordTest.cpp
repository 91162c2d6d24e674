// Record work as the main window shows it: its buttons, keys and menus bound to the record
// editor, the record and messages the user sees, the typing mode and counting.
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

TEST_F(MainRecordTest, AddShowsTheNewRecordWithSaveAndCancel) {
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
    page().addButton->click();
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
    page().saveButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(table().recordCount(), 4u);
    EXPECT_EQ(fieldText(table(), "LNAME"), "Zane");
    EXPECT_EQ(fieldText(table(), "CITY"), "Denver");
    EXPECT_EQ(table().date("DATE"), xbase::today());
    EXPECT_FALSE(w.recordPage()->saveButton->isVisibleTo(&w));
    EXPECT_TRUE(w.recordPage()->addButton->isVisibleTo(&w));
    EXPECT_EQ(w.recordPage()->addButton->text(), "&Add");
}

TEST_F(MainRecordTest, AddWithPromptsShowsTheDuplicateOrTheFilledRecord) {
    ini().writeBool("Adding", "PlugCityState", true);
    ini().writeBool("Adding", "AutoDupCheck", true);
    NewRecordValues answer{"Brown", "Ann", "02101", {}, {}};
    services.newRecordPrompt = [&](bool, bool) -> std::optional<NewRecordValues> { return answer; };
    MainWindow& w = start();
    shown.answer(false);
    page().addButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(shown.shown().back().caption, "Possible Duplicate");
    EXPECT_EQ(field("LNAME")->text(), "Brown");  // left on the duplicate
    EXPECT_EQ(field("FNAME")->text(), "Ann");

    answer = {"Brown", "Annabel", "02101", {}, {}};
    page().addButton->click();
    ASSERT_TRUE(w.editing());
    EXPECT_EQ(field("FNAME")->text(), "Annabel");
    EXPECT_EQ(field("CITY")->text(), "Boston");
    EXPECT_EQ(field("STATE")->text(), "MA");
    EXPECT_EQ(QApplication::focusWidget(), field("MIDDLE"));
    page().cancelButton->click();
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(field("FNAME")->text(), "Ann");
    EXPECT_EQ(table().recordCount(), 3u);
}

TEST_F(MainRecordTest, SaveStoresTheMemoBoxWithTheMemoRule) {
    start();
    page().editButton->click();
    page().memo()->setPlainText("12345678");
    page().saveButton->click();
    EXPECT_EQ(memoText(table(), "MEMO"), "12345678 ");
    EXPECT_EQ(page().memo()->toPlainText(), "12345678 ");
}

TEST_F(MainRecordTest, TypingInTheMemoStartsAnEdit) {
    MainWindow& w = start();
    w.recordPage()->memo()->setFocus();
    QTest::keyClicks(w.recordPage()->memo(), "x");
    EXPECT_TRUE(w.editing());
}

TEST_F(MainRecordTest, DeleteAsksAndShowsTheNextRecord) {
    start();
    shown.answer(false);
    page().deleteButton->click();
    EXPECT_EQ(field("LNAME")->text(), "Adams");
    shown.answer(true);
    page().deleteButton->click();
    EXPECT_EQ(shown.texts(), (QStringList{"Delete this record?", "Delete this record?"}));
    EXPECT_EQ(field("LNAME")->text(), "Brown");
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

    page().editButton->click();
    type("CITY", "Aurora");
    key(Qt::Key_PageUp);  // does nothing while editing
    EXPECT_TRUE(w.editing());
    shown.answer(true);
    key(Qt::Key_PageDown);
    EXPECT_EQ(shown.shown().back().text, "Save changes?");
    EXPECT_FALSE(w.editing());
    EXPECT_EQ(fieldText(table(), "CITY"), "Aurora");

    page().editButton->click();
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
    page().editButton->click();
    field("CITY")->setFocus();
    field("CITY")->setCursorPosition(0);
    key(Qt::Key_Insert);
    EXPECT_FALSE(w.recordEditor().insertMode());
    EXPECT_EQ(w.typingModeLabel()->text(), "Overwrite");
    QTest::keyClicks(field("CITY"), "Xy");
    EXPECT_EQ(field("CITY")->text(), "Xynver");
    key(Qt::Key_Insert);
    QTest::keyClicks(field("CITY"), "Z");
    EXPECT_EQ(field("CITY")->text(), "XyZnver");
    EXPECT_EQ(w.typingModeLabel()->text(), "Insert");
}

TEST_F(MainRecordTest, ARefusedSaveKeepsTheTypedRecordOnShow) {
    MainWindow& w = start();
    page().editButton->click();
    type("CITY", QString::fromUtf8("北京"));
    page().saveButton->click();
    EXPECT_TRUE(w.editing());
    EXPECT_EQ(shown.texts().back(),
              QString::fromUtf8("The character \"北\" cannot be stored in a Ravenpost file."));
    EXPECT_EQ(field("CITY")->text(), QString::fromUtf8("北京"));
    EXPECT_TRUE(page().saveButton->isVisibleTo(&w));

    field("DATE")->setText("13/45/2026");
    type("CITY", "Aurora");
    page().saveButton->click();
    EXPECT_EQ(shown.texts().back(), "13/45/2026 is not a valid date");
    EXPECT_EQ(QApplication::focusWidget(), field("DATE"));
}

TEST_F(MainRecordTest, CountRecordsFollowsTheQuery) {
    MainWindow& w = start();
    choose(w.utilitiesMenu(), "&Count Records");
    EXPECT_EQ(shown.texts().back(), "There are 3 records");
    w.setFilterExpression("UPPER(STATE)=\"MA\"");
    table().setFilter("UPPER(STATE)=\"MA\"");
    choose(w.utilitiesMenu(), "&Count Records");
    EXPECT_EQ(shown.texts().back(), "There are 1 records which match the current filter");
}

TEST_F(MainRecordTest, PageButtonsBeepWhileEditing) {
    MainWindow& w = start();
    page().editButton->click();
    w.pageButton(1)->click();
    EXPECT_EQ(w.currentPage(), 0);
    EXPECT_EQ(shown.beeps(), 1);
    page().cancelButton->click();
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
    page().searchButton->click();
    EXPECT_EQ(askedCaption, "Last Name");
    EXPECT_EQ(field("LNAME")->text(), "Clark");

    page().editButton->click();
    page().memo()->setPlainText("Call after Easter");
    page().saveButton->click();
    table().goTop();
    services.memoSearchPrompt = [](const QString&) { return std::optional<QString>("easter"); };
    w.setServices(services);
    page().searchMemoButton->click();
    EXPECT_EQ(field("LNAME")->text(), "Clark");
    EXPECT_TRUE(w.recordPage()->findNextButton->isVisibleTo(&w));
    page().findNextButton->click();
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
    page().editButton->click();
    QLineEdit* date = field("DATE");
    date->setFocus();
    QApplication::processEvents();
    date->setText("12/25/2026");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(date->text(), "//");  // the remembered empty date
    date->setText("12/25/2026");
    page().saveButton->click();
    EXPECT_EQ(table().date("DATE"), xbase::julianDay(2026, 12, 25));

    services.preferencesDialog = [this] {
        ini().writeString("Date", "ShortDateFmt", "dd.mm.yyyy");
        ini().writeString("Date", "DateEditMask", "!99.99.9999;1;_");
    };
    w.setServices(services);
    choose(w.fileMenu(), "&Preferences");
    EXPECT_EQ(w.recordPage()->dateFormatLabel()->text(), "(dd.mm.yyyy)");
    EXPECT_EQ(date->text(), "25.12.2026");
}

}  // namespace
}  // namespace rp
