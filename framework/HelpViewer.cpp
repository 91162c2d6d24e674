#include "framework/HelpViewer.h"

#include "framework/CtrlTabLeaves.h"
#include "framework/HelpTopic.h"
#include "framework/Resources.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace rp {
namespace {

constexpr int kContentsTopic = HelpTopic::Contents;

}  // namespace

HelpViewer::HelpViewer(QWidget* owner)
    : QWidget(owner, Qt::Window), browser_(new QTextBrowser(this)) {
    letCtrlTabLeave(browser_);  // Tab goes from link to link
    loadFrameworkResources();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Ravenpost Help"));
    resize(560, 480);
    browser_->setAccessibleName(tr("Help text"));

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(kContentsTopic); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

QString HelpViewer::helpFolder() {
    return QStringLiteral(":/help");
}

QString HelpViewer::topicPage(int topic) {
    loadFrameworkResources();
    const QString page = helpFolder() + QStringLiteral("/%1.html").arg(topic);
    return QFileInfo::exists(page) ? page : QString();
}

void HelpViewer::showTopic(int topic) {
    const QString page = topicPage(topic);
    if (page.isEmpty()) {
        browser_->setHtml(
            QStringLiteral("<p>%1</p>").arg(tr("No help is available for topic %1.").arg(topic)));
        return;
    }
    // A qrc URL lets relative links between pages resolve to their neighbours.
    browser_->setSource(QUrl(QStringLiteral("qrc") + page));
}

QString HelpViewer::pageTitle() const {
    return browser_->documentTitle();
}

QString HelpViewer::pageText() const {
    return browser_->toPlainText();
}

void showHelpTopic(int topic, QWidget* parent) {
    QWidget* owner = parent ? parent->window() : nullptr;
    HelpViewer* viewer =
        owner ? owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!viewer) viewer = new HelpViewer(owner);
    viewer->showTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace rp
