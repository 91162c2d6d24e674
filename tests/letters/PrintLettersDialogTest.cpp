// The "Print Letters" dialog over a real letters file: which commands an empty or filled file
// enables, New / Modify / Delete through the designer, and what Print Now and Preview are asked.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include "LettersFixture.h"
#include "framework/PrinterCatalog.h"
#include "letters/PrintLettersDialog.h"

namespace rp {
namespace {

class PrintLettersDialogTest : public LettersFixture {
  protected:
    std::unique_ptr<PrintLettersDialog> makeDialog(bool filteredEnabled = true) {
        auto dialog =
            std::make_unique<PrintLettersDialog>(*letters, catalog, filteredEnabled, nullptr);
        dialog->design = [this](QString& description, const QTextDocument* letter) {
            designed.push_back({description, letter ? letter->toPlainText() : QString()});
            if (!saveAs) return std::unique_ptr<QTextDocument>();
            description = saveAs->first;
            return letterOf(saveAs->second);
        };
        dialog->show();
        return dialog;
    }
    static QList<bool> enabled(const PrintLettersDialog& d) {
        return {d.list()->isEnabled(),           d.newButton()->isEnabled(),
                d.modifyButton()->isEnabled(),   d.deleteButton()->isEnabled(),
                d.printNowButton()->isEnabled(), d.previewButton()->isEnabled()};
    }

    PrinterCatalog catalog{{QStringLiteral("Office")}, QStringLiteral("Office")};
    std::vector<std::pair<QString, QString>> designed;  // description and text given
    std::optional<std::pair<QString, QString>> saveAs;  // what the designer saves; none: Cancel
};

TEST_F(PrintLettersDialogTest, AnEmptyFileEnablesOnlyNewAndTheChoicesStartAsDefined) {
    const auto dialog = makeDialog(false);
    EXPECT_EQ(dialog->windowTitle(), "Print Letters");
    EXPECT_EQ(dialog->helpTopic(), 1037);
    EXPECT_EQ(enabled(*dialog), (QList<bool>{false, true, false, false, false, false}));
    EXPECT_EQ(dialog->list()->model()->headerData(0, Qt::Horizontal).toString(),
              "Letter Description");
    EXPECT_TRUE(dialog->currentChoice()->isChecked());
    EXPECT_FALSE(dialog->filteredChoice()->isEnabled());
    EXPECT_FALSE(dialog->startFromCurrentBox()->isChecked());
    EXPECT_EQ(dialog->copiesBox()->value(), 1);
    EXPECT_EQ(dialog->copiesBox()->minimum(), 1);
    EXPECT_EQ(dialog->copiesBox()->maximum(), 999);
    EXPECT_EQ(dialog->printerName()->text(), "Office");
}

TEST_F(PrintLettersDialogTest, NewAppendsOnlyOnSaveAndModifyChangesTheCurrentLetter) {
    addLetter(QStringLiteral("Welcome"), QStringLiteral("Dear [First],"));
    addLetter(QStringLiteral("Reminder"), QStringLiteral("Please renew."));
    const auto dialog = makeDialog();
    EXPECT_EQ(dialog->list()->model()->rowCount(), 2);
    EXPECT_EQ(letters->recNo(), 1u);

    dialog->onNewClicked();  // cancelled
    ASSERT_EQ(designed.size(), 1u);
    EXPECT_EQ(designed[0], (std::pair<QString, QString>{"{untitled}", ""}));
    EXPECT_EQ(letters->recordCount(), 2u);

    saveAs = {QStringLiteral("Thanks"), QStringLiteral("Thank you, [Prefix] [Last].")};
    dialog->onNewClicked();
    EXPECT_EQ(letters->recordCount(), 3u);
    EXPECT_EQ(dialog->list()->model()->rowCount(), 3);
    EXPECT_EQ(letters->recNo(), 3u);
    EXPECT_EQ(dialog->list()->currentIndex().row(), 2);
    EXPECT_EQ(storedText(3), "Thank you, [Prefix] [Last].");

    dialog->list()->selectRow(1);
    EXPECT_EQ(letters->recNo(), 2u);
    saveAs.reset();
    dialog->onModifyClicked();  // cancelled
    EXPECT_EQ(designed.back(), (std::pair<QString, QString>{"Reminder", "Please renew."}));
    EXPECT_EQ(storedText(2), "Please renew.");
    saveAs = {QStringLiteral("Reminder 2"), QStringLiteral("Please renew soon.")};
    dialog->onModifyClicked();
    EXPECT_EQ(letters->recordCount(), 3u);
    EXPECT_EQ(letterDescription(*letters), "Reminder 2");
    EXPECT_EQ(storedText(2), "Please renew soon.");
    EXPECT_EQ(dialog->list()->model()->index(1, 0).data().toString(), "Reminder 2");
}

TEST_F(PrintLettersDialogTest, DeleteAsksAndTheLastDeletionLeavesOnlyNew) {
    addLetter(QStringLiteral("Only one"), QStringLiteral("Hello"));
    const auto dialog = makeDialog();
    dialog->printNow = [](const QTextDocument&, const LetterPrintRequest&) {};
    dialog->preview = [](const QTextDocument&) {};
    dialog->setLetterButtons();
    EXPECT_EQ(enabled(*dialog), (QList<bool>{true, true, true, true, true, true}));

    shown.answer(false);
    dialog->onDeleteClicked();
    EXPECT_EQ(shown.texts(), QStringList{"Delete this record?"});
    EXPECT_FALSE(letters->deleted());

    shown.answer(true);
    dialog->onDeleteClicked();
    letters->go(1);
    EXPECT_TRUE(letters->deleted());
    EXPECT_EQ(dialog->list()->model()->rowCount(), 0);
    EXPECT_EQ(enabled(*dialog), (QList<bool>{false, true, false, false, false, false}));
}

TEST_F(PrintLettersDialogTest, PrintNowGetsTheLetterAndTheChoicesPreviewTheLetter) {
    addLetter(QStringLiteral("Welcome"), QStringLiteral("Dear [First],"));
    const auto dialog = makeDialog();
    EXPECT_FALSE(dialog->printNowButton()->isEnabled());  // nothing to print with yet
    std::vector<std::pair<QString, LetterPrintRequest>> asked;
    dialog->printNow = [&](const QTextDocument& letter, const LetterPrintRequest& r) {
        asked.push_back({letter.toPlainText(), r});
    };
    dialog->preview = [&](const QTextDocument& letter) {
        asked.push_back({letter.toPlainText(), LetterPrintRequest{}});
    };
    dialog->allRecordsChoice()->setChecked(true);
    dialog->startFromCurrentBox()->setChecked(true);
    dialog->copiesBox()->setValue(3);
    dialog->onPrintNowClicked();
    dialog->onPreviewClicked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].first, "Dear [First],");
    EXPECT_EQ(asked[0].second, (LetterPrintRequest{LetterRecords::All, true, 3}));
    EXPECT_EQ(asked[1].first, "Dear [First],");

    letters->setMemo("RTF", "not a letter");
    letters->post();
    dialog->onPrintNowClicked();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(shown.texts().last(), "The letter could not be read whole.\r\nThe text is not RTF");
}

}  // namespace
}  // namespace rp
