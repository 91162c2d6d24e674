// The vCard import dialog offscreen: choosing a file (one it cannot read is refused with the
// reason, naming the file and the line), importing its cards into a real address file, and a
// look at the window.
#include <QLabel>
#include <QPushButton>

#include "VcardFixtures.h"
#include "data/RecordText.h"
#include "framework/HelpViewer.h"
#include "import/VcardImportDialog.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedFileChooser.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class VcardImportDialogTest : public AddressFileFixture {
  protected:
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
};

TEST_F(VcardImportDialogTest, SelectAndImport) {
    VcardImportDialog dialog(table, QString::fromStdString(dir.path()));
    EXPECT_EQ(dialog.windowTitle(), "vCard File Import");
    EXPECT_EQ(dialog.helpTopic(), HelpTopic::VcardImport);
    EXPECT_NE(HelpViewer::topicPage(HelpTopic::VcardImport), QString());
    EXPECT_EQ(dialog.selectButton()->text(), "Select vCard File");
    EXPECT_TRUE(dialog.matchButton()->isHidden());
    EXPECT_FALSE(dialog.importButton()->isEnabled());

    const QString broken = vcardFixture("broken-line.vcf");
    chooser.answer(broken);
    dialog.onSelectClicked();
    EXPECT_EQ(shown.texts(),
              QStringList{"Unable to import from this file\r\n" + broken +
                          " line 4: not a vCard line (a property name and a colon)."});
    EXPECT_FALSE(dialog.importButton()->isEnabled());
    const FileRequest& request = chooser.requests().front();
    EXPECT_EQ(request.filter, "vCard files|*.VCF|All files|*.*");
    EXPECT_EQ(request.proposedName, "*.vcf");
    EXPECT_EQ(request.defaultSuffix, "vcf");

    const QString good = vcardFixture("contacts-30.vcf");
    chooser.answer(good);
    dialog.onSelectClicked();
    // A cancelled chooser keeps the file.
    chooser.answer(std::nullopt);
    dialog.onSelectClicked();
    EXPECT_EQ(dialog.fileName(), good);
    EXPECT_EQ(dialog.statusLabel()->text(), "Cards in the file: 2.");
    ASSERT_TRUE(dialog.importButton()->isEnabled());

    shown.clear();
    dialog.onImportClicked();
    EXPECT_EQ(shown.texts(), (QStringList{"Import complete. Cards imported: 2.",
                                          "1 values were longer than their fields and were cut "
                                          "to fit."}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->orderCount(), 21);
    table->go(2);
    EXPECT_EQ(fieldText(table.table(), "LNAME"), "Lind");
}

}  // namespace
}  // namespace rp
