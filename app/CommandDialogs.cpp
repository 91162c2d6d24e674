#include "app/CommandDialogs.h"

#include "app/TRVPMain.h"
#include "framework/TPreviewForm.h"
#include "postal/TCountZipCodes.h"
#include "postal/TSearchReplace.h"
#include "postal/ZipReportPrinting.h"

namespace rp {
namespace {

void ShowPreview(const RecordedPages& pages, const QString& caption, QWidget* parent)
{
    TPreviewForm preview(pages, caption, parent);
    preview.exec();
}

}  // namespace

void RegisterCommandDialogs(TRVPMain& main)
{
    main.commandDialogs[Command::CountZipCodes] = {[&main](CommandContext& c) {
        TCountZipCodes window(c.table->table(), c.parent);
        ConnectZipReport(window, main.printerCatalog(), main.printers,
                         [&window](const RecordedPages& pages, const QString& caption) {
                             ShowPreview(pages, caption, &window);
                         });
        window.exec();
    }, {}};
    main.commandDialogs[Command::SearchReplace] = {[](CommandContext& c) {
        TSearchReplace dialog(c.table->table(), c.filterChoice.filteredEnabled, c.parent);
        dialog.exec();
    }, {}};
}

}  // namespace rp
