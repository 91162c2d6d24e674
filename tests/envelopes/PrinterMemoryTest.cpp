// The printer memory: the keys stored per setup and per envelope size, what a setup recalls
// from them, and selecting the recalled choice on the "PDF file" printer.
#include <gtest/gtest.h>

#include <QPageSize>
#include <map>

#include "envelopes/EnvelopePrinter.h"
#include "framework/PrinterCatalog.h"

namespace rp {
namespace {

// The preferences file's keys as "section/key".
struct MemoryPreferences {
    std::map<QString, QString> keys;
    PreferenceAccess access() {
        return {[this](const QString& section, const QString& key) {
                    const auto found = keys.find(section + "/" + key);
                    return found == keys.end() ? QString() : found->second;
                },
                [this](const QString& section, const QString& key, const QString& value) {
                    keys[section + "/" + key] = value;
                }};
    }
};

EnvelopeSetup named(const char* descript) {
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.descript = descript;
    return setup;
}

TEST(PrinterMemory, StoresPerSetupAndSizeAndANewSetupStartsFromItsEnvelope) {
    MemoryPreferences prefs;
    const PrinterChoice used{"Office Laser on LPT1:", "Envelope", "Envelope US 10", 1};
    storePrinterChoice(prefs.access(), named("Office"), used);
    EXPECT_EQ(prefs.keys, (std::map<QString, QString>{
                              {"EnvelopeByName/PRINTEROffice", "Office Laser on LPT1:"},
                              {"EnvelopeByName/BINOffice", "Envelope"},
                              {"EnvelopeByName/PAPEROffice", "Envelope US 10"},
                              {"EnvelopeByName/ORIENTOffice", "1"},
                              {"EnvelopeBySize/PRINTEREnvelope #10", "Office Laser on LPT1:"},
                              {"EnvelopeBySize/BINEnvelope #10", "Envelope"},
                              {"EnvelopeBySize/PAPEREnvelope #10", "Envelope US 10"}}));

    const PrinterChoice current{"PDF file", "Auto", "Letter", 0};
    EXPECT_EQ(recallPrinterChoice(prefs.access(), named("Office"), current), used);
    // Office 2 on the same envelope: printer, source and paper of the envelope, the printer's
    // own orientation.
    EXPECT_EQ(recallPrinterChoice(prefs.access(), named("Office 2"), current),
              (PrinterChoice{"Office Laser on LPT1:", "Envelope", "Envelope US 10", 0}));
    // The setup's own keys come first; an empty one falls back key by key.
    prefs.keys["EnvelopeByName/PRINTERHome"] = "Inkjet";
    prefs.keys["EnvelopeByName/ORIENTHome"] = "0";
    EXPECT_EQ(recallPrinterChoice(prefs.access(), named("Home"), {"PDF file", "", "", 1}),
              (PrinterChoice{"Inkjet", "Envelope", "Envelope US 10", 0}));
    // Nothing stored: the printer's current choice.
    EnvelopeSetup other = named("Other");
    other.envName = "Monarch";
    EXPECT_EQ(recallPrinterChoice(prefs.access(), other, current), current);

    EXPECT_EQ(printerSearchText("Office Laser on LPT1:"), "Office Laser");
    EXPECT_EQ(printerSearchText("Office Laser ON lpt1: on x"), "Office Laser");
    EXPECT_EQ(printerSearchText("Canon"), "Canon");
    EXPECT_EQ(printerSearchText("Moonlight"), "Moonlight");
}

TEST(EnvelopePrinter, SelectsTheRecalledChoiceAndKeepsWhatTheSystemNoLongerOffers) {
    PrinterCatalog catalog({}, QString());
    EnvelopePrinter printer(catalog);
    const QString envelope10 = QPageSize(QPageSize::Comm10E).name();
    EXPECT_TRUE(printer.paperNames().contains(envelope10));

    printer.apply({"pdf FILE on FILE:", "", envelope10, 1});
    PrinterChoice now = printer.current();
    EXPECT_EQ(now.printer, "PDF file");
    EXPECT_EQ(now.paper, envelope10);
    EXPECT_EQ(now.orient, 1);

    // An unknown printer, source and paper select nothing; the orientation is set.
    printer.apply({"Gone Printer on LPT2:", "Tray 9", "Elephant Folio", 0});
    now = printer.current();
    EXPECT_EQ(now.printer, "PDF file");
    EXPECT_EQ(now.paper, envelope10);
    EXPECT_EQ(now.orient, 0);
    EXPECT_EQ(paperSourceName(QPrinter::EnvelopeManual), "Envelope Manual");
}

}  // namespace
}  // namespace rp
