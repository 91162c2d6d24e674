#include "app/MainWindowServices.h"

#include "app/NewRecordDialog.h"
#include "app/PreferencesDialog.h"
#include "app/RebuildIndexesDialog.h"
#include "app/SearchPromptDialog.h"
#include "dialer/DialPhoneDialog.h"

namespace rp {

void fillDefaultServices(MainWindowServices& services, QWidget* window, AddressTable& table,
                         const QString& dataFolder, PrinterAccess& printers) {
    if (!services.newRecordPrompt)
        services.newRecordPrompt = [window](bool askZip, bool askNames) {
            return NewRecordDialog::ask(askZip, askNames, window);
        };
    if (!services.searchPrompt)
        services.searchPrompt = [window](const QString& caption, const QString& dateLine) {
            return SearchPromptDialog::forOrder(caption, dateLine, window)->ask();
        };
    if (!services.memoSearchPrompt)
        services.memoSearchPrompt = [window](const QString& lastText) {
            return SearchPromptDialog::forMemo(lastText, window)->ask();
        };
    if (!services.preferencesDialog)
        services.preferencesDialog = [window, ini = dataFolder + QStringLiteral("RAVENP.INI")] {
            PreferencesDialog dialog(ini, window);
            dialog.exec();
        };
    if (!services.rebuildIndexesDialog)
        services.rebuildIndexesDialog = [window, &table, dataFolder] {
            RebuildIndexesDialog dialog(table, dataFolder, window);
            dialog.exec();
        };
    if (!services.phoneDialer)
        services.phoneDialer = [window, ini = dataFolder +
                                              QStringLiteral("RAVENP.INI")](const QString& phone) {
            DialPhoneDialog dialog(ini, phone, window);
            dialog.exec();
        };
    if (!services.printers) services.printers = &printers;
}

}  // namespace rp
