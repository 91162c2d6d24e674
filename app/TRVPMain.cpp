#include "app/TRVPMain.h"

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
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "app/BrowseGrid.h"
#include "app/BrowseModel.h"
#include "app/CommandDialogs.h"
#include "app/DateText.h"
#include "app/FilterPage.h"
#include "app/OrderMenu.h"
#include "app/PdfFolderSetting.h"
#include "app/RecordPage.h"
#include "app/WindowPlacement.h"
#include "framework/Background.h"
#include "framework/ErrorReport.h"
#include "framework/HelpTopic.h"
#include "framework/HelpViewer.h"
#include "framework/Messages.h"
#include "framework/TSplash.h"

namespace rp {
namespace {

constexpr HelpTopic::Number kHelpTopics[3] = {HelpTopic::RecordPage, HelpTopic::Browse,
                                              HelpTopic::Filter};

}  // namespace

TRVPMain::TRVPMain(xbase::Engine& engine, const QString& dataFolder, QWidget* parent)
    : QMainWindow(parent),
      engine_(engine),
      dataFolder_(dataFolder),
      table_(engine),
      creating_(engine),
      printerCatalog_(PrinterCatalog::fromSystem()) {
    printers = &printerCatalog_;
    printerCatalog_.setPdfFolderMemory(PdfFolderSetting(iniPath()));
    setWindowTitle(QStringLiteral("Ravenpost"));
    buildMenus();
    setCentralWidget(buildPages());
    typingMode_ = new QLabel;
    filterPicture_ = new QLabel;
    filterPicture_->setPixmap(style()->standardPixmap(QStyle::SP_FileDialogContentsView));
    filterPicture_->setToolTip(QStringLiteral("A filter is set"));
    filterPicture_->hide();
    statusBar()->addPermanentWidget(filterPicture_);
    statusBar()->addPermanentWidget(typingMode_);
    typingMode_->setText(QStringLiteral("Insert"));
    qApp->installEventFilter(this);
    showPage(0);
    SetButtons();
    resize(kMainWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(StartPosition(screen->geometry().size(), kMainWindowSize));
    record_->dateFormatLabel()->clear();
    RegisterCommandDialogs(*this);
}

TRVPMain::~TRVPMain() {
    qApp->removeEventFilter(this);
}

void TRVPMain::buildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(QStringLiteral("&Open"), this, Guarded(this, &TRVPMain::OpenMenuClick));
    fileMenu_->addAction(QStringLiteral("&New"), this, Guarded(this, &TRVPMain::NewMenuClick));
    fileMenu_->addSeparator();
    fileMenu_->addAction(QStringLiteral("&Preferences"), this,
                         Guarded(this, &TRVPMain::PreferencesMenuClick));
    fileMenu_->addSeparator();
    addCommand(fileMenu_, Command::ImportDbf);
    addCommand(fileMenu_, Command::ImportAscii);
    fileMenu_->addSeparator();
    rebuildIndexes_ = fileMenu_->addAction(QStringLiteral("&Rebuild Indexes"), this,
                                           Guarded(this, &TRVPMain::RebuildIndexesMenuClick));
    fileMenu_->addSeparator();
    clone_ = fileMenu_->addAction(QStringLiteral("&Clone"), this,
                                  Guarded(this, &TRVPMain::CloneMenuClick));
    fileMenu_->addSeparator();
    fileMenu_->addAction(QStringLiteral("E&xit"), this, &TRVPMain::close);
    mruSeparator_ = fileMenu_->addSeparator();

    orderMenu_ = new OrderMenu(table_, this);
    menuBar()->addMenu(orderMenu_->menu());
    connect(orderMenu_, &OrderMenu::orderPicked, this, Guarded([this] {
                reloadView();
                if (currentPage() == 1) grid_->selectRow(model_->rowOf(table_->recNo()));
                SetButtons();
            }));

    utilitiesMenu_ = menuBar()->addMenu(QStringLiteral("&Utilities"));
    utilitiesMenu_->addAction(QStringLiteral("&Count Records"), this,
                              Guarded(this, &TRVPMain::CountRecordsMenuClick));
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
    for (Command c : {Command::Labels, Command::Envelopes, Command::Letters, Command::Reports})
        addCommand(nullptr, c);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"), this, &TRVPMain::ContentsMenuClick);
    help->addSeparator();
    help->addAction(QStringLiteral("&About"), this, &TRVPMain::AboutMenuClick);
}

// A command's entry in menu, or on the menu bar itself when menu is null.
void TRVPMain::addCommand(QMenu* menu, Command command) {
    const QString caption = PlanFor(command).caption;
    QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    connect(action, &QAction::triggered, this, Guarded([this, command] { RunCommand(command); }));
    commandActions_[command] = action;
}

void TRVPMain::setFrozen(bool frozen) {
    frozen_ = frozen;
    model_->setFrozen(frozen);
    pages_->setUpdatesEnabled(!frozen);
    if (!frozen) reloadView();
}

QWidget* TRVPMain::buildPages() {
    auto* central = new QWidget;
    auto* pageRow = new QHBoxLayout;
    const char* captions[3] = {"Main", "Browse", "Filter"};
    for (int i = 0; i < 3; ++i) {
        pageButtons_[i] = new QPushButton(QString::fromLatin1(captions[i]));
        pageButtons_[i]->setFocusPolicy(Qt::NoFocus);
        pageButtons_[i]->setAutoDefault(false);
        connect(pageButtons_[i], &QPushButton::clicked, this, Guarded([this, i] {
                    if (editing_) return Beep();
                    if (i == 0)
                        ChangeToRecord();
                    else if (i == 1)
                        ChangeToBrowse();
                    else
                        ChangeToFilter();
                }));
        pageRow->addWidget(pageButtons_[i]);
    }
    pageRow->addStretch();

    record_ = new RecordPage;
    model_ = new BrowseModel(
        table_, [this](xbase::JulianDay d) { return FormatDate(d, prefs_.shortDateFmt); }, this);
    grid_ = new BrowseGrid;
    grid_->setModel(model_);
    connect(grid_, &BrowseGrid::recordChosen, this, Guarded([this](std::uint32_t recno) {
                table_->go(recno);
                ChangeToRecord();
            }));
    auto* browse = new QWidget;
    auto* browseLayout = new QVBoxLayout(browse);
    browsePrior_ = new QPushButton(QStringLiteral("<"));
    browseNext_ = new QPushButton(QStringLiteral(">"));
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
    connect(filter_, &FilterPage::setNowRequested, this, Guarded(this, &TRVPMain::SetNowClick));

    auto* exitButton = new QPushButton(QStringLiteral("Exit"));
    auto* helpButton = new QPushButton(QStringLiteral("Help"));
    auto* pointer = new QToolButton;
    pointer->setText(QStringLiteral("?"));
    pointer->setToolTip(QStringLiteral("Pointer help"));
    for (QPushButton* b : {exitButton, helpButton}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(exitButton, &QPushButton::clicked, this, &TRVPMain::close);
    connect(helpButton, &QPushButton::clicked, this,
            [this] { ShowHelpTopic(kHelpTopics[currentPage()], this); });
    connect(pointer, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    pageRow->addWidget(pointer);
    pageRow->addWidget(helpButton);
    pageRow->addWidget(exitButton);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(2);
    layout->addLayout(pageRow);
    layout->addWidget(pages_, 1);

    connect(record_->addButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::AddButtonClick));
    connect(record_->editButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::EditButtonClick));
    connect(record_->saveButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::SaveButtonClick));
    connect(record_->cancelButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::CancelButtonClick));
    connect(record_->deleteButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::DeleteButtonClick));
    connect(record_->searchButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::SearchButtonClick));
    connect(record_->searchMemoButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::SearchMemoButtonClick));
    connect(record_->findNextButton, &QPushButton::clicked, this,
            Guarded(this, &TRVPMain::FindNextButtonClick));
    connect(record_->dialButton, &QPushButton::clicked, this, [this] {
        if (phoneDialer && hasCurrentRecord() && !editing_)
            phoneDialer(record_->field("PHONE")->text());
    });
    for (QPushButton* b : {record_->priorButton, browsePrior_})
        connect(b, &QPushButton::clicked, this, Guarded(this, &TRVPMain::PriorButtonClick));
    for (QPushButton* b : {record_->nextButton, browseNext_})
        connect(b, &QPushButton::clicked, this, Guarded(this, &TRVPMain::NextButtonClick));
    connect(record_, &RecordPage::fieldDoubleClicked, this, Guarded([this] {
                if (!editing_ && hasCurrentRecord()) EditButtonClick();
            }));
    connect(
        record_, &RecordPage::memoTyped, this, Guarded([this] {
            if (!editing_ && record_->editButton->isVisible() && record_->editButton->isEnabled())
                EditButtonClick();
        }));
    return central;
}

