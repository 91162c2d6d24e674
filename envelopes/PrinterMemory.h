#pragma once
// Which printer, paper source, paper and orientation the user last used, remembered per
// envelope setup (section EnvelopeByName, keys "PRINTER", "BIN", "PAPER", "ORIENT" followed by
// the setup's DESCRIPT) and per envelope size (section EnvelopeBySize, keys "PRINTER", "BIN",
// "PAPER" followed by its ENVNAME) in the preferences file.
#include <QString>
#include <functional>

#include "envelopes/EnvelopeSetup.h"

namespace rp {

// Reading and writing one string key of a section of the preferences file. A missing key
// reads as empty; a write tells its own failure and does not throw.
struct PreferenceAccess {
    std::function<QString(const QString& section, const QString& key)> read;
    std::function<void(const QString& section, const QString& key, const QString& value)> write;
};

// Access to the preferences file at iniPath, opened again for each read and write. A write that
// fails is told once in the run (storeSettings).
PreferenceAccess iniPreferenceAccess(const QString& iniPath);

inline constexpr char kEnvelopeByName[] = "EnvelopeByName";
inline constexpr char kEnvelopeBySize[] = "EnvelopeBySize";

// A printer's choice: its text as listed, the names of its paper source and paper (empty for
// none), and its orientation (0 portrait, 1 landscape).
struct PrinterChoice {
    QString printer;
    QString source;
    QString paper;
    int orient = 0;
    bool operator==(const PrinterChoice&) const = default;
};

// What to select for the setup (loadPreferences): each name from the setup's keys, else from
// its envelope's keys, else the printer's current one; the orientation from the setup's key,
// else the printer's current one.
PrinterChoice recallPrinterChoice(const PreferenceAccess& prefs, const EnvelopeSetup& setup,
                                  const PrinterChoice& current);

// Whether a paper is remembered for the setup or for its envelope.
bool paperRemembered(const PreferenceAccess& prefs, const EnvelopeSetup& setup);

// Stores the printer's current choice under the setup and under its envelope (savePreferences).
void storePrinterChoice(const PreferenceAccess& prefs, const EnvelopeSetup& setup,
                        const PrinterChoice& current);

// The part of a remembered printer text that names the printer: the text before the first
// " ON " of its upper-case form, the whole text when there is none.
QString printerSearchText(const QString& printerText);

}  // namespace rp
