#pragma once
// The main window: the open address file on the record page, the Browse list and the Filter
// page; the File, Utilities and Help menus. The record work (adding, editing, saving,
// cancelling, deleting, moving between records) is its RecordEditor's: the window binds its
// buttons and keys to it and shows what it signals.
#include <QMainWindow>
#include <map>
#include <optional>

#include "app/CommandContext.h"
#include "app/CommandHost.h"
#include "app/CommandPlan.h"
#include "app/MainWindowServices.h"
#include "app/MemoSearch.h"
#include "app/RecordEditor.h"
#include "data/AddressTable.h"
#include "data/Preferences.h"
#include "framework/PrinterCatalog.h"

class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace rp {

class BrowseGrid;
class BrowseModel;
class FilterPage;
class OrderMenu;
class RecordPage;

class MainWindow : public QMainWindow, private CommandHost {
    Q_OBJECT
  public:
    // dataFolder ends in a separator; it holds RAVENP.INI and the default address file.
    MainWindow(xbase::Engine& engine, const QString& dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The creation steps after the window is visible: preferences, engine settings, the file
    // named on the command line (through the rules of File > Open), else the recent or default
    // file, the recent-files menu, the command states.
    void startUp(const QString& fileToOpen = {});
    // A file another copy of the program was asked to open: opened as File > Open opens a
    // chosen file ("Must be a DBF file" for another kind); a beep while a record is edited.
    void openRequestedFile(const QString& path);

    // Opens path into the window: shared or exclusively as the preference says, unless told.
    bool openAddressFile(const QString& path, std::optional<xbase::OpenMode> mode = {});
    void loadPreferences();
    void updateCommandStates() override;

    // The commands the other commands' tests start as the menus do.
    void onRebuildIndexesTriggered();
    void onCloneTriggered();
    // Runs a command of another subsystem: its preparations, its dialog, its restorations.
    void runCommand(Command command);
    void changeToRecord();
    void changeToFilter();
    void onSetNowClicked();
    // What the watch timer does every kOthersInterval while the file is open shared: when
    // another user or program changed records, the record page (unless a record is being
    // edited), Browse and the record counts follow, on the same record. A record deleted
    // meanwhile stays shown, marked as deleted; on an empty view the first record shows.
    void followOthers();
    static constexpr int kOthersInterval = 2000;  // milliseconds
    const QTimer* othersWatch() const { return othersWatch_; }
    int currentPage() const;

    // The prompts, dialogs, dialer and printers the window uses from now on; the program's
    // own (and the window's printer catalog) stand in for those left empty.
    void setServices(MainWindowServices services);
    const MainWindowServices& services() const { return services_; }
    // The dialogs of the commands that have one; a command without a dialog stays disabled.
    std::map<Command, CommandDialog>& commandDialogs() { return commandDialogs_; }
    PrinterCatalog& printerCatalog() { return printerCatalog_; }

    AddressTable& addressTable() override { return table_; }
    // The record work the record page shows.
    RecordEditor& recordEditor() { return editor_; }
    bool editing() const { return editor_.editing(); }
    const QString& currentFile() const { return currentFile_; }
    const Preferences& preferences() const { return prefs_; }
    // The user part of the filter (set by the Filter page).
    const QString& filterExpression() const { return filterExpression_; }
    void setFilterExpression(const QString& expression) { filterExpression_ = expression; }
    // False while a dialog of another command works on the table.
    bool reactingToTableEvents() const { return editor_.reactingToTableEvents(); }
    bool frozen() const { return frozen_; }

    // What the window's tests look at and press, as the user would.
    RecordPage* recordPage() const { return record_; }
    FilterPage* filterPage() const { return filter_; }
    QLabel* filterPicture() const { return filterPicture_; }
    QLabel* typingModeLabel() const { return typingMode_; }
    QPushButton* pageButton(int page) const { return pageButtons_[page]; }
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* utilitiesMenu() const { return utilitiesMenu_; }
    QAction* commandAction(Command command) const { return commandActions_.at(command); }
    QAction* rebuildIndexesAction() const { return rebuildIndexes_; }
    QAction* cloneAction() const { return clone_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // What a command run uses of the window.
    QWidget* dialogParent() override { return this; }
    xbase::Engine& engine() override { return engine_; }
    QString dataFolder() const override { return dataFolder_; }
    QString userExpression() const override { return filterExpression_; }
    PrinterAccess* printers() override { return services_.printers; }
    void setFrozen(bool frozen) override;
    void setReactingToTableEvents(bool reacting) override {
        editor_.setReactingToTableEvents(reacting);
    }
    void applyFilter() override;
    void showRecordPage() override;
    void showCurrentRecord() override { afterRecordChange(); }
    bool reopenAddressFile(const QString& path) override { return openAddressFile(path); }

    QString iniPath() const;
    void openChosenFile(const QString& path);
    void onAddressFileOpened(bool opened);
    void updateMenuMRUList();
    void onOpenTriggered();
    void onNewTriggered();
    void onPreferencesTriggered();
    void onCountRecordsTriggered();
    void onContentsTriggered();
    void onAboutTriggered();
    void onSearchClicked();
    void onSearchMemoClicked();
    void onFindNextClicked();
    void onDialClicked();
    void changeToBrowse();

    void buildMenus();
    void addCommand(QMenu* menu, Command command);
    QWidget* buildPages();
    void bindRecordEditor();
    void showPage(int page);
    void afterRecordChange();
    void showMovedRecord();
    bool handleWindowKey(QKeyEvent* key);
    bool applyTypingMode(QObject* watched, QKeyEvent* key);
    void reloadView();

    xbase::Engine& engine_;
    QString dataFolder_;
    AddressTable table_;
    AddressTable creating_;
    QString currentFile_;
    Preferences prefs_;
    RecordEditor editor_;
    QString filterExpression_;
    QString rememberedDate_;
    std::map<Command, CommandDialog> commandDialogs_;

    QStackedWidget* pages_ = nullptr;
    RecordPage* record_ = nullptr;
    BrowseModel* model_ = nullptr;
    BrowseGrid* grid_ = nullptr;
    FilterPage* filter_ = nullptr;
    bool filterPlaced_ = false;
    QPushButton* pageButtons_[3] = {};
    QPushButton* browsePrior_ = nullptr;
    QPushButton* browseNext_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* utilitiesMenu_ = nullptr;
    OrderMenu* orderMenu_ = nullptr;
    MemoSearch memoSearch_;
    QAction* mruSeparator_ = nullptr;
    QAction* rebuildIndexes_ = nullptr;
    QAction* clone_ = nullptr;
    std::map<Command, QAction*> commandActions_;
    PrinterCatalog printerCatalog_;
    MainWindowServices services_;
    bool frozen_ = false;
    QLabel* typingMode_ = nullptr;
    QLabel* filterPicture_ = nullptr;
    QLabel* readOnlyMark_ = nullptr;  // shown while the file is open read-only
    QTimer* othersWatch_ = nullptr;   // runs while the file is open shared
};

}  // namespace rp
