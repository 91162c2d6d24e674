// Whole tasks by keys alone: once the main window is shown, every step is a key pressed where
// the focus is (or in the menu or dialog open), as a user without a mouse works; the file
// chooser and print dialogs are answered through their scripted doubles.
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "MainWindowFixture.h"
#include "app/FilterPage.h"
#include "batch/PdfInfo.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/PrintLettersDialog.h"
#include "support/ScriptedPrintDialogs.h"
#include "utilities/DuplicateCheckDialog.h"

namespace rp {
namespace {

// Makes window the one the keys go to. The offscreen platform neither does it when the
// window is shown nor gives the focus back when a menu or dialog closes, as a desktop does; its
// window system takes the activation request on the next round of events.
void focusWindow(QWidget* window) {
    window->windowHandle()->requestActivate();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
    QApplication::setActiveWindow(window);
}

class KeyboardTasksTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"},
                              {"Clark", "Cy", "Austin", "TX", "73301"}});
        start();
        focusWindow(main.get());
    }

    // Where a key goes: the open menu, else the control with the focus, else the window.
    static QWidget* keyTarget() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focus = QApplication::focusWidget()) return focus;
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        return QApplication::activeWindow();
    }
    // A key as the window system delivers it, shortcuts and mnemonics first.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(keyTarget()->window()->windowHandle(), key, modifiers);
    }
    static void typeText(const QString& text) { QTest::keyClicks(keyTarget(), text); }
    // A menu entry chosen by Alt and the menu's mnemonic, then the entry's.
    void chooseFromMenu(Qt::Key menu, Qt::Key entry) const {
        press(menu, Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        press(entry);
        focusWindow(main.get());
    }
    // Keys for the modal dialog the next step opens, pressed once it is up (a button pressed
    // by its mnemonic clicks a moment later, as it shows itself pressed).
    static void whenDialogOpens(std::function<void()> keys) {
        auto* poll = new QTimer;
        auto waited = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, [poll, waited, keys = std::move(keys)] {
            const bool open = QApplication::activeModalWidget() != nullptr;
            if (!open && ++*waited < 500) return;
            poll->stop();
            poll->deleteLater();
            if (open)
                keys();
            else
                ADD_FAILURE() << "no dialog opened";
        });
        poll->start(10);
    }
    // A button pressed by Alt and its mnemonic: its click comes a moment later.
    static void pressButton(Qt::Key key, const std::function<bool()>& done) {
        press(key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor(done));
    }
    // Tab until the focus is on a control whose text is caption (at most a round of the
    // window's controls).
    static bool tabTo(const QString& caption) {
        for (int i = 0; i < 60; ++i) {
            const auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            if (button && button->text() == caption) return true;
            const bool editor = qobject_cast<QTextEdit*>(QApplication::focusWidget());
            press(Qt::Key_Tab, editor ? Qt::ControlModifier : Qt::NoModifier);
        }
        return false;
    }

    xbase::Table& table() const { return main->addressTable().table(); }
};

TEST_F(KeyboardTasksTest, OpenAddAFilterAndTheDuplicateCheckByKeys) {
    // File > Open by Alt+F and its mnemonic.
    chooser.answer(path("LIST.DBF"));
    chooseFromMenu(Qt::Key_F, Qt::Key_O);
    ASSERT_EQ(main->currentFile(), path("LIST.DBF"));
    EXPECT_EQ(table().recordCount(), 2u);

    // Add a record: Alt+A, the last name typed where the focus lands, Alt+S saves.
    pressButton(Qt::Key_A, [&] { return main->editing(); });
    ASSERT_TRUE(main->editing());
    typeText("Brown");
    press(Qt::Key_Tab);
    typeText("Ann");
    pressButton(Qt::Key_S, [&] { return !main->editing(); });
    EXPECT_EQ(table().recordCount(), 3u);

    // A filter: Ctrl+3 shows the Filter page, Tab reaches the last-name line, Alt+N sets it.
    press(Qt::Key_3, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->currentPage() == 2; }));
    FilterPage& filter = *main->filterPage();
    for (int i = 0; i < 40 && QApplication::focusWidget() != filter.line(0); ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), filter.line(0));
    typeText("Brown");
    pressButton(Qt::Key_N, [&] { return filter.countLabel()->text() == "2 matches"; });
    EXPECT_EQ(filter.countLabel()->text(), "2 matches");

    // The duplicate check from the Utilities menu, its button reached by Tab and pressed by
    // Space; Escape closes the window.
    press(Qt::Key_1, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->currentPage() == 0; }));
    QString found;
    whenDialogOpens([&] {
        if (tabTo("Perform Duplicate Check Now")) press(Qt::Key_Space);
        if (auto* d = qobject_cast<DuplicateCheckDialog*>(QApplication::activeModalWidget()))
            found = d->countLine()->text();
        press(Qt::Key_Escape);
    });
    chooseFromMenu(Qt::Key_U, Qt::Key_D);
    EXPECT_EQ(found, "Found 1 possible duplicates");
}

