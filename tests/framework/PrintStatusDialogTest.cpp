// The print status window: captions and buttons for printing and previewing, the status
// format while the job runs, the five ways a job ends, Stop without asking and Cancel after
// asking.
#include "framework/PrintStatusDialog.h"
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

namespace rp {
namespace {

constexpr int kRowsPerPage = 10;

class PrintStatus : public ::testing::Test {
  protected:
    // A job of rows, ten to a page, that calls atRow (page, row from 1) before asking to go on.
    ReportJob rows(int count, std::function<void(int page, int row)> atRow = {}) {
        return [this, count, atRow](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
            if (!canvas.start()) return;
            statusAtStart = canvas.statusText();
            for (int row = 1; row <= count; ++row) {
                if (row > 1 && (row - 1) % kRowsPerPage == 0) canvas.newPage();
                canvas.println(QStringLiteral("Row %1").arg(row));
                if (atRow) atRow(canvas.pageNumber(), row);
                if (!keepGoing()) return;
            }
        };
    }

    // Shows the window modally and presses OK once the job has ended; the final status.
    QString runToOk(PrintStatusDialog& window) {
        QTimer ok;
        QObject::connect(&ok, &QTimer::timeout, &window, [&window] {
            if (window.outcome() != PrintOutcome::Pending) window.button()->click();
        });
        ok.start(1);
        QTimer::singleShot(5000, &window,
                           [&window] { window.done(-1); });  // a hung job fails, not hangs
        EXPECT_EQ(window.exec(), QDialog::Accepted);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.button()->text(), "OK");
        return window.statusText();
    }

    ScriptedMessages shown;
    MessagesScope scope{shown};
    ReportLog log;
    QString statusAtStart;
};

TEST_F(PrintStatus, PrintingRunsWhenShownAndEndsCompleted) {
    PrintStatusDialog window(log, rows(25), false);
    EXPECT_EQ(window.windowTitle(), "Print Status");
    EXPECT_EQ(window.button()->text(), "Cancel");
    EXPECT_EQ(PrintStatusDialog::statusFormat(), "Printing Page %p\r%0\r%1");
    EXPECT_EQ(window.outcome(), PrintOutcome::Pending);

    EXPECT_EQ(runToOk(window), "\rPrint Completed!");
    EXPECT_EQ(statusAtStart, "Printing Page 1\r\r");
    EXPECT_EQ(window.statusLabel()->text(), "\nPrint Completed!");
    EXPECT_EQ(window.statusLabel()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(window.outcome(), PrintOutcome::Completed);
    EXPECT_EQ(log.pages(), 3);
    EXPECT_TRUE(log.ended());
    EXPECT_EQ(log.textStrings().size(), 25);
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(PrintStatus, PreviewRunsWhenShownAndEndsReady) {
    PrintStatusDialog window(log, rows(5), true);
    EXPECT_EQ(window.windowTitle(), "Preview Status");
    EXPECT_EQ(window.button()->text(), "Stop");
    EXPECT_EQ(runToOk(window), "\rPreview Ready!");
    EXPECT_EQ(window.outcome(), PrintOutcome::Completed);
    EXPECT_TRUE(log.ended());
}

TEST_F(PrintStatus, StopEndsThePreviewAfterTheCurrentRowWithoutAsking) {
    PrintStatusDialog* window = nullptr;
    PrintStatusDialog preview(log,
                              rows(100,
                                   [&](int page, int row) {
                                       if (page == 3 && row == 24) window->button()->click();
                                   }),
                              true);
    window = &preview;
    EXPECT_EQ(runToOk(preview), "\rPreview Stopped at page 3!");
    EXPECT_EQ(preview.outcome(), PrintOutcome::Stopped);
    EXPECT_EQ(log.textStrings().constLast(), "Row 24");
    EXPECT_EQ(log.pages(), 3);
    EXPECT_TRUE(log.ended());
    EXPECT_FALSE(log.aborted());
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(PrintStatus, CancelAsksAndOnlyYesAbortsThePrint) {
    shown.answer(false);
    shown.answer(true);
    PrintStatusDialog* window = nullptr;
    PrintStatusDialog printing(log,
                               rows(40,
                                    [&](int, int row) {
                                        if (row == 5 || row == 15) window->button()->click();
                                    }),
                               false);
    window = &printing;
    EXPECT_EQ(runToOk(printing), "\rPrint Canceled!");
    EXPECT_EQ(printing.outcome(), PrintOutcome::Cancelled);
    ASSERT_EQ(shown.shown().size(), 2u);
    for (const ScriptedMessages::Shown& box : shown.shown()) {
        EXPECT_EQ(box.kind, "question");
        EXPECT_EQ(box.caption, "Confirm");
        EXPECT_EQ(box.text, "Cancel Printing?");
    }
    // No went on past row 5; Yes aborted the document at row 15.
    EXPECT_EQ(log.textStrings().size(), 15);
    EXPECT_TRUE(log.aborted());
    EXPECT_FALSE(log.ended());
}

TEST_F(PrintStatus, APreviewTheJobAbandonsIsCanceled) {
    PrintStatusDialog window(
        log,
        [](ReportCanvas& canvas, const std::function<bool()>&) {
            canvas.start();
            canvas.abort();
        },
        true);
    EXPECT_EQ(runToOk(window), "\rPreview Canceled!");
    EXPECT_EQ(window.outcome(), PrintOutcome::Cancelled);
    EXPECT_TRUE(log.aborted());
}

// A job that throws: the cause is told, the output started is abandoned, and the window ends
// as cancelled, printing or previewing alike.
TEST_F(PrintStatus, AJobThatFailsIsToldAndEndsCanceled) {
    const struct {
        bool preview;
        QString final;
    } cases[] = {{false, "\rPrint Canceled!"}, {true, "\rPreview Canceled!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.final.toStdString());
        ReportLog output;
        shown.clear();
        PrintStatusDialog window(
            output,
            rows(30,
                 [](int, int row) {
                     if (row == 12)
                         throw std::runtime_error(
                             "/data/RAVENP1.DBF: a record runs past the end of the file");
                 }),
            c.preview);
        EXPECT_EQ(runToOk(window), c.final);
        EXPECT_EQ(window.outcome(), PrintOutcome::Cancelled);
        ASSERT_EQ(shown.shown().size(), 1u);
        EXPECT_EQ(shown.shown()[0].kind, "error");
        EXPECT_EQ(shown.shown()[0].caption, "Error");
        EXPECT_EQ(shown.shown()[0].text,
                  "/data/RAVENP1.DBF: a record runs past the end of the file");
        EXPECT_EQ(output.textStrings().size(), 12);
        EXPECT_TRUE(output.aborted());
        EXPECT_FALSE(output.ended());
    }
}

TEST_F(PrintStatus, AnotherReportBringsItsOwnTexts) {
    PrintStatusTexts texts;
    texts.cancelQuestion = QStringLiteral("Cancel Report Printing?");
    texts.printCompleted = QStringLiteral("\rReport Print Completed!");
    shown.answer(false);
    PrintStatusDialog* window = nullptr;
    PrintStatusDialog printing(log,
                               rows(3,
                                    [&](int, int row) {
                                        if (row == 2) window->button()->click();
                                    }),
                               false, nullptr, texts);
    window = &printing;
    EXPECT_EQ(runToOk(printing), "\rReport Print Completed!");
    EXPECT_EQ(shown.texts(), QStringList{"Cancel Report Printing?"});
}

}  // namespace
}  // namespace rp
