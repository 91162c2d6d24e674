#include "envelopes/EnvelopePrinter.h"

#include <QPageSize>
#include <QPrinterInfo>

#include "framework/PrinterCatalog.h"

namespace rp {

namespace {

struct NamedSource {
    QPrinter::PaperSource source;
    const char* name;
};

// The paper sources Qt can ask a printer for; a printer driver ignores those it lacks. The
// names are kept in RAVENP.INI, so they stay untranslated.
constexpr NamedSource kSources[] = {
    {QPrinter::Auto, "Auto"},
    {QPrinter::OnlyOne, "Only One"},
    {QPrinter::Lower, "Lower"},
    {QPrinter::Middle, "Middle"},
    {QPrinter::Manual, "Manual"},
    {QPrinter::Envelope, "Envelope"},
    {QPrinter::EnvelopeManual, "Envelope Manual"},
    {QPrinter::Tractor, "Tractor"},
    {QPrinter::SmallFormat, "Small Format"},
    {QPrinter::LargeFormat, "Large Format"},
    {QPrinter::LargeCapacity, "Large Capacity"},
    {QPrinter::Cassette, "Cassette"},
    {QPrinter::FormSource, "Form Source"},
};

QList<QPrinter::PaperSource> sources() {
    QList<QPrinter::PaperSource> all;
    for (const NamedSource& named : kSources) all << named.source;
    return all;
}

}  // namespace

QString paperSourceName(QPrinter::PaperSource source) {
    for (const NamedSource& named : kSources)
        if (named.source == source) return QString::fromLatin1(named.name);
    return {};
}

QList<QPageSize> EnvelopePrinter::papers() {
    if (!catalog_.pdfSelected())
        return QPrinterInfo::printerInfo(catalog_.selected()).supportedPageSizes();
    QList<QPageSize> all;
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (size != QPageSize::Custom) all << QPageSize(size);
    }
    return all;
}

QStringList EnvelopePrinter::sourceNames() {
    QStringList names;
    for (QPrinter::PaperSource source : sources()) names << paperSourceName(source);
    return names;
}

QStringList EnvelopePrinter::paperNames() {
    QStringList names;
    for (const QPageSize& size : papers()) names << size.name();
    return names;
}

PrinterChoice EnvelopePrinter::current() {
    QPrinter& printer = catalog_.printer();
    PrinterChoice choice;
    choice.printer = catalog_.selected();
    if (sources().contains(printer.paperSource()))
        choice.source = paperSourceName(printer.paperSource());
    const QString paper = printer.pageLayout().pageSize().name();
    if (paperNames().contains(paper)) choice.paper = paper;
    choice.orient = printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    return choice;
}

void EnvelopePrinter::apply(const PrinterChoice& choice) {
    const QString search = printerSearchText(choice.printer);
    if (!search.isEmpty()) {
        for (const QString& name : catalog_.names()) {
            if (name.contains(search, Qt::CaseInsensitive)) {
                catalog_.select(name);
                break;
            }
        }
    }
    QPrinter& printer = catalog_.printer();
    if (!choice.source.isEmpty()) {
        for (QPrinter::PaperSource source : sources())
            if (paperSourceName(source) == choice.source) {
                printer.setPaperSource(source);
                break;
            }
    }
    if (!choice.paper.isEmpty()) {
        for (const QPageSize& size : papers())
            if (size.name() == choice.paper) {
                printer.setPageSize(size);
                break;
            }
    }
    printer.setPageOrientation(choice.orient != 0 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

QPageSize envelopeSheet(const EnvelopeSetup& setup) {
    const QSizeF page(setup.envWidth, setup.envHeight);
    // A landscape page is the sheet turned: the sheet is as wide as the page is high.
    const QSizeF sheet = setup.orient == 1 ? page.transposed() : page;
    return QPageSize(sheet, QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

void EnvelopePrinter::useEnvelopeAsPaper(const EnvelopeSetup& setup) {
    catalog_.printer().setPageSize(envelopeSheet(setup));
}

void EnvelopePrinter::recall(const PreferenceAccess& prefs, const EnvelopeSetup& setup) {
    apply(recallPrinterChoice(prefs, setup, current()));
    if (catalog_.pdfSelected() && !paperRemembered(prefs, setup)) useEnvelopeAsPaper(setup);
}

}  // namespace rp
