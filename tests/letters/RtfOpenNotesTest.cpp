// "Open RTF File…" in the Letter Designer shows what the reader changed to lay the letter out:
// a page larger than can be printed is cut to 200 inches a side.
#include <QFile>

#include "LettersFixture.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/RtfPageLayout.h"
#include "support/ScriptedFileChooser.h"

namespace rp {
namespace {

class RtfOpenNotesTest : public LettersFixture {
  protected:
    QString writeFile(const QByteArray& rtf) {
        const QString path = folder() + QStringLiteral("wide.rtf");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(rtf);
        return path;
    }

    ScriptedFileChooser files;
    FileChooserScope filesScope{files};
};

TEST_F(RtfOpenNotesTest, APageTooLargeIsCutAndTheNoteShown) {
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    files.answer(writeFile("{\\rtf1\\ansi\\paperw2147483647\\paperh-1\\margl1440 Wide\\par}"));
    designer.onOpenRtfClicked();
    EXPECT_EQ(designer.document().toPlainText(), "Wide");
    EXPECT_EQ(pageLayout(designer.document()), (PageLayout{12240, 15840, 1440, 1800, 1440, 1440}));
    EXPECT_EQ(shown.texts(),
              QStringList{"The RTF page size of 2147483647 x -1 twips is not a page size: the "
                          "letter is laid out on Letter paper."});

    files.answer(writeFile("{\\rtf1\\ansi\\paperw2147483647\\margl200000\\margr200000 Wide\\par}"));
    designer.onOpenRtfClicked();
    EXPECT_EQ(pageLayout(designer.document()),
              (PageLayout{288000, 15840, 72000, 72000, 1440, 1440}));
    EXPECT_EQ(shown.texts().last(),
              "The RTF page of 1491308.09 x 11.00 inches is larger than a page can be printed "
              "(200 inches a side): it is cut to 200.00 x 11.00 inches.\n"
              "The RTF margins leave no room for text on the page: they are cut to 50.00 inches "
              "left, 50.00 right, 1.00 top and 1.00 bottom.");
}

TEST_F(RtfOpenNotesTest, AFittingPageShowsNothing) {
    LetterDesignerDialog designer(QStringLiteral("x"), nullptr);
    files.answer(writeFile("{\\rtf1\\ansi\\paperw288000\\paperh288000 Large\\par}"));
    designer.onOpenRtfClicked();
    EXPECT_EQ(pageLayout(designer.document()),
              (PageLayout{288000, 288000, 1800, 1800, 1440, 1440}));
    EXPECT_EQ(shown.texts(), QStringList{});
}

}  // namespace
}  // namespace rp
