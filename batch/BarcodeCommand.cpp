// "barcode": the bars of a postal barcode for a ZIP, to compare with the postal service's own
// encoder. POSTNET writes the digits it encodes (with the correction digit) and its bars as F
// (full) and H (half); --imb writes the Intelligent Mail barcode's bars as A, D, F and T.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "batch/BatchArgs.h"
#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "mailpiece/IntelligentMail.h"
#include "mailpiece/Postnet.h"
#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

// The four parts of --imb BARCODEID,SERVICE,MAILER,SERIAL, each checked.
MailerTracking trackingOption(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 4)
        throw BatchError(QCoreApplication::translate(
            "BarcodeCommand", "--imb takes BARCODEID,SERVICE,MAILER,SERIAL"));
    if (const QString problem = typedTrackingProblem(parts[0], parts[1], parts[2], parts[3]);
        !problem.isEmpty())
        throw BatchError(problem);
    return MailerTracking{parts[0], parts[1], parts[2], parts[3].toULongLong()};
}

QString postnetLines(const QString& digits) {
    if (digits.isEmpty())
        throw BatchError(
            QCoreApplication::translate("BarcodeCommand", "a POSTNET barcode needs a ZIP code"));
    QString bars;
    for (Bar bar : postnetBars(digits))
        bars += bar == Bar::Full ? QLatin1Char('F') : QLatin1Char('H');
    return digits + postnetCheckDigit(digits) + QLatin1Char('\n') + bars + QLatin1Char('\n');
}

}  // namespace

int runBarcode(const QStringList& arguments, const QString&) {
    OptionNames names;
    // --home is taken like every command's, though the barcode needs no data folder.
    names.withValue = {QStringLiteral("zip"), QStringLiteral("imb"), QStringLiteral("home")};
    const BatchArgs args(arguments, names);
    if (args.positional().size() > 1)
        throw BatchError(QCoreApplication::translate(
            "BarcodeCommand", "barcode takes no address file: use --zip ZIP"));
    if (!args.has(QStringLiteral("zip")))
        throw BatchError(QCoreApplication::translate("BarcodeCommand", "--zip ZIP is needed"));
    const QString zip = args.value(QStringLiteral("zip"));
    if (const QString problem = routingProblem(zip); !problem.isEmpty()) throw BatchError(problem);
    const QString digits = digitsOnly(zip);
    const QString out = args.has(QStringLiteral("imb"))
                            ? barLetters(intelligentMailBars(
                                  trackingOption(args.value(QStringLiteral("imb"))), digits)) +
                                  QLatin1Char('\n')
                            : postnetLines(digits);
    std::fputs(out.toLatin1().constData(), stdout);
    return kExitDone;
}

}  // namespace rp
