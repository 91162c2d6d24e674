#pragma once
// The app layer's windows made one by one, each over a folder of the test's own, for the
// tests that look at every one of them.
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/FilterPage.h"
#include "app/MemoSearchProgress.h"
#include "app/NewRecordDialog.h"
#include "app/PostalBarcodeBox.h"
#include "app/PreferencesDialog.h"
#include "app/RecordPage.h"
#include "app/SearchPromptDialog.h"

namespace rp {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(const QString& folder)> make;
    QStringList keptAsTheyAre;  // names, not words
};

inline const std::vector<WindowCase>& appWindows() {
    static const std::vector<WindowCase> windows = {
        {"RecordPage", [](const QString&) { return std::make_unique<RecordPage>(); }, {}},
        {"FilterPage", [](const QString&) { return std::make_unique<FilterPage>(); }, {}},
        {"NewRecordDialog",
         [](const QString&) { return std::make_unique<NewRecordDialog>(true, true, nullptr); },
         {}},
        {"PreferencesDialog",
         [](const QString& folder) {
             return std::make_unique<PreferencesDialog>(folder + QStringLiteral("RAVENP.INI"),
                                                        nullptr);
         },
         {QStringLiteral("POSTNET")}},
        {"SearchForOrder",
         [](const QString&) -> std::unique_ptr<QWidget> {
             return SearchPromptDialog::forOrder(QStringLiteral("[Last Name]"), QString(), nullptr);
         },
         {}},
        {"SearchMemo",
         [](const QString&) -> std::unique_ptr<QWidget> {
             return SearchPromptDialog::forMemo(QString(), nullptr);
         },
         {}},
        {"MemoSearchProgress",
         [](const QString&) { return std::make_unique<MemoSearchProgress>(QString(), nullptr); },
         {}},
        {"PostalBarcodeBox",
         [](const QString&) { return std::make_unique<PostalBarcodeBox>(PostalBarcodeSettings{}); },
         {QStringLiteral("POSTNET")}},
    };
    return windows;
}

}  // namespace rp