class KeyboardPrintingTest : public KeyboardTasksTest {
  protected:
    void SetUp() override {
        for (const char* name : {"RVPLSU.DBF", "RVPLSU.CDX"}) {
            const QString target = path(name);
            ASSERT_TRUE(
                QFile::copy(QDir(QStringLiteral(RAVENPOST_SIDEFILE_DIR)).filePath(name), target));
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        KeyboardTasksTest::SetUp();
        main->printerCatalog().select(PrinterCatalog::pdfPrinterName());
    }

    // Once the status window of a print started from dialog has ended its job, Escape closes
    // it and then dialog; outcome is how the job ended.
    static void closeAfterPrinting(QWidget* dialog, PrintOutcome& outcome) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, dialog, &outcome] {
            QWidget* modal = QApplication::activeModalWidget();
            if (const auto* status = qobject_cast<PrintStatusDialog*>(modal)) {
                if (status->outcome() == PrintOutcome::Pending) return;
                outcome = status->outcome();
                return press(Qt::Key_Escape);
            }
            if (modal != dialog || outcome == PrintOutcome::Pending) return;
            poll->stop();
            poll->deleteLater();
            press(Qt::Key_Escape);
        });
        poll->start(10);
    }

    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
};

TEST_F(KeyboardPrintingTest, LabelsPrintToPdfByKeys) {
    chooser.answer(path("LIST.DBF"));
    chooseFromMenu(Qt::Key_F, Qt::Key_O);
    ASSERT_EQ(main->currentFile(), path("LIST.DBF"));
    dialogs.answerPrint({.outputFile = path("labels.pdf")});
    // Print Labels: Tab to Print Now, Space; the status window, once the job has ended, and
    // then Print Labels are closed by Escape.
    PrintOutcome outcome = PrintOutcome::Pending;
    whenDialogOpens([&] {
        QWidget* printLabels = QApplication::activeModalWidget();
        if (!tabTo("Print Now")) return press(Qt::Key_Escape);
        closeAfterPrinting(printLabels, outcome);
        press(Qt::Key_Space);  // prints before it returns
    });
    press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(outcome, PrintOutcome::Completed);
    ASSERT_TRUE(QFile::exists(path("labels.pdf")));
    EXPECT_EQ(pdfInfo(path("labels.pdf"), "Pages"), "1");
}

// Keys for a run of nested dialogs: each step waits until a dialog of its class is the one
// open, then gives it the focus and presses its keys (which may open the next dialog and return
// only when it closes).
struct DialogStep {
    const QMetaObject* dialog;
    std::function<void()> keys;
};

void runSteps(std::vector<DialogStep> steps) {
    auto* poll = new QTimer;
    auto next = std::make_shared<std::size_t>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, next, steps = std::move(steps)] {
        if (*next == steps.size()) {
            poll->stop();
            poll->deleteLater();
            return;
        }
        const DialogStep& step = steps[*next];
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !step.dialog->cast(modal)) return;
        ++*next;
        focusWindow(modal);  // the dialog closed over it kept the activation
        // From a timer of its own: the keys may open the next dialog, whose loop must see
        // this poll again, and a timer does not fire inside its own handler.
        QTimer::singleShot(0, step.keys);
    });
    poll->start(10);
}

TEST_F(KeyboardPrintingTest, ALetterWrittenAndPreviewedByKeys) {
    chooser.answer(path("LIST.DBF"));
    chooseFromMenu(Qt::Key_F, Qt::Key_O);
    ASSERT_EQ(main->currentFile(), path("LIST.DBF"));
    QString previewed;
    int pages = 0;
    runSteps({
        {&PrintLettersDialog::staticMetaObject,
         [] {
             if (tabTo("New")) press(Qt::Key_Space);
         }},
        {&LetterDesignerDialog::staticMetaObject,
         [] {
             typeText("Dear friend,");
             if (tabTo("Save")) press(Qt::Key_Space);
         }},
        {&PrintLettersDialog::staticMetaObject,
         [] {
             if (tabTo("Preview")) press(Qt::Key_Space);
         }},
        {&LetterPreviewDialog::staticMetaObject,
         [&] {
             auto* preview = qobject_cast<LetterPreviewDialog*>(QApplication::activeModalWidget());
             if (preview->document()) previewed = preview->document()->toPlainText();
             pages = preview->pageCount();
             press(Qt::Key_Escape);
         }},
        {&PrintLettersDialog::staticMetaObject, [] { press(Qt::Key_Escape); }},
    });
    press(Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }));
    EXPECT_EQ(previewed, "Dear friend,");
    EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace rp
