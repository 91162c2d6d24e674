// Letters the address file cannot hold typed or pasted into the main window's record: written
// in their closest spelling at once, with a note in the status line, and saved so.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include "MainWindowFixture.h"
#include "data/RecordText.h"

namespace rp {
namespace {

const QString kNote =
    QStringLiteral("Letters the address file cannot hold were written in their closest spelling.");

// Types text a character at a time as a keyboard with those letters would.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

class RecordSpellingTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
    }
    xbase::Table& table() { return main->addressTable().table(); }
};

TEST_F(RecordSpellingTest, APastedNameIsSpelledAtOnceAndSaved) {
    MainWindow& w = start();
    page().editButton->click();
    QLineEdit* last = field("LNAME");
    last->clear();
    QApplication::clipboard()->setText(QString::fromUtf8("Nguyễn"));
    last->paste();
    EXPECT_EQ(last->text(), "Nguyen");
    EXPECT_EQ(last->cursorPosition(), 6);
    EXPECT_EQ(w.statusBar()->currentMessage(), kNote);

    QLineEdit* city = field("CITY");
    city->setFocus();
    city->setCursorPosition(0);
    typeText(city, QString::fromUtf8("Ł"));
    EXPECT_EQ(city->text(), "LBoston");
    EXPECT_EQ(city->cursorPosition(), 1);

    page().memo()->setFocus();
    typeText(page().memo(), QString::fromUtf8("Erdős"));
    EXPECT_EQ(page().memo()->toPlainText(), "Erdos");

    page().saveButton->click();
    EXPECT_EQ(fieldText(table(), "LNAME"), "Nguyen");
    EXPECT_EQ(fieldText(table(), "CITY"), "LBoston");
    EXPECT_EQ(memoText(table(), "MEMO"), "Erdos");
}

TEST_F(RecordSpellingTest, StorableTextIsLeftAsTyped) {
    MainWindow& w = start();
    page().editButton->click();
    field("FNAME")->end(false);
    typeText(field("FNAME"), QString::fromUtf8(" Zoë Müller"));
    EXPECT_EQ(field("FNAME")->text(), QString::fromUtf8("Ann Zoë Müller"));
    EXPECT_EQ(w.statusBar()->currentMessage(), "");
}

}  // namespace
}  // namespace rp
