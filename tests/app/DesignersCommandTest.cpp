// "New" and "Modify" of the Labels and Envelopes commands run the designers; after Save the
// list shows the new or changed setup as its current row.
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "labels/LabelDesignerDialog.h"
#include "labels/PrintLabelsDialog.h"

namespace rp {
namespace {

QString currentDescription(QTableView* grid) {
    return grid->model()->data(grid->model()->index(grid->currentIndex().row(), 0)).toString();
}

class DesignersCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        for (const char* name : {"RVPLSU.DBF", "RVPLSU.CDX", "RVPLBLS.DBF", "RVPLBLS.CDX",
                                 "RVPESU.DBF", "RVPESU.CDX", "RVPENVS.DBF", "RVPENVS.CDX"}) {
            const QString source = QDir(QStringLiteral(RAVENPOST_SIDEFILE_DIR)).filePath(name);
            const QString target = path(name);
            ASSERT_TRUE(QFile::copy(source, target));
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
    }

    // Runs the command; in its dialog presses a button whose designer gets act, and once the
    // designer has closed checks the dialog with check.
    template <typename PrintDialog, typename Designer>
    void runDesigner(Command command, QPushButton* (PrintDialog::*button)() const,
                     const std::function<void(Designer&)>& act,
                     const std::function<void(PrintDialog&)>& check) {
        bool designerSeen = false, dialogSeen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialogSeen = true;
            QTimer::singleShot(0, [&] {
                auto* designer = qobject_cast<Designer*>(QApplication::activeModalWidget());
                if (!designer) return;
                designerSeen = true;
                act(*designer);
            });
            (dialog->*button)()->click();
            check(*dialog);
            dialog->reject();
        });
        main->runCommand(command);
        EXPECT_TRUE(dialogSeen);
        EXPECT_TRUE(designerSeen);
    }
};

TEST_F(DesignersCommandTest, LabelSetupMadeWithNewIsSelectedAfterSave) {
    int rowsBefore = 0;
    runDesigner<PrintLabelsDialog, LabelDesignerDialog>(
        Command::Labels, &PrintLabelsDialog::newButton,
        [&](LabelDesignerDialog& designer) {
            designer.descriptionEdit()->setText("Club mailing labels");
            designer.onSaveClicked();
        },
        [&](PrintLabelsDialog& dialog) {
            rowsBefore = dialog.grid()->model()->rowCount() - 1;
            EXPECT_EQ(currentDescription(dialog.grid()), "Club mailing labels");
        });
    EXPECT_GT(rowsBefore, 0);
}

TEST_F(DesignersCommandTest, LabelSetupCancelledInTheDesignerLeavesTheListAsItWas) {
    runDesigner<PrintLabelsDialog, LabelDesignerDialog>(
        Command::Labels, &PrintLabelsDialog::modifyButton,
        [](LabelDesignerDialog& designer) {
            designer.descriptionEdit()->setText("Never stored");
            designer.reject();
        },
        [](PrintLabelsDialog& dialog) {
            EXPECT_NE(currentDescription(dialog.grid()), "Never stored");
        });
}

TEST_F(DesignersCommandTest, EnvelopeSetupChangedWithModifyIsSelectedAfterSave) {
    runDesigner<PrintEnvelopeDialog, EnvelopeDesignerDialog>(
        Command::Envelopes, &PrintEnvelopeDialog::modifyButton,
        [](EnvelopeDesignerDialog& designer) {
            designer.descriptionEdit()->setText("Thank-you envelope");
            designer.onSaveClicked();
        },
        [](PrintEnvelopeDialog& dialog) {
            EXPECT_EQ(currentDescription(dialog.grid()), "Thank-you envelope");
            EXPECT_EQ(dialog.setupList().current().descript.text(), "Thank-you envelope");
        });
}

TEST_F(DesignersCommandTest, EnvelopeSetupMadeWithNewIsSelectedAfterSave) {
    runDesigner<PrintEnvelopeDialog, EnvelopeDesignerDialog>(
        Command::Envelopes, &PrintEnvelopeDialog::newButton,
        [](EnvelopeDesignerDialog& designer) {
            designer.descriptionEdit()->setText("Invitation envelope");
            designer.onSaveClicked();
        },
        [](PrintEnvelopeDialog& dialog) {
            EXPECT_EQ(currentDescription(dialog.grid()), "Invitation envelope");
        });
}

TEST_F(DesignersCommandTest, DesignersPictureTheBarcodeThePreferencesChoose) {
    ini().writeString("PostalBarcode", "Symbology", "IntelligentMail");
    runDesigner<PrintLabelsDialog, LabelDesignerDialog>(
        Command::Labels, &PrintLabelsDialog::modifyButton,
        [](LabelDesignerDialog& designer) {
            EXPECT_EQ(designer.model().symbology(), BarcodeSymbology::IntelligentMail);
            designer.reject();
        },
        [](PrintLabelsDialog&) {});
    runDesigner<PrintEnvelopeDialog, EnvelopeDesignerDialog>(
        Command::Envelopes, &PrintEnvelopeDialog::modifyButton,
        [](EnvelopeDesignerDialog& designer) {
            EXPECT_EQ(designer.model().symbology(), BarcodeSymbology::IntelligentMail);
            designer.reject();
        },
        [](PrintEnvelopeDialog&) {});
}

}  // namespace
}  // namespace rp
