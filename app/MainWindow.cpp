#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "app/BrowseGrid.h"
#include "app/BrowseModel.h"
#include "app/CommandDialogs.h"
#include "app/FilterPage.h"
#include "app/OrderMenu.h"
#include "app/PdfFolderSetting.h"
#include "app/RecordPage.h"
#include "app/WindowPlacement.h"
#include "data/DateText.h"
#include "framework/Background.h"
#include "framework/ErrorReport.h"
#include "framework/HelpTopic.h"
#include "framework/HelpViewer.h"
#include "framework/Messages.h"
#include "framework/StartScreen.h"

namespace rp {
namespace {

constexpr HelpTopic::Number kHelpTopics[3] = {HelpTopic::RecordPage, HelpTopic::Browse,
                                              HelpTopic::Filter};
constexpr QColor kPageButtonColour(0xff, 0xff, 0xff);

}  // namespace

MainWindow::MainWindow(xbase::Engine& engine, const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent),
      engine_(engine),
      dataFolder_(dataFolder),
      table_(engine),
      creating_(engine),
      editor_(table_, prefs_),
      printerCatalog_(PrinterCatalog::fromSystem()) {
    setServices({});
    printerCatalog_.setPdfFolderMemory(pdfFolderSetting(iniPath()));
    setWindowTitle(QStringLiteral("Ravenpost"));  // the program's name
    keepTextReadableOnBackground(*this);
    buildMenus();
    setCentralWidget(buildPages());
    typingMode_ = new QLabel;
    filterPicture_ = new QLabel;
    filterPicture_->setPixmap(style()->standardPixmap(QStyle::SP_FileDialogContentsView));
    filterPicture_->setToolTip(tr("A filter is set"));
    filterPicture_->hide();
    // Said in the status bar too: a window without a title bar does not show the title's mark.
    readOnlyMark_ = new QLabel(tr("Read-only"));
    readOnlyMark_->setObjectName(QStringLiteral("readOnlyMark"));
    readOnlyMark_->hide();
    statusBar()->addPermanentWidget(filterPicture_);
    statusBar()->addPermanentWidget(readOnlyMark_);
    statusBar()->addPermanentWidget(typingMode_);
    typingMode_->setText(tr("Insert"));
    qApp->installEventFilter(this);
    showPage(0);
    updateCommandStates();
    resize(kMainWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(startPosition(screen->geometry().size(), kMainWindowSize));
    record_->dateFormatLabel()->clear();
    registerCommandDialogs(*this);
    othersWatch_ = new QTimer(this);
    othersWatch_->setInterval(kOthersInterval);
    connect(othersWatch_, &QTimer::timeout, this, guarded(this, &MainWindow::followOthers));
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::setServices(MainWindowServices services) {
    fillDefaultServices(services, this, table_, dataFolder_, printerCatalog_);
    services_ = std::move(services);
    editor_.setNewRecordPrompt(services_.newRecordPrompt);
    if (record_) updateCommandStates();
}

void MainWindow::buildMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->addAction(tr("&Open"), this, guarded(this, &MainWindow::onOpenTriggered));
    fileMenu_->addAction(tr("&New"), this, guarded(this, &MainWindow::onNewTriggered));
    fileMenu_->addSeparator();
    fileMenu_->addAction(tr("&Preferences"), this,
                         guarded(this, &MainWindow::onPreferencesTriggered));
    fileMenu_->addSeparator();
    addCommand(fileMenu_, Command::ImportDbf);
    addCommand(fileMenu_, Command::ImportAscii);
    addCommand(fileMenu_, Command::ImportVcard);
    fileMenu_->addSeparator();
    rebuildIndexes_ = fileMenu_->addAction(tr("&Rebuild Indexes"), this,
                                           guarded(this, &MainWindow::onRebuildIndexesTriggered));
    fileMenu_->addSeparator();
    clone_ = fileMenu_->addAction(tr("&Clone"), this, guarded(this, &MainWindow::onCloneTriggered));
    fileMenu_->addSeparator();
    fileMenu_->addAction(tr("E&xit"), this, &MainWindow::close);
    mruSeparator_ = fileMenu_->addSeparator();

    orderMenu_ = new OrderMenu(table_, this);
    menuBar()->addMenu(orderMenu_->menu());
    connect(orderMenu_, &OrderMenu::orderPicked, this, guarded([this] {
                reloadView();
                if (currentPage() == 1) grid_->selectRow(model_->rowOf(table_->recNo()));
                updateCommandStates();
            }));

    utilitiesMenu_ = menuBar()->addMenu(tr("&Utilities"));
    utilitiesMenu_->addAction(tr("&Count Records"), this,
                              guarded(this, &MainWindow::onCountRecordsTriggered));
    addCommand(utilitiesMenu_, Command::CountZipCodes);
    utilitiesMenu_->addSeparator();
    addCommand(utilitiesMenu_, Command::CheckStateZip);
    addCommand(utilitiesMenu_, Command::CheckDuplicates);
    utilitiesMenu_->addSeparator();
    addCommand(utilitiesMenu_, Command::ConvertUppercase);
    addCommand(utilitiesMenu_, Command::DeleteRecords);
    utilitiesMenu_->addSeparator();
    addCommand(utilitiesMenu_, Command::CopyRecordsOut);
    addCommand(utilitiesMenu_, Command::SearchReplace);
    utilitiesMenu_->addSeparator();
    addCommand(utilitiesMenu_, Command::CalibratePrinter);
    for (Command c : {Command::Labels, Command::Envelopes, Command::Letters, Command::Reports})
        addCommand(nullptr, c);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Contents"), this, &MainWindow::onContentsTriggered);
    help->addSeparator();
    help->addAction(tr("&About"), this, &MainWindow::onAboutTriggered);
}

// A command's entry in menu, or on the menu bar itself when menu is null.
void MainWindow::addCommand(QMenu* menu, Command command) {
    const QString caption = planText(planFor(command).caption);
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    connect(action, &QAction::triggered, this, guarded([this, command] { runCommand(command); }));
    commandActions_[command] = action;
}

void MainWindow::setFrozen(bool frozen) {
    frozen_ = frozen;
    model_->setFrozen(frozen);
    pages_->setUpdatesEnabled(!frozen);
    if (!frozen) reloadView();
}

QWidget* MainWindow::buildPages() {
    auto* central = new QWidget;
    auto* pageRow = new QHBoxLayout;
    const QString captions[3] = {tr("Main"), tr("Browse"), tr("Filter")};
    for (int i = 0; i < 3; ++i) {
        pageButtons_[i] = new QPushButton(captions[i]);
        pageButtons_[i]->setFocusPolicy(Qt::NoFocus);
        pageButtons_[i]->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));  // Ctrl+1 to 3
        pageButtons_[i]->setAutoDefault(false);
        connect(pageButtons_[i], &QPushButton::clicked, this, guarded([this, i] {
                    if (editor_.editing()) return beep();
                    if (i == 0)
                        changeToRecord();
                    else if (i == 1)
                        changeToBrowse();
                    else
                        changeToFilter();
                }));
        pageRow->addWidget(pageButtons_[i]);
    }
    pageRow->addStretch();

