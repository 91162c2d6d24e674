// The Rebuild Indexes dialog offscreen: its caption and controls, the run behind "Reindex"
// with its status lines, and Cancel.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "app/RebuildIndexesDialog.h"
#include "framework/HelpViewer.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

QStringList visibleButtons(const QWidget& w) {
    QStringList out;
    for (auto* b : w.findChildren<QPushButton*>())
        if (!b->isHidden()) out << b->text();
    return out;
}

QByteArray bytes(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RebuildIndexesDialogTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Kept"}});
        add({{"LNAME", "Gone"}, {"PREFIX", "DELETED"}});
        table->deleteRecord();
        table->commit();
        dialog = std::make_unique<RebuildIndexesDialog>(table, QString::fromStdString(sides.path()),
                                                        nullptr);
    }

    TempDir sides;  // empty: every side table is passed over
    std::unique_ptr<RebuildIndexesDialog> dialog;
};

TEST_F(RebuildIndexesDialogTest, NamesTheFileAndWaitsWithTheGaugeHidden) {
    EXPECT_EQ(dialog->windowTitle(), "Rebuild indexes for BROWSE.DBF");
    EXPECT_TRUE(dialog->gauge()->isHidden());
    EXPECT_EQ(dialog->gauge()->maximum(), 100);
    EXPECT_EQ(visibleButtons(*dialog), QStringList({"Reindex", "Cancel", "Help"}));
    EXPECT_TRUE(dialog->reindexButton()->isDefault());
    EXPECT_EQ(dialog->helpTopic(), 1039);
    EXPECT_FALSE(HelpViewer::topicPage(1039).isEmpty());
}

TEST_F(RebuildIndexesDialogTest,
       ReindexWorksThroughTheStatusesWithoutLettingItselfBeClosedThenCloses) {
    QStringList statuses, gaugeShown, buttons;
    QObject::connect(dialog.get(), &RebuildIndexesDialog::statusShown, [&](const QString& text) {
        statuses << text;
        gaugeShown << (dialog->gauge()->isHidden() ? "no" : "yes");
        buttons << visibleButtons(*dialog).join(' ') +
                       (dialog->reindexButton()->isEnabled() ? " on" : " off");
        dialog->reject();  // Escape or the window's close box while the work runs
    });
    dialog->show();
    dialog->reindexButton()->click();

    ASSERT_EQ(statuses.size(), 8);
    EXPECT_EQ(statuses.first(), "Cleaning out old deleted records");
    EXPECT_EQ(statuses[1], "Rebuilding indexes");
    EXPECT_EQ(statuses.last(), "Rebuilding Envelope Setup File indexes");
    EXPECT_EQ(gaugeShown, QStringList({"yes", "yes", "no", "no", "no", "no", "no", "no"}));
    EXPECT_EQ(buttons, QStringList(8, "Reindex off"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), 1u);
    EXPECT_EQ(table->orderCount(), 21);
}

TEST_F(RebuildIndexesDialogTest, CancelClosesAndLeavesTheFileAsItWas) {
    const QByteArray dbf = bytes(dir.file("BROWSE.DBF"));
    const QByteArray cdx = bytes(dir.file("BROWSE.CDX"));
    dialog->show();
    dialog->cancelButton()->click();

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), 2u);
    EXPECT_EQ(bytes(dir.file("BROWSE.DBF")), dbf);
    EXPECT_EQ(bytes(dir.file("BROWSE.CDX")), cdx);
}

}  // namespace
}  // namespace rp
