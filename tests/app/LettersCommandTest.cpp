// The "Le&tters" command: the letters file opened shared, created only where no file of its name
// exists (in any letter case), and a file that cannot be opened left as it is.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "app/FilterPage.h"
#include "letters/LettersFile.h"
#include "letters/PrintLettersDialog.h"
#include "xbase/Error.h"

namespace rp {
namespace {

class LettersCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }

    // Runs the command; while its dialog is open, act on it, then close it. False when no
    // dialog was shown.
    bool runDialog(const std::function<void(PrintLettersDialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PrintLettersDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            act(*dialog);
            dialog->reject();
        });
        main->runCommand(Command::Letters);
        return seen;
    }
    QByteArray bytes(const char* name) {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(LettersCommandTest, AMissingLettersFileIsCreatedAndOpenedExclusively) {
    ASSERT_FALSE(QFile::exists(path("RVPLTRS.DBF")));
    EXPECT_TRUE(runDialog([&](PrintLettersDialog& dialog) {
        EXPECT_FALSE(dialog.filteredChoice()->isEnabled());  // no filter set
        EXPECT_THROW(engine.open(enginePath(path("RVPLTRS.DBF"))), xbase::Error);
    }));
    const auto letters = engine.open(enginePath(path("RVPLTRS.DBF")));
    EXPECT_EQ(letters->fieldCount(), 2);
    EXPECT_EQ(letters->field(1).width, 50);
    EXPECT_EQ(letters->field(2).type, 'M');
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(LettersCommandTest, WithoutRecordsInViewOrWithoutAFileNothingOpensAndNothingIsCreated) {
    main->changeToFilter();
    main->filterPage()->line(0)->setText(QStringLiteral("Nobody"));
    main->onSetNowClicked();
    main->changeToRecord();
    EXPECT_FALSE(runDialog([](PrintLettersDialog&) {}));
    main->addressTable().close();
    EXPECT_FALSE(runDialog([](PrintLettersDialog&) {}));
    EXPECT_TRUE(shown.texts().isEmpty());
    EXPECT_FALSE(QFile::exists(path("RVPLTRS.DBF")));
}

TEST_F(LettersCommandTest, ALettersFileInOtherLetterCaseIsOpenedNotReplaced) {
    createLettersFile(engine, path("rvpltrs.dbf"));
    {
        const auto letters = engine.open(enginePath(path("rvpltrs.dbf")));
        letters->appendBlank();
        letters->setText("DESCRIPT", "Kept");
        letters->post();
    }
    EXPECT_TRUE(runDialog([&](PrintLettersDialog& dialog) {
        EXPECT_EQ(dialog.list()->model()->rowCount(), 1);
        EXPECT_TRUE(dialog.printNowButton()->isEnabled());  // the program prints and previews
        EXPECT_TRUE(dialog.previewButton()->isEnabled());
        // Opened shared: another open of the file is allowed.
        EXPECT_NO_THROW(engine.open(enginePath(path("rvpltrs.dbf"))));
    }));
    EXPECT_FALSE(QFile::exists(path("RVPLTRS.DBF")));
}

TEST_F(LettersCommandTest, ALettersFileThatCannotBeOpenedIsToldAndLeftUnchanged) {
    QFile damaged(path("RVPLTRS.DBF"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x30 not a table at all");
    damaged.close();
    const QByteArray before = bytes("RVPLTRS.DBF");
    EXPECT_FALSE(runDialog([](PrintLettersDialog&) {}));
    EXPECT_EQ(shown.texts().last(), "Unable to Open or Create RVPLTRS.DBF\r\n" +
                                        path("RVPLTRS.DBF") +
                                        ": not a valid table (the header is truncated)");
    EXPECT_EQ(bytes("RVPLTRS.DBF"), before);
    EXPECT_TRUE(main->reactingToTableEvents());
    EXPECT_FALSE(main->frozen());
}

}  // namespace
}  // namespace rp