int TRVPMain::currentPage() const {
    return pages_->currentIndex();
}

void TRVPMain::showPage(int page) {
    pages_->setCurrentIndex(page);
    for (int i = 0; i < 3; ++i) {
        QPalette p = pageButtons_[i]->palette();
        p.setColor(QPalette::ButtonText,
                   i == page ? QColor(0x00, 0x80, 0x80) : QColor(0x80, 0x00, 0x80));
        pageButtons_[i]->setPalette(p);
    }
}

void TRVPMain::ChangeToRecord() {
    if (currentPage() == 0) return;
    showPage(0);
    afterRecordChange();
    QApplication::processEvents();
    SetButtons();
}

void TRVPMain::ChangeToBrowse() {
    if (currentPage() == 1) return;
    model_->reset();
    showPage(1);
    if (table_.isOpen()) grid_->selectRow(model_->rowOf(table_->recNo()));
}

void TRVPMain::ChangeToFilter() {
    if (currentPage() == 2) return;
    if (!filterPlaced_) {
        filter_->copyGeometryFrom(
            [this](const QString& n) { return RectOnPage(record_, record_->field(n)); },
            [this](const QString& n) {
                return RectOnPage(record_, BuddyLabelOf(record_->field(n)));
            });
        filterPlaced_ = true;
    }
    showPage(2);
}

void TRVPMain::SetNowClick() {
    if (currentPage() != 2 || editing_ || !table_.isOpen()) return;
    filter_->setNow(table_.table(), prefs_.shortDateFmt, filterExpression);
    table_->goTop();
    reloadView();
    SetButtons();
}

void TRVPMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    TileBackground(painter, rect(), event->rect());
    QMainWindow::paintEvent(event);
}

void TRVPMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMaximized()) return;
    if (const QScreen* screen = this->screen()) {
        const QRect fitted = FitMaximised(frameGeometry(), screen->availableGeometry());
        if (fitted != frameGeometry()) setGeometry(fitted);
    }
}

void TRVPMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    SetButtons();
}

void TRVPMain::closeEvent(QCloseEvent* event) {
    if (!AskYesNo(QStringLiteral("Exit now?"))) {
        event->ignore();
        return;
    }
    // A file that cannot be written at the end is told; the program ends all the same.
    ReportErrors([this] {
        if (table_.isOpen()) table_->cancel();
        table_.close();
    });
    editing_ = false;
    event->accept();
}

void TRVPMain::ContentsMenuClick() {
    ShowHelpTopic(HelpTopic::Contents, this);
}

void TRVPMain::AboutMenuClick() {
    TSplash::showAbout(this);
}

}  // namespace rp