    record_ = new RecordPage;
    model_ = new BrowseModel(
        table_, [this](xbase::JulianDay d) { return formatDate(d, prefs_.shortDateFmt); }, this);
    grid_ = new BrowseGrid;
    grid_->setModel(model_);
    connect(grid_, &BrowseGrid::recordChosen, this, guarded([this](std::uint32_t recno) {
                table_->go(recno);
                changeToRecord();
            }));
    auto* browse = new QWidget;
    auto* browseLayout = new QVBoxLayout(browse);
    browsePrior_ = new QPushButton(QStringLiteral("<"));
    browseNext_ = new QPushButton(QStringLiteral(">"));
    browsePrior_->setAccessibleName(tr("Previous record"));
    browseNext_->setAccessibleName(tr("Next record"));
    auto* browseButtons = new QHBoxLayout;
    browseButtons->addStretch();
    browseButtons->addWidget(browsePrior_);
    browseButtons->addWidget(browseNext_);
    browseLayout->addWidget(grid_, 1);
    browseLayout->addLayout(browseButtons);
    pages_ = new QStackedWidget;
    pages_->addWidget(record_);
    pages_->addWidget(browse);
    filter_ = new FilterPage;
    pages_->addWidget(filter_);
    connect(filter_, &FilterPage::setNowRequested, this,
            guarded(this, &MainWindow::onSetNowClicked));

