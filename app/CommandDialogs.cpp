#include "app/CommandDialogs.h"

#include "app/MainWindow.h"
#include "data/DataFolder.h"
#include "data/DateText.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "import/AsciiImportDialog.h"
#include "import/DbfImportDialog.h"
#include "import/VcardImportDialog.h"
#include "labels/LabelDesignerDialog.h"
#include "labels/PrintLabelsDialog.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/LetterPrinting.h"
#include "letters/LettersFile.h"
#include "letters/PrintLettersDialog.h"
#include "postal/PresortDialog.h"
#include "postal/ZipCountDialog.h"
#include "postal/ZipReportPrinting.h"
#include "reports/PrintReportDialog.h"
#include "utilities/CalibratePrinterDialog.h"
#include "utilities/ConvertToUppercaseDialog.h"
#include "utilities/CopyRecordsOutDialog.h"
#include "utilities/DeleteRecordsDialog.h"
#include "utilities/DuplicateCheckDialog.h"
#include "utilities/SearchReplaceDialog.h"
#include "utilities/StateZipCheckDialog.h"

namespace rp {
namespace {

void runLettersDialog(MainWindow& main, CommandContext& c) {
    PrintLettersDialog dialog(*c.sideTable, main.printerCatalog(), c.filterChoice.filteredEnabled,
                              c.parent);
    const QString today = formatDate(xbase::today(), main.preferences().shortDateFmt);
    LetterPrinting printing(c.table->table(), main.printerCatalog(), today, &dialog);
    dialog.printNow = [&printing](const QTextDocument& letter, const LetterPrintRequest& request) {
        printing.printNow(letter, request);
    };
    dialog.preview = [&](const QTextDocument& letter) {
        LetterPreviewDialog preview(letter, c.table->table(), today, &dialog);
        preview.exec();
    };
    dialog.exec();
}

}  // namespace

void registerCommandDialogs(MainWindow& main) {
    main.commandDialogs()[Command::CountZipCodes] = {
        [&main](CommandContext& c) {
            ZipCountDialog window(c.table->table(), c.parent);
            connectZipReport(window, main.printerCatalog(), main.services().printers, {});
            window.exec();
        },
        {}};
    main.commandDialogs()[Command::CheckStateZip] = {
        [](CommandContext& c) {
            StateZipCheckDialog dialog(c.table->table(), c.programFolder, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::CheckDuplicates] = {
        [](CommandContext& c) {
            DuplicateCheckDialog dialog(c.table->table(), c.programFolder, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::Envelopes] = {
        [&main](CommandContext& c) {
            PreferenceAccess preferences =
                iniPreferenceAccess(c.programFolder + QStringLiteral("RAVENP.INI"));
            PrintEnvelopeDialog dialog(*c.sideTable, c.table->table(), main.printerCatalog(),
                                       std::move(preferences), c.parent);
            dialog.design = [&c, &dialog](EnvelopeSetup& copy) {
                return runEnvelopeDesigner(copy, c.table->table(), c.programFolder, &dialog);
            };
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::Letters] = {
        [&main](CommandContext& c) { runLettersDialog(main, c); }, &createLettersFile};
    main.commandDialogs()[Command::Reports] = {
        [&main](CommandContext& c) {
            PrintReportDialog dialog(c.table->table(), main.printerCatalog(),
                                     c.programFolder + QLatin1String(kIniFileName),
                                     c.table->fileName(), c.filterChoice.filteredEnabled,
                                     main.preferences().shortDateFmt, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::ConvertUppercase] = {
        [](CommandContext& c) {
            ConvertToUppercaseDialog window(c.table->table(), !c.userExpression.isEmpty(),
                                            c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs()[Command::DeleteRecords] = {
        [](CommandContext& c) {
            DeleteRecordsDialog window(c.table->table(), c.userExpression, c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs()[Command::CopyRecordsOut] = {
        [&main](CommandContext& c) {
            CopyRecordsOutDialog window(
                c.table->table(), c.programFolder,
                [&main](xbase::JulianDay day) {
                    return formatDate(day, main.preferences().shortDateFmt);
                },
                c.parent);
            window.exec();
        },
        {}};
    main.commandDialogs()[Command::SearchReplace] = {
        [](CommandContext& c) {
            SearchReplaceDialog dialog(c.table->table(), c.filterChoice.filteredEnabled, c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::CalibratePrinter] = {
        [&main](CommandContext& c) {
            CalibratePrinterDialog dialog(main.printerCatalog(),
                                          c.programFolder + QLatin1String(kIniFileName), c.parent);
            dialog.exec();
        },
        {}};
    main.commandDialogs()[Command::ImportAscii] = {[](CommandContext& c) {
                                                       AsciiImportDialog dialog(
                                                           *c.table, c.programFolder, c.parent);
                                                       dialog.exec();
                                                   },
                                                   {}};
    main.commandDialogs()[Command::ImportVcard] = {[](CommandContext& c) {
                                                       VcardImportDialog dialog(
                                                           *c.table, c.programFolder, c.parent);
                                                       dialog.exec();
                                                   },
                                                   {}};
    main.commandDialogs()[Command::ImportDbf] = {[](CommandContext& c) {
                                                     DbfImportDialog dialog(
                                                         *c.table, c.programFolder, c.parent);
                                                     dialog.exec();
                                                 },
                                                 {}};
    main.commandDialogs()[Command::Labels] = {
        [&main](CommandContext& c) {
            PrintLabelsDialog dialog(c.table->table(), *c.sideTable, c.programFolder,
                                     main.printerCatalog(), &PresortDialog::run,
                                     c.filterChoice.filteredEnabled, c.parent);
            dialog.setDesigner([&c, &dialog](LabelSetup& setup) {
                return runLabelDesigner(setup, c.table->table(), c.programFolder, &dialog);
            });
            dialog.exec();
        },
        {}};
}

}  // namespace rp
