// The main window's commands that work on the open file as a whole or hand it to another
// subsystem's dialog: Rebuild Indexes, Clone and the dispatched commands.
#include <QAction>

#include "app/CommandRun.h"
#include "app/ExclusiveReopen.h"
#include "app/MainWindow.h"
#include "app/OrderMenu.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {

void MainWindow::runCommand(Command command) {
    const auto dialog = commandDialogs_.find(command);
    if (dialog == commandDialogs_.end() || editor_.editing()) return;
    CommandRun(*this, planFor(command), dialog->second).run();
}

void MainWindow::onRebuildIndexesTriggered() {
    if (!table_.isOpen()) {
        showInformation(tr("You need to have a RVW file open first"));
        return;
    }
    if (editor_.editing()) return;
    // Packing and rebuilding need the file alone: a shared open is taken to itself for the
    // while, and opened shared again afterwards.
    const QString shared = table_->mode() == xbase::OpenMode::Shared ? currentFile_ : QString();
    setFrozen(true);
    QString failure;
    try {
        if (shared.isEmpty() || reopenExclusively(shared, table_)) services_.rebuildIndexesDialog();
    } catch (const std::exception& e) {
        failure = errorText(e);
    }
    setFrozen(false);
    if (!shared.isEmpty()) openAddressFile(shared);
    orderMenu_->setMenuOrder(OrderMenu::kLastNameEntry);
    reloadView();
    updateCommandStates();
    if (!failure.isEmpty()) messages().error(QStringLiteral("Ravenpost"), failure);  // the name
}

void MainWindow::onCloneTriggered() {
    if (currentPage() == 0) editor_.clone();
}

}  // namespace rp
