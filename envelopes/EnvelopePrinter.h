#pragma once
// The selected printer as the Print Envelope dialog sees it: its text, its paper source and
// paper by name, its orientation; reading them and selecting them by name. Papers are those
// the printer lists, every standard paper for the "PDF file" printer; Qt lists no paper
// sources, so every source it can ask for counts as offered.
#include <QPageSize>
#include <QPrinter>
#include <QStringList>

#include "envelopes/PrinterMemory.h"

namespace rp {

class PrinterCatalog;

// The envelope itself as a paper: ENVWIDTH wide and ENVHEIGHT high as the page lies in the
// setup's orientation (a landscape page is the sheet turned).
QPageSize envelopeSheet(const EnvelopeSetup& setup);

// The name of a paper source ("Auto", "Manual", "Envelope", ...); empty for one Qt cannot ask for.
QString paperSourceName(QPrinter::PaperSource source);

class EnvelopePrinter {
  public:
    explicit EnvelopePrinter(PrinterCatalog& catalog) : catalog_(catalog) {}

    // The paper sources and papers the selected printer lists, by name.
    QStringList sourceNames();
    QStringList paperNames();

    // The selected printer's text, the names of its current source and paper (each empty
    // when not one it lists) and its orientation.
    PrinterChoice current();

    // Selects the first printer whose listed text contains the remembered one's search text
    // (ignoring case), then the source and paper by name and the orientation. A name the
    // printer does not offer selects nothing: the printer keeps its current choice.
    void apply(const PrinterChoice& choice);

    // The envelope itself as the paper: ENVWIDTH wide and ENVHEIGHT high as the page lies in
    // the setup's orientation.
    void useEnvelopeAsPaper(const EnvelopeSetup& setup);

    // Applies what is remembered for the setup (recallPrinterChoice); a PDF is the envelope
    // itself unless a paper was remembered for it.
    void recall(const PreferenceAccess& prefs, const EnvelopeSetup& setup);

  private:
    QList<QPageSize> papers();

    PrinterCatalog& catalog_;
};

}  // namespace rp
