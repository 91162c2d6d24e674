#include "batch/BarcodeOption.h"

#include <QCoreApplication>

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"
#include "data/DataFolder.h"
#include "data/IniFile.h"
#include "framework/UnstoredSettings.h"

namespace rp {

PostalBarcodeSettings barcodeOption(const BatchArgs& args, const QString& dataFolder) {
    PostalBarcodeSettings settings =
        loadPostalBarcode(IniFile(dataFolder + QLatin1String(kIniFileName)));
    if (args.has(QStringLiteral("barcode"))) {
        const QString kind = args.value(QStringLiteral("barcode")).toLower();
        if (kind == QLatin1String("postnet"))
            settings.symbology = BarcodeSymbology::Postnet;
        else if (kind == QLatin1String("imb"))
            settings.symbology = BarcodeSymbology::IntelligentMail;
        else
            throw BatchError(QCoreApplication::translate(
                                 "BarcodeOption", "--barcode takes postnet or imb, not \"%1\"")
                                 .arg(args.value(QStringLiteral("barcode"))));
    }
    if (settings.symbology == BarcodeSymbology::IntelligentMail) {
        const QString problem = trackingProblem(settings.tracking);
        if (!problem.isEmpty())
            throw BatchError(
                QCoreApplication::translate("BarcodeOption",
                                            "the Intelligent Mail settings of %1 are not right: %2")
                    .arg(dataFolder + QLatin1String(kIniFileName), problem));
    }
    return settings;
}

void storeNextSerial(const PieceBarcoder& barcoder, const QString& dataFolder) {
    if (barcoder.serialsUsed() == 0) return;
    IniFile ini(dataFolder + QLatin1String(kIniFileName));
    storeSettings(ini.path(), [&] { saveNextSerial(ini, barcoder.nextSerial()); });
}

}  // namespace rp
