// "Print Labels" with its setup file removed or replaced by another program while the dialog has
// it open: a delete is refused with the engine's text naming the file, the new file is left as
// it was, and the dialog goes on showing and previewing the setups it read.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <cstdlib>

#include "LabelSideFixture.h"
#include "data/AddressFile.h"
#include "data/SideGridModel.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "labels/PrintLabelsDialog.h"
#include "postal/PresortDialog.h"

namespace rp {
namespace {

class SetupFileReplacedTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
        addresses->appendBlank();
        addresses->setText("LNAME", "Adams");
        addresses->post();
        addresses->goTop();
    }

    // Runs a command line of another program to its end.
    static void otherProgram(const QString& command) {
        ASSERT_EQ(std::system(command.toLocal8Bit().constData()), 0) << command.toStdString();
    }

    static QByteArray bytes(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    AddressTable addresses{engine};
    PrinterCatalog catalog{{}, QString()};
};

TEST_F(SetupFileReplacedTest, ADeleteIsRefusedWithTheEngineTextAndTheDialogGoesOn) {
    const struct {
        const char* name;
        bool replace;
    } cases[] = {{"removed", false}, {"replaced", true}};
    const QString file = path("RVPLSU.DBF");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file);
        ASSERT_TRUE(QFile::copy(deliveredPath("RVPLSU.DBF"), file));
        auto setups = openSideTable(engine, file);
        PrintLabelsDialog d(addresses.table(), *setups, folder(), catalog, &PresortDialog::run,
                            false);
        d.printJob().showStatus = [](PrintStatusDialog& status) {
            status.show();
            while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
            status.close();
        };
        QStringList previewed;
        d.printJob().showPreview = [&previewed](const RecordedPages& pages) {
            for (const ReportOp& op : pages.page(0))
                if (const auto* run = std::get_if<TextRun>(&op)) previewed << run->text;
        };
        const int rows = d.model()->rowCount();
        if (c.replace)
            otherProgram("cp '" + file + "' '" + file + ".new' && mv '" + file + ".new' '" + file +
                         "'");
        else
            otherProgram("rm '" + file + "'");
        const QByteArray now = bytes(file);

        messages.clear();
        messages.answer(true);
        d.deleteButton()->click();
        EXPECT_EQ(messages.texts(),
                  (QStringList{"Delete this record?",
                               file + " was removed or replaced by another program while it was "
                                      "open; the change was not saved"}));
        EXPECT_EQ(bytes(file), now);
        EXPECT_EQ(QFile::exists(file), c.replace);

        // The setups read before are still there to print from.
        EXPECT_EQ(d.model()->rowCount(), rows);
        d.previewButton()->click();
        EXPECT_FALSE(previewed.isEmpty());
        EXPECT_NO_THROW(setups->close());
    }
}

}  // namespace
}  // namespace rp
