// "One per household" in Print Labels, offscreen: the box, the preview of two records at one
// mailbox, and the pieces saved in the status window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>

#include "LabelSideFixture.h"
#include "data/AddressFile.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "labels/PrintLabelsDialog.h"
#include "postal/PresortDialog.h"

namespace rp {
namespace {

class PrintLabelsHouseholdsTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
        addresses->setOrder("LNAME");
        for (const char* first : {"Ann", "Bob"}) {
            addresses->appendBlank();
            addresses->setText("FNAME", first);
            addresses->setText("LNAME", "Adams");
            addresses->setText("STREET", "1 Elm St");
            addresses->setText("ZIP", "83702");
            addresses->post();
        }
        addresses->goTop();
        setups = open("RVPLSU.DBF");
    }

    AddressTable addresses{engine};
    std::unique_ptr<xbase::Table> setups;
    PrinterCatalog catalog{{}, QString()};
};

TEST_F(PrintLabelsHouseholdsTest, TheBoxPrintsOneLabelAndTellsThePiecesSaved) {
    PrintLabelsDialog d(addresses.table(), *setups, folder(), catalog, &PresortDialog::run, false);
    QString status;
    QStringList previewed;
    d.printJob().showStatus = [&status](PrintStatusDialog& s) {
        s.show();
        while (s.outcome() == PrintOutcome::Pending) QApplication::processEvents();
        status = s.statusText();
        s.close();
    };
    d.printJob().showPreview = [&previewed](const RecordedPages& pages) {
        for (const ReportOp& op : pages.page(0))
            if (const auto* run = std::get_if<TextRun>(&op)) previewed << run->text;
    };
    d.show();
    EXPECT_EQ(d.householdsBox()->text(), "One per household");
    EXPECT_FALSE(d.householdsBox()->isChecked());
    EXPECT_FALSE(d.request().households);

    d.printJob().preview(d.request());
    EXPECT_EQ(previewed.filter("Adams").size(), 2);
    EXPECT_EQ(status, "\rLabel Preview Ready!");

    d.householdsBox()->setChecked(true);
    EXPECT_TRUE(d.request().households);
    previewed.clear();
    d.printJob().preview(d.request());
    EXPECT_EQ(previewed.filter("Adams"), QStringList{"The Adams Family "});
    EXPECT_EQ(status, "Pieces saved by One per household: 1\rLabel Preview Ready!");
}

}  // namespace
}  // namespace rp
