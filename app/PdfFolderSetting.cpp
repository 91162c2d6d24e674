#include "app/PdfFolderSetting.h"

#include "data/IniFile.h"
#include "framework/UnstoredSettings.h"

namespace rp {

PdfFolderMemory pdfFolderSetting(const QString& iniPath) {
    const QString section = QString::fromLatin1(kPrintingSection);
    const QString key = QString::fromLatin1(kLastPdfFolderKey);
    return {[=] { return IniFile(iniPath).readString(section, key); },
            [=](const QString& folder) {
                storeSettings(iniPath, [&] { IniFile(iniPath).writeString(section, key, folder); });
            }};
}

}  // namespace rp
