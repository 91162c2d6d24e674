#include "app/CommandDialogs.h"

#include "app/DateText.h"
#include "app/IniFile.h"
#include "app/TRVPMain.h"
#include "envelopes/TRVEnvelopes.h"
#include "framework/TPreviewForm.h"
#include "import/TAsciiImport.h"
#include "import/TDbfImport.h"
#include "labels/TRVLabels.h"
#include "postal/TCountZipCodes.h"
#include "postal/TSortBulkMail.h"
#include "postal/ZipReportPrinting.h"
#include "utilities/TCheckStateZip.h"
#include "utilities/TConvertToUppercase.h"
#include "utilities/TCopyRecordsOut.h"
#include "utilities/TDeleteRecords.h"
#include "utilities/TSearchReplace.h"

namespace rp {
namespace {

void ShowPreview(const RecordedPages& pages, const QString& caption, QWidget* parent) {
    TPreviewForm preview(pages, caption, parent);
    preview.exec();
}

}  // namespace

void RegisterCommandDialogs(TRVPMain& main) {
    main.commandDialogs[Command::CountZipCodes] = {
        [&main](CommandContext& c) {
            TCountZipCodes window(c.table->table(), c.parent);
            ConnectZipReport(window, main.printerCatalog(), main.printers,
                             [&window](const RecordedPages& pages, const QString& caption) {
                                 ShowPreview(pages, caption, &window);
                             });
            window.exec();
        },
        {}};
    main.commandDialogs[Command::CheckStateZip] = {
        [](CommandContext& c) {
            TCheckStateZip dialog(c.table->table(), c.programFolder, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs[Command::Envelopes] = {
        [&main](CommandContext& c) {
            const QString ini = c.programFolder + QStringLiteral("RAVENP.INI");
            PreferenceAccess preferences{
                [ini](const QString& section, const QString& key) {
                    return IniFile(ini).readString(section, key);
                },
                [ini](const QString& section, const QString& key, const QString& value) {
                    IniFile(ini).writeString(section, key, value);
                }};
            TRVEnvelopes dialog(*c.sideTable, c.table->table(), main.printerCatalog(),
                                std::move(preferences), c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs[Command::ConvertUppercase] = {
        [](CommandContext& c) {
            TConvertToUppercase window(c.table->table(), !c.userExpression.isEmpty(), c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs[Command::DeleteRecords] = {
        [](CommandContext& c) {
            TDeleteRecords window(c.table->table(), c.userExpression, c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs[Command::CopyRecordsOut] = {
        [&main](CommandContext& c) {
            TCopyRecordsOut window(
                c.table->table(), c.programFolder,
                [&main](xbase::JulianDay day) {
                    return FormatDate(day, main.preferences().shortDateFmt);
                },
                c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs[Command::SearchReplace] = {
        [](CommandContext& c) {
            TSearchReplace dialog(c.table->table(), c.filterChoice.filteredEnabled, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs[Command::ImportAscii] = {[](CommandContext& c) {
                                                     TAsciiImport dialog(*c.table, c.programFolder,
                                                                         c.parent);
                                                     dialog.exec();
                                                 },
                                                 {}};
    main.commandDialogs[Command::ImportDbf] = {[](CommandContext& c) {
                                                   TDbfImport dialog(*c.table, c.programFolder,
                                                                     c.parent);
                                                   dialog.exec();
                                               },
                                               {}};
    main.commandDialogs[Command::Labels] = {
        [&main](CommandContext& c) {
            TRVLabels dialog(c.table->table(), *c.sideTable, c.programFolder, main.printerCatalog(),
                             &TSortBulkMail::run, c.filterChoice.filteredEnabled, c.parent);
            dialog.exec();
        },
        {}};
}

}  // namespace rp
