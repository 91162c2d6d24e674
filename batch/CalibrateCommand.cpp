// "calibrate": keeps or removes the correction of a printer in RAVENP.INI of the data folder.
// --shift X,Y are the amounts measured on its calibration page: inches right and down.
#include <cstdio>

#include <QCoreApplication>

#include "batch/BatchArgs.h"
#include "batch/BatchCommands.h"
#include "batch/BatchDataFolder.h"
#include "batch/BatchError.h"
#include "data/DataFolder.h"
#include "data/IniFile.h"
#include "mailpiece/PrinterCalibration.h"

namespace rp {

int runCalibrate(const QStringList& arguments, const QString& executableFolder) {
    OptionNames names;
    names.withValue = {QStringLiteral("printer"), QStringLiteral("shift"), QStringLiteral("home")};
    names.switches = {QStringLiteral("clear")};
    const BatchArgs args(arguments, names);
    if (args.positional().size() > 1)
        throw BatchError(
            QCoreApplication::translate("CalibrateCommand", "calibrate takes no address file"));
    const QString printer = args.value(QStringLiteral("printer"));
    if (printer.isEmpty())
        throw BatchError(
            QCoreApplication::translate("CalibrateCommand", "--printer NAME is needed"));
    if (!calibratable(printer))
        throw BatchError(
            QCoreApplication::translate("CalibrateCommand",
                                        "--printer: \"%1\" prints exactly what is drawn and is "
                                        "never corrected")
                .arg(printer));
    const bool clear = args.has(QStringLiteral("clear"));
    if (clear == args.has(QStringLiteral("shift")))
        throw BatchError(
            QCoreApplication::translate("CalibrateCommand", "give either --shift X,Y or --clear"));
    PrinterCorrection correction;
    if (!clear) {
        const auto parsed = parseCorrection(args.value(QStringLiteral("shift")));
        if (!parsed)
            throw BatchError(QCoreApplication::translate(
                                 "CalibrateCommand",
                                 "--shift must be X,Y in inches (right and down), not \"%1\"")
                                 .arg(args.value(QStringLiteral("shift"))));
        correction = *parsed;
    }

    const QString folder = batchDataFolder(args, executableFolder);
    IniFile ini(folder + QLatin1String(kIniFileName));
    storePrinterCorrection(ini, printer, correction);
    std::fprintf(
        stdout, "%s: %s\n", printer.toLocal8Bit().constData(),
        correction.none() ? "no correction" : correctionText(correction).toLocal8Bit().constData());
    return kExitDone;
}

}  // namespace rp
