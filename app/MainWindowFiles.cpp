// The main window's start-up steps, opening and creating files, preferences and the
// recent-files menu.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "app/BrowseModel.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "app/IndexRecoveryGauge.h"
#include "app/MainWindow.h"
#include "app/OrderMenu.h"
#include "app/RecentFiles.h"
#include "app/RecordPage.h"
#include "data/AddressFile.h"
#include "data/DateText.h"
#include "data/IniFile.h"
#include "framework/ErrorReport.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "framework/UnstoredSettings.h"

namespace rp {

QString MainWindow::iniPath() const {
    return dataFolder_ + QStringLiteral("RAVENP.INI");
}

void MainWindow::startUp(const QString& fileToOpen) {
    loadPreferences();
    QApplication::processEvents();
    engine_.settings.hideDeleted = true;
    engine_.settings.century = true;
    const QString recent = getMRUFile(IniFile(iniPath()));
    if (!fileToOpen.isEmpty()) {
        openChosenFile(fileToOpen);
    } else if (!recent.isEmpty()) {
        openAddressFile(recent);
    } else {
        const QString defaultFile = dataFolder_ + QStringLiteral("RAVENP1.DBF");
        if (QFileInfo::exists(defaultFile)) {
            openAddressFile(defaultFile);
        } else if (createAddressFile(defaultFile, creating_).tell(showInformation)) {
            creating_.close();
            openAddressFile(defaultFile);
        } else {
            onAddressFileOpened(false);
        }
    }
    updateMenuMRUList();
    showPage(0);
    afterRecordChange();
    updateCommandStates();
}

bool MainWindow::openAddressFile(const QString& path, std::optional<xbase::OpenMode> mode) {
    if (path.isEmpty()) return false;
    IndexRecoveryGauge gauge(this);
    if (!mode) mode = prefs_.shareOpenFile ? xbase::OpenMode::Shared : xbase::OpenMode::Exclusive;
    AddressFileResult result = openAddressFileChecked(path, table_, gauge.progress(), *mode);
    if (result.writeRefused && askYesNo(readOnlyOpenQuestion(path, result.cause)))
        result = openAddressFileChecked(path, table_, gauge.progress(), xbase::OpenMode::ReadOnly);
    const bool opened = result.tell(showInformation);
    onAddressFileOpened(opened);
    if (opened) {
        storeSettings(iniPath(), [&] {
            IniFile ini(iniPath());
            updateMRUList(ini, path);
        });
        updateMenuMRUList();
        currentFile_ = path;
    } else {
        currentFile_.clear();
    }
    setWindowTitle(editor_.readOnly() ? tr("Ravenpost - %1 (read-only)").arg(path)
                                      : tr("Ravenpost - %1").arg(path));
    return opened;
}

void MainWindow::onAddressFileOpened(bool opened) {
    editor_.reset(opened && table_->mode() == xbase::OpenMode::ReadOnly);
    readOnlyMark_->setVisible(editor_.readOnly());
    memoSearch_ = MemoSearch{};
    if (opened && table_->mode() == xbase::OpenMode::Shared)
        othersWatch_->start();
    else
        othersWatch_->stop();
    if (!opened) {
        table_.close();
        record_->setNoFile(true);
        reloadView();
        return;
    }
    record_->setNoFile(false);
    orderMenu_->setMenuOrder(OrderMenu::kLastNameEntry);
    applyFilter();
    table_->goTop();
    reloadView();
    QApplication::processEvents();
    // A read-only file cannot be added to: an empty one says nothing.
    if (table_->recordCount() == 0 && !editor_.readOnly())
        showInformation(
            tr("There are no records in this file\r\n"
               "Press Alt-A to add a new record OR\r\n"
               "From the File menu select\r\n"
               "Import from DBF File  or\r\n"
               "Import from ASCII File"));
}

void MainWindow::applyFilter() {
    applyAddressFilter(table_.table(), filter_->lines(), prefs_.shortDateFmt, filterExpression_);
}

void MainWindow::loadPreferences() {
    prefs_ = rp::loadPreferences(IniFile(iniPath()));
    engine_.settings.dateFormat = prefs_.shortDateFmt.toStdString();
    record_->setDateMask(qtInputMask(prefs_.dateEditMask));
    record_->dateFormatLabel()->setText(QLatin1Char('(') + prefs_.shortDateFmt + QLatin1Char(')'));
    filter_->setDateFormat(prefs_.shortDateFmt);
    afterRecordChange();
}

void MainWindow::updateMenuMRUList() {
    const QList<QAction*> actions = fileMenu_->actions();
    for (qsizetype i = actions.indexOf(mruSeparator_) + 1; i < actions.size(); ++i) {
        fileMenu_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    for (const QString& path : getMRUList(IniFile(iniPath()))) {
        fileMenu_->addAction(path, this, guarded([this, path] {
                                 openAddressFile(path);
                                 updateCommandStates();
                             }));
    }
}

void MainWindow::onOpenTriggered() {
    FileRequest request;
    request.caption = tr("Open");
    request.filter = tr("Ravenpost Files|*.dbf");
    request.folder = dataFolder_;
    request.mustExist = true;
    if (const auto path = fileChooser().openFile(request)) openChosenFile(*path);
    updateCommandStates();
}

void MainWindow::openChosenFile(const QString& path) {
    if (QFileInfo(path).suffix().toUpper() != QLatin1String("DBF"))
        showInformation(tr("Must be a DBF file"));
    else
        openAddressFile(path);
}

void MainWindow::openRequestedFile(const QString& path) {
    // While a record is being edited, the edit comes first; File > Open is disabled too.
    if (editor_.editing()) {
        beep();
        return;
    }
    openChosenFile(path);
    showPage(0);
    afterRecordChange();
    updateCommandStates();
}

void MainWindow::onNewTriggered() {
    FileRequest request;
    request.caption = tr("New");
    request.filter = tr("Ravenpost Files|*.DBF");
    request.folder = dataFolder_;
    request.proposedName = QStringLiteral("RAVENP1.DBF");
    request.defaultSuffix = QStringLiteral("DBF");
    request.confirmOverwrite = true;
    if (const auto path = fileChooser().newFile(request)) {
        if (QFileInfo(*path).suffix().toUpper() != QLatin1String("DBF")) {
            showInformation(tr("Must have a .DBF extension"));
        } else if (QFileInfo::exists(*path)) {
            showInformation(tr("That file already exists.Please select another name"));
        } else if (createAddressFile(*path, creating_).tell(showInformation)) {
            creating_.close();
            table_.close();
            openAddressFile(*path);
        }
    }
    updateCommandStates();
}

void MainWindow::onPreferencesTriggered() {
    services_.preferencesDialog();
    loadPreferences();
    // Sharing switched on or off applies to the open file at once, on the record it showed. A
    // file that others have open stays shared after the message that it cannot be had alone.
    const bool shared = prefs_.shareOpenFile;
    if (!table_.isOpen() || editor_.readOnly() ||
        shared == (table_->mode() == xbase::OpenMode::Shared))
        return;
    const std::uint32_t recno = table_->recNo();
    const QString file = currentFile_;
    if (!openAddressFile(file) && (shared || !openAddressFile(file, xbase::OpenMode::Shared)))
        return;
    if (recno <= table_->recordCount()) table_->go(recno);
    showMovedRecord();
    updateCommandStates();
}

void MainWindow::onCountRecordsTriggered() {
    if (!table_.isOpen()) return;
    // The counts keep one English form ("There are 1 records").
    const int n = static_cast<int>(table_->visibleCount());
    showInformation(filterExpression_.isEmpty()
                        ? tr("There are %n records", nullptr, n)
                        : tr("There are %n records which match the current filter", nullptr, n));
}

}  // namespace rp
