// The translations the programs install at start: ours with Qt's own for a language that has
// a translation, none for English or a language without one. The program's translation here
// is the build's pseudo-translation installed under the name of Spanish.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "framework/Translations.h"
#include "letters/PrintLettersDialog.h"
#include "support/TempDir.h"

namespace rp {
namespace {

QString cancelButton() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(InstalledTranslationsTest, ALanguageWithATranslationGetsItAndQtsOwn) {
    TempDir dir;
    const QDir root(QString::fromStdString(dir.path()));
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/ravenpost/translations"));
    ASSERT_TRUE(QFile::copy(RAVENPOST_PSEUDO_QM,
                            root.filePath("share/ravenpost/translations/ravenpost_es.qm")));
    const struct {
        QString code;
        QString language;
        QString title;
        QString cancel;
    } cases[] = {
        {"es", "es", "[pseudo]Print Letters", "Cancelar"},
        {"es_ES", "es", "[pseudo]Print Letters", "Cancelar"},
        {"en", "", "Print Letters", "Cancel"},
        {"de", "", "Print Letters", "Cancel"},
    };
    for (const auto& c : cases) {
        {
            const InstalledTranslations translations(c.code, root.filePath("bin"));
            EXPECT_EQ(translations.language(), c.language) << c.code.toStdString();
            EXPECT_EQ(PrintLettersDialog::tr("Print Letters").toStdString(), c.title.toStdString())
                << c.code.toStdString();
            EXPECT_EQ(cancelButton().toStdString(), c.cancel.toStdString()) << c.code.toStdString();
        }
        EXPECT_EQ(PrintLettersDialog::tr("Print Letters").toStdString(), "Print Letters");
        EXPECT_EQ(cancelButton().toStdString(), "Cancel");
    }
}

TEST(InstalledTranslationsTest, AFileThatIsNoTranslationLeavesEnglish) {
    TempDir dir;
    const QDir root(QString::fromStdString(dir.path()));
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/translations"));
    QFile broken(root.filePath("share/translations/ravenpost_es.qm"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("not a translation") > 0);
    broken.close();
    const InstalledTranslations translations(QStringLiteral("es"), root.filePath("bin"));
    EXPECT_EQ(translations.language(), QString());
    EXPECT_EQ(cancelButton().toStdString(), "Cancel");
}

}  // namespace
}  // namespace rp
