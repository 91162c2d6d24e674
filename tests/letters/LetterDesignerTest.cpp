// The "Letter Designer": the merge codes inserted at the caret, Save and Cancel, the page
// layout, and letters read from and written to RTF files of other word processors.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "LettersFixture.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/RtfPageLayout.h"
#include "letters/RtfReader.h"
#include "support/FileSizeLimitScope.h"
#include "support/ScriptedFileChooser.h"
#include "support/SharedFolder.h"

namespace rp {
namespace {

class LetterDesignerTest : public LettersFixture {
  protected:
    ScriptedFileChooser files;
    FileChooserScope filesScope{files};
};

TEST_F(LetterDesignerTest, ANewLetterStartsUntitledAndEmptyWithTheCodesInOrder) {
    LetterDesignerDialog designer(QString::fromLatin1(kUntitledLetter), nullptr);
    EXPECT_EQ(designer.windowTitle(), "Letter Designer");
    EXPECT_EQ(designer.helpTopic(), 1026);
    EXPECT_EQ(designer.description(), "{untitled}");
    EXPECT_EQ(designer.descriptionBox()->maxLength(), 50);
    EXPECT_TRUE(designer.document().isEmpty());
    EXPECT_EQ(pageLayout(designer.document()), PageLayout{});
    QStringList codes;
    for (int i = 0; i < designer.fieldList()->count(); ++i)
        codes << designer.fieldList()->itemText(i);
    EXPECT_EQ(codes, (QStringList{"Full Name",   "Name and Address",
                                  "First",       "Last",
                                  "Middle",      "Prefix",
                                  "Title",       "Organization",
                                  "Street",      "City+State+Zip",
                                  "City",        "State",
                                  "Province",    "Zip",
                                  "Postal Code", "Country",
                                  "Phone",       "Fax",
                                  "E-Mail",      "Today's Date"}));
    EXPECT_EQ(designer.fieldList()->currentIndex(), 0);
}

TEST_F(LetterDesignerTest, ChoosingACodeInsertsItAtTheCaret) {
    const auto letter = letterOf(QStringLiteral("Dear ,\nSee you in !"));
    LetterDesignerDialog designer(QStringLiteral("Welcome"), letter.get());
    QTextCursor caret = designer.editor()->textCursor();
    caret.setPosition(5);
    designer.editor()->setTextCursor(caret);
    designer.insertField(2);
    caret = designer.editor()->textCursor();
    caret.movePosition(QTextCursor::End);
    caret.movePosition(QTextCursor::Left);
    designer.editor()->setTextCursor(caret);
    emit designer.fieldList()->activated(10);
    EXPECT_EQ(designer.document().toPlainText(), "Dear [First],\nSee you in [City]!");
    EXPECT_EQ(letter->toPlainText(), "Dear ,\nSee you in !");  // the caller's letter untouched
}

TEST_F(LetterDesignerTest, SaveAcceptsAndCancelRejectsAndAnUnstorableDescriptionIsRefused) {
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    designer.descriptionBox()->setText(QStringLiteral("Żółw"));
    designer.onSaveClicked();
    EXPECT_EQ(designer.result(), QDialog::Rejected);
    EXPECT_EQ(shown.texts(),
              QStringList{"The character \"Ż\" cannot be stored in a Ravenpost file."});
    designer.descriptionBox()->setText(QStringLiteral("Spring newsletter"));
    designer.editor()->setPlainText(QStringLiteral("Hello [First]"));
    designer.onSaveClicked();
    EXPECT_EQ(designer.result(), QDialog::Accepted);
    EXPECT_EQ(designer.description(), "Spring newsletter");
    EXPECT_EQ(designer.takeDocument()->toPlainText(), "Hello [First]");
}

TEST_F(LetterDesignerTest, PageSetupSetsTheLayoutAndTheEditorWrapsAtTheTextWidth) {
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    const int dpi = designer.editor()->logicalDpiX();
    EXPECT_EQ(designer.editor()->lineWrapColumnOrWidth(), 6.5 * dpi);  // 8.5 - 2 x 1 inch
    std::optional<PageLayout> answer;
    designer.askPageLayout = [&](const PageLayout& current) {
        EXPECT_EQ(current, PageLayout{});
        return answer;
    };
    designer.onPageSetupClicked();  // cancelled
    EXPECT_EQ(pageLayout(designer.document()), PageLayout{});
    answer = PageLayout{11906, 16838, 1440, 2160, 1440, 1440};
    designer.onPageSetupClicked();
    EXPECT_EQ(pageLayout(designer.document()), *answer);
    EXPECT_EQ(designer.editor()->lineWrapColumnOrWidth(), 8306 * dpi / 1440);
}

TEST_F(LetterDesignerTest, RtfFilesOfOtherProgramsOpenAndTheLetterSavesAsRtf) {
    SKIP_WITHOUT_SHARED_FOLDER();
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    designer.editor()->setPlainText(QStringLiteral("mine"));
    const QString notRtf = folder() + QStringLiteral("notes.rtf");
    QFile bad(notRtf);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("just some notes");
    bad.close();
    files.answer(notRtf);
    designer.onOpenRtfClicked();
    EXPECT_EQ(shown.texts().last(), "Unable to read " + notRtf + "\r\nThe text is not RTF");
    EXPECT_EQ(designer.document().toPlainText(), "mine");

    files.answer(QString::fromStdString(test::sharedFolder()) +
                 QStringLiteral("/fixtures/rtf/letter3-pandoc.rtf"));
    designer.onOpenRtfClicked();
    EXPECT_EQ(files.requests().back().caption, "Open RTF File");
    EXPECT_NE(designer.document().toPlainText(), "mine");
    const QString opened = designer.document().toPlainText();
    const PageLayout page = pageLayout(designer.document());

    const QString saved = folder() + QStringLiteral("out.rtf");
    files.answer(saved);
    designer.onSaveRtfClicked();
    EXPECT_EQ(files.requests().back().caption, "Save as RTF File");
    QFile written(saved);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QTextDocument again;
    EXPECT_FALSE(readRtf(written.readAll(), again).has_value());
    EXPECT_EQ(again.toPlainText(), opened);
    EXPECT_EQ(pageLayout(again), page);

    files.answer(folder() + QStringLiteral("no/such/folder/out.rtf"));
    designer.onSaveRtfClicked();
    EXPECT_TRUE(shown.texts().last().startsWith("Unable to write " + folder() +
                                                "no/such/folder/out.rtf\r\n"));
}

// A disk that fills while the letter is saved (here a limit on the size of files, whose writes
// fail as on a full disk) leaves no part of a file and says why.
TEST_F(LetterDesignerTest, ALetterCutShortWhileSavedLeavesNoFile) {
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    designer.editor()->setPlainText(QString(40000, QLatin1Char('x')));  // written in one piece
    const QString saved = folder() + QStringLiteral("out.rtf");
    files.answer(saved);
    {
        const FileSizeLimitScope limit(20000);
        designer.onSaveRtfClicked();
    }
    EXPECT_FALSE(QFile::exists(saved));
    ASSERT_FALSE(shown.texts().isEmpty());
    EXPECT_EQ(shown.texts().last(), "Unable to write " + saved + "\r\nFile too large");
}

}  // namespace
}  // namespace rp
