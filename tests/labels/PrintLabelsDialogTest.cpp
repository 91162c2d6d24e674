// "Print Labels" offscreen on copies of the delivered setup file: its controls and their
// states, the choice of records, the setup list commands and a preview from the list's row.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

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

class PrintLabelsDialogTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
        addresses->setOrder("LNAME");
        for (const char* name : {"Adams", "Baker"}) {
            addresses->appendBlank();
            addresses->setText("LNAME", name);
            addresses->post();
        }
        addresses->goTop();
        setups = open("RVPLSU.DBF");
    }

    std::unique_ptr<PrintLabelsDialog> dialog(bool filteredEnabled) {
        auto d = std::make_unique<PrintLabelsDialog>(addresses.table(), *setups, folder(), catalog,
                                                     &PresortDialog::run, filteredEnabled);
        d->printJob().showStatus = [](PrintStatusDialog& status) {
            status.show();
            while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
            status.close();
        };
        d->printJob().showPreview = [this](const RecordedPages& pages) {
            for (const ReportOp& op : pages.page(0))
                if (const auto* run = std::get_if<TextRun>(&op)) previewed << run->text;
        };
        return d;
    }

    AddressTable addresses{engine};
    std::unique_ptr<xbase::Table> setups;
    PrinterCatalog catalog{{}, QString()};
    QStringList previewed;
};

TEST_F(PrintLabelsDialogTest, ControlsChoicesSetupListAndPreview) {
    auto d = dialog(false);
    d->show();
    EXPECT_EQ(d->windowTitle(), "Print Labels");
    EXPECT_EQ(d->helpTopic(), 1036);
    QStringList captions;
    for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) captions << b->text();
    for (const QLabel* l : d->findChildren<QLabel*>()) captions << l->text();
    for (const char* c :
         {"All records", "Records matching filter", "Only current record",
          "Start from current record", "Presort for Bulk Mail", "# copies of each label", "New",
          "Modify", "Delete", "Print Now", "Preview", "Printer Setup", "Cancel", "Help"})
        EXPECT_TRUE(captions.contains(c)) << c;
    EXPECT_EQ(d->model()->rowCount(), 4);

    // No filter in force: all records. No designer yet: New and Modify stay off.
    EXPECT_FALSE(d->filteredButton()->isEnabled());
    EXPECT_TRUE(d->allButton()->isChecked());
    EXPECT_FALSE(d->newButton()->isEnabled());
    EXPECT_FALSE(d->modifyButton()->isEnabled());
    EXPECT_TRUE(d->deleteButton()->isEnabled());
    EXPECT_TRUE(d->previewButton()->isEnabled());
    EXPECT_EQ(d->printerList()->currentText(), "PDF file");
    EXPECT_TRUE(dialog(true)->filteredButton()->isChecked());

    // One record: no presort.
    d->presortBox()->setChecked(true);
    d->currentButton()->click();
    EXPECT_FALSE(d->presortBox()->isChecked());
    EXPECT_FALSE(d->presortBox()->isEnabled());
    EXPECT_EQ(d->request().records, LabelRecords::Current);
    d->allButton()->click();
    EXPECT_TRUE(d->presortBox()->isEnabled());

    // The setup of the chosen row prints: the second, two across with the name line first.
    d->grid()->setCurrentIndex(d->model()->index(1, 0));
    EXPECT_EQ(d->request().setup.description, "Shipping labels, 2 x 4 with barcode");
    d->copiesEdit()->setValue(2);
    d->previewButton()->click();
    ASSERT_GE(previewed.size(), 2);
    EXPECT_EQ(previewed[0], "Adams ");

    // Delete after Yes; the list follows.
    messages.answer(true);
    d->deleteButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{"Delete this record?"});
    EXPECT_EQ(d->model()->rowCount(), 3);
    EXPECT_EQ(d->request().setup.description, "Return address labels, 80 per sheet");

    // With a designer, New appends what it saves.
    d->setDesigner([](LabelSetup& s) {
        EXPECT_EQ(s.description, kUntitledLabelSetup);
        s.description = "Mine";
        return true;
    });
    EXPECT_TRUE(d->newButton()->isEnabled());
    d->newButton()->click();
    EXPECT_EQ(d->model()->rowCount(), 4);
    EXPECT_EQ(d->request().setup.description, "Mine");
}

}  // namespace
}  // namespace rp
