// Printer memory in a preferences file that cannot be written (its folder is a plain file, which
// stops root as well): storing a choice throws nothing, and the run is told once, with the
// cause, however many keys and stores fail.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "envelopes/PrinterMemory.h"
#include "framework/UnstoredSettings.h"
#include "support/QtPrinting.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

TEST(UnstoredPrinterMemory, TwoStoresInARunTellOnceAndThrowNothing) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    UnstoredSettingsRun run;
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString ini = dir.filePath("plain/RAVENP.INI");

    const PreferenceAccess prefs = iniPreferenceAccess(ini);
    const EnvelopeSetup setup = defaultEnvelopeSetup();
    EXPECT_NO_THROW(storePrinterChoice(prefs, setup, {"PDF file", "Auto", "Letter", 0}));
    EXPECT_NO_THROW(storePrinterChoice(prefs, setup, {"Office", "Tray 2", "Envelope US 10", 1}));

    EXPECT_EQ(shown.texts(),
              QStringList({"Your settings cannot be saved in " + ini +
                           ", so printer choices, recent files and other settings you change "
                           "will not be remembered.\r\nThe file " +
                           ini + " cannot be written: Not a directory"}));
    EXPECT_EQ(prefs.read(QString::fromLatin1(kEnvelopeBySize), "PRINTEREnvelope #10"), "");
}

}  // namespace
}  // namespace rp
