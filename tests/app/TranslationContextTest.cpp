// What lupdate extracts from the sources is what tr() looks up at run time: with every extracted
// text translated as itself behind "[pseudo]" (the build's pseudo-translation), texts of
// classes in namespace rp from several layers, of a default argument in a header and of a
// function outside any class come back translated. lupdate itself reports no text whose
// context it could not work out.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QTranslator>
#include <functional>

#include "app/MainWindow.h"
#include "dialer/DialPhoneDialog.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "framework/PreviewWindow.h"
#include "import/AsciiImportDialog.h"
#include "labels/LabelTemplateFile.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/PrintLettersDialog.h"
#include "reports/PrintReportDialog.h"
#include "support/TempDir.h"

namespace rp {
namespace {

const QString kMark = QStringLiteral("[pseudo]");

class TranslationContextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pseudo_.load(QStringLiteral(RAVENPOST_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&pseudo_); }

  private:
    QTranslator pseudo_;
};

// The text a missing template file is refused with (a function outside any class).
QString labelTemplateFailure(const QString& path) {
    try {
        readLabelTemplates(path);
    } catch (const LabelTemplateError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

struct ContextCase {
    const char* where;
    std::function<QString()> text;
    QString expected;
};

TEST_F(TranslationContextTest, TextsComeBackTranslatedInTheirRunTimeContexts) {
    TempDir dir;
    const QString missing = QString::fromStdString(dir.file("missing.template"));
    const ContextCase cases[] = {
        {"letters", [] { return PrintLettersDialog::tr("Print Letters"); },
         kMark + "Print Letters"},
        {"letters, a template member",
         [] { return LetterPreviewDialog::tr("There was an error drawing the preview"); },
         kMark + "There was an error drawing the preview"},
        {"framework, a default argument", [] { return PreviewWindow::tr("Label Preview"); },
         kMark + "Label Preview"},
        {"envelopes", [] { return EnvelopeDesignerDialog::tr("Envelope Designer"); },
         kMark + "Envelope Designer"},
        {"reports", [] { return PrintReportDialog::tr("Report for: %1").arg("ADDRESS.DBF"); },
         kMark + "Report for: ADDRESS.DBF"},
        {"dialer", [] { return DialPhoneDialog::tr("Dial Phone Number"); },
         kMark + "Dial Phone Number"},
        {"app", [] { return MainWindow::tr("Read-only"); }, kMark + "Read-only"},
        {"import", [] { return AsciiImportDialog::tr("Select ASCII File"); },
         kMark + "Select ASCII File"},
        {"labels, outside a class", [&] { return labelTemplateFailure(missing); },
         kMark + missing + " cannot be read: No such file or directory"},
    };
    for (const ContextCase& c : cases)
        EXPECT_EQ(c.text().toStdString(), c.expected.toStdString()) << c.where;
}

TEST(TranslationSourcesTest, LupdateWorksOutEveryContext) {
    TempDir dir;
    QProcess lupdate;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(LUPDATE_PATH));
    lupdate.setProcessEnvironment(environment);
    lupdate.start(
        QStringLiteral("sh"),
        {QStringLiteral(RAVENPOST_SOURCE_DIR "/scripts/update-translations.sh"),
         QStringLiteral(RAVENPOST_BUILD_DIR), QString::fromStdString(dir.file("ravenpost_xx.ts"))});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    EXPECT_EQ(lupdate.exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(lupdate.readAllStandardError()), QString());
}

}  // namespace
}  // namespace rp
