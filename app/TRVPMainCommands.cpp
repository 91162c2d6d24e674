// The main window's commands that work on the open file as a whole or hand it to another
// subsystem's dialog: Rebuild Indexes, Clone and the dispatched commands.
#include <QAction>

#include "app/CommandRun.h"
#include "app/OrderMenu.h"
#include "app/RecordCopy.h"
#include "app/TRVPMain.h"
#include "app/TRVReindex.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

void TRVPMain::RunCommand(Command command) {
    const auto dialog = commandDialogs.find(command);
    if (dialog == commandDialogs.end() || editing_) return;
    CommandRun(*this, PlanFor(command), dialog->second).run();
}

void TRVPMain::RebuildIndexesMenuClick() {
    if (!table_.isOpen()) {
        ShowInformation(QStringLiteral("You need to have a RVW file open first"));
        return;
    }
    if (editing_) return;
    setFrozen(true);
    QString failure;
    try {
        if (rebuildIndexesDialog) {
            rebuildIndexesDialog();
        } else {
            TRVReindex dialog(table_, dataFolder_, this);
            dialog.exec();
        }
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    setFrozen(false);
    orderMenu_->SetMenuOrder(OrderMenu::kLastNameEntry);
    reloadView();
    SetButtons();
    if (!failure.isEmpty()) messages().error(QStringLiteral("Ravenpost"), failure);
}

void TRVPMain::CloneMenuClick() {
    if (!hasCurrentRecord() || editing_ || currentPage() != 0) return;
    const RecordCopy copy = ReadRecordCopy(table_.table());
    insertRecord();
    try {
        PutRecordCopy(table_.table(), copy);
        table_->post();
        table_->commit();
    } catch (const xbase::Error& e) {
        table_->cancel();
        messages().error(QStringLiteral("Error"), QString::fromStdString(e.what()));
    }
    editing_ = false;
    reloadView();
    SetButtons();
}

}  // namespace rp
