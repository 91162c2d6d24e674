#include "envelopes/PrinterMemory.h"

#include "data/IniFile.h"
#include "framework/UnstoredSettings.h"

namespace rp {
namespace {

const QString kByName = QString::fromLatin1(kEnvelopeByName);
const QString kBySize = QString::fromLatin1(kEnvelopeBySize);

// The value remembered for the setup, else for its envelope; empty when neither is.
QString remembered(const PreferenceAccess& prefs, const EnvelopeSetup& setup, const QString& kind) {
    const QString value = prefs.read(kByName, kind + setup.descript.text());
    return value.isEmpty() ? prefs.read(kBySize, kind + setup.envName.text()) : value;
}

QString recall(const PreferenceAccess& prefs, const EnvelopeSetup& setup, const QString& kind,
               const QString& current) {
    const QString value = remembered(prefs, setup, kind);
    return value.isEmpty() ? current : value;
}

}  // namespace

PreferenceAccess iniPreferenceAccess(const QString& iniPath) {
    return {[iniPath](const QString& section, const QString& key) {
                return IniFile(iniPath).readString(section, key);
            },
            [iniPath](const QString& section, const QString& key, const QString& value) {
                storeSettings(iniPath, [&] { IniFile(iniPath).writeString(section, key, value); });
            }};
}

PrinterChoice recallPrinterChoice(const PreferenceAccess& prefs, const EnvelopeSetup& setup,
                                  const PrinterChoice& current) {
    PrinterChoice choice;
    choice.printer = recall(prefs, setup, QStringLiteral("PRINTER"), current.printer);
    choice.source = recall(prefs, setup, QStringLiteral("BIN"), current.source);
    choice.paper = recall(prefs, setup, QStringLiteral("PAPER"), current.paper);
    bool isNumber = false;
    const int orient = prefs.read(kByName, QStringLiteral("ORIENT") + setup.descript.text())
                           .trimmed()
                           .toInt(&isNumber);
    choice.orient = isNumber ? orient : current.orient;
    return choice;
}

bool paperRemembered(const PreferenceAccess& prefs, const EnvelopeSetup& setup) {
    return !remembered(prefs, setup, QStringLiteral("PAPER")).isEmpty();
}

void storePrinterChoice(const PreferenceAccess& prefs, const EnvelopeSetup& setup,
                        const PrinterChoice& current) {
    const QString descript = setup.descript.text();
    const QString envName = setup.envName.text();
    prefs.write(kByName, QStringLiteral("PRINTER") + descript, current.printer);
    prefs.write(kByName, QStringLiteral("BIN") + descript, current.source);
    prefs.write(kByName, QStringLiteral("PAPER") + descript, current.paper);
    prefs.write(kByName, QStringLiteral("ORIENT") + descript, QString::number(current.orient));
    prefs.write(kBySize, QStringLiteral("PRINTER") + envName, current.printer);
    prefs.write(kBySize, QStringLiteral("BIN") + envName, current.source);
    prefs.write(kBySize, QStringLiteral("PAPER") + envName, current.paper);
}

QString printerSearchText(const QString& printerText) {
    const int on = printerText.indexOf(QStringLiteral(" ON "), 0, Qt::CaseInsensitive);
    return on < 0 ? printerText : printerText.left(on);
}

}  // namespace rp
