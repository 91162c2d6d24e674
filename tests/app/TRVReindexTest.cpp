// The Rebuild Indexes dialog offscreen: its caption and controls, the run behind "Reindex"
// with its status lines, and Cancel.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "AddressFileFixture.h"
#include "app/TRVReindex.h"
#include "framework/HelpViewer.h"

namespace rp {
namespace {

QStringList visibleButtons(const QWidget& w)
{
    QStringList out;
    for (auto* b : w.findChildren<QPushButton*>())
        if (!b->isHidden()) out << b->text();
    return out;
}

QByteArray bytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TRVReindexTest : public AddressFileFixture {
protected:
    void SetUp() override
    {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Kept"}});
        add({{"LNAME", "Gone"}, {"PREFIX", "DELETED"}});
        table->deleteRecord();
        table->commit();
    }

    // An empty folder: the side tables are all passed over.
    QString sideFolder() const { return QString::fromStdString(sides.path()); }

    TempDir sides;
};

TEST_F(TRVReindexTest, NamesTheFileAndWaitsWithTheGaugeHidden)
{
    TRVReindex dialog(table, sideFolder(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Rebuild indexes for BROWSE.DBF");
    EXPECT_TRUE(dialog.gauge()->isHidden());
    EXPECT_EQ(dialog.gauge()->minimum(), 0);
    EXPECT_EQ(dialog.gauge()->maximum(), 100);
    EXPECT_EQ(dialog.statusLine()->text(), "");
    EXPECT_EQ(visibleButtons(dialog), QStringList({"Reindex", "Cancel", "Help"}));
    EXPECT_TRUE(dialog.reindexButton()->isDefault());
    EXPECT_EQ(dialog.helpTopic(), 1039);
    EXPECT_FALSE(HelpViewer::topicPage(1039).isEmpty());
}

TEST_F(TRVReindexTest, ReindexWorksThroughTheStatusesWithoutLettingItselfBeClosedThenCloses)
{
    TRVReindex dialog(table, sideFolder(), nullptr);
    struct Seen {
        QString status;
        bool gaugeShown;
        bool reindexEnabled;
        QStringList buttons;
    };
    std::vector<Seen> seen;
    QObject::connect(&dialog, &TRVReindex::statusShown, [&](const QString& text) {
        seen.push_back({text, !dialog.gauge()->isHidden(), dialog.reindexButton()->isEnabled(), visibleButtons(dialog)});
        dialog.reject();  // Escape or the window's close box while the work runs
    });
    dialog.show();
    dialog.reindexButton()->click();

    QStringList statuses;
    for (const Seen& s : seen) statuses << s.status;
    EXPECT_EQ(statuses, QStringList({"Cleaning out old deleted records", "Rebuilding indexes",
                                     "Rebuilding Letters File indexes", "Rebuilding Label Type File indexes",
                                     "Rebuilding Envelope Type File indexes", "Rebuilding State/Province File indexes",
                                     "Rebuilding Label Setup File indexes", "Rebuilding Envelope Setup File indexes"}));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].gaugeShown, i < 2) << seen[i].status.toStdString();
        EXPECT_FALSE(seen[i].reindexEnabled) << seen[i].status.toStdString();
        EXPECT_EQ(seen[i].buttons, QStringList{"Reindex"}) << seen[i].status.toStdString();
    }
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.gauge()->value(), 0);
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();

    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), 1u);
    EXPECT_EQ(table->orderCount(), 21);
}

TEST_F(TRVReindexTest, CancelClosesAndLeavesTheFileAsItWas)
{
    const QByteArray dbf = bytes(dir.file("BROWSE.DBF"));
    const QByteArray cdx = bytes(dir.file("BROWSE.CDX"));
    TRVReindex dialog(table, sideFolder(), nullptr);
    dialog.show();
    dialog.cancelButton()->click();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.gauge()->isHidden());
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), 2u);
    EXPECT_EQ(bytes(dir.file("BROWSE.DBF")), dbf);
    EXPECT_EQ(bytes(dir.file("BROWSE.CDX")), cdx);
}

}  // namespace
}  // namespace rp