    auto* exitButton = new QPushButton(tr("Exit"));
    auto* helpButton = new QPushButton(tr("Help"));
    auto* pointer = new QToolButton;
    pointer->setText(QStringLiteral("?"));
    pointer->setToolTip(tr("Pointer help"));
    pointer->setAccessibleName(tr("Pointer help"));
    for (QPushButton* b : {exitButton, helpButton}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(exitButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { showHelpTopic(kHelpTopics[currentPage()], this); });
    connect(pointer, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    pageRow->addWidget(pointer);
    pageRow->addWidget(helpButton);
    pageRow->addWidget(exitButton);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(2);
    layout->addLayout(pageRow);
    layout->addWidget(pages_, 1);

    bindRecordEditor();
    return central;
}

int MainWindow::currentPage() const {
    return pages_->currentIndex();
}

void MainWindow::showPage(int page) {
    pages_->setCurrentIndex(page);
    for (int i = 0; i < 3; ++i) {
        QPalette p = pageButtons_[i]->palette();
        // A dark palette's button face gets a light one, on which the page colours read.
        if (p.color(QPalette::Button).lightnessF() < 0.5)
            p.setColor(QPalette::Button, kPageButtonColour);
        p.setColor(QPalette::ButtonText,
                   i == page ? QColor(0x00, 0x80, 0x80) : QColor(0x80, 0x00, 0x80));
        pageButtons_[i]->setPalette(p);
    }
}

void MainWindow::showRecordPage() {
    showPage(0);
    afterRecordChange();
}

void MainWindow::changeToRecord() {
    if (currentPage() == 0) return;
    showPage(0);
    afterRecordChange();
    QApplication::processEvents();
    updateCommandStates();
}

void MainWindow::changeToBrowse() {
    if (currentPage() == 1) return;
    model_->reset();
    showPage(1);
    if (table_.isOpen()) grid_->selectRow(model_->rowOf(table_->recNo()));
}

void MainWindow::changeToFilter() {
    if (currentPage() == 2) return;
    if (!filterPlaced_) {
        filter_->copyGeometryFrom(
            [this](const QString& n) { return rectOnPage(record_, record_->field(n)); },
            [this](const QString& n) {
                return rectOnPage(record_, buddyLabelOf(record_->field(n)));
            });
        filterPlaced_ = true;
    }
    showPage(2);
}

void MainWindow::onSetNowClicked() {
    if (currentPage() != 2 || editor_.editing() || !table_.isOpen()) return;
    filter_->setNow(table_.table(), prefs_.shortDateFmt, filterExpression_);
    table_->goTop();
    reloadView();
    updateCommandStates();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    tileBackground(painter, rect(), event->rect());
    QMainWindow::paintEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMaximized()) return;
    if (const QScreen* screen = this->screen()) {
        const QRect fitted = fitMaximised(frameGeometry(), screen->availableGeometry());
        if (fitted != frameGeometry()) setGeometry(fitted);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    updateCommandStates();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!askYesNo(tr("Exit now?"))) {
        event->ignore();
        return;
    }
    // A file that cannot be written at the end is told; the program ends all the same.
    reportErrors([this] {
        if (table_.isOpen()) table_->cancel();
        table_.close();
    });
    editor_.reset(false);
    event->accept();
}

void MainWindow::onContentsTriggered() {
    showHelpTopic(HelpTopic::Contents, this);
}

void MainWindow::onAboutTriggered() {
    StartScreen::showAbout(this);
}

}  // namespace rp
