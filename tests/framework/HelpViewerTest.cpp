// The help window: topics open from a dialog's Help button, pages are compiled in, links
// between topics lead to real pages, and a topic without a page says so.
#include "framework/Dialog.h"
#include "framework/HelpViewer.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

using rp::HelpViewer;

QStringList linksOf(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !links.contains(href)) links << href;
        }
    }
    return links;
}

TEST(HelpViewer, HelpButtonOpensTheDialogsTopic) {
    rp::Dialog dialog(nullptr, rp::HelpTopic::RecordPage);
    dialog.makeHelpButton()->click();
    auto* viewer = dialog.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Ravenpost Help"));
    EXPECT_EQ(viewer->pageTitle(), QStringLiteral("The record page"));
    EXPECT_TRUE(viewer->pageText().contains(QStringLiteral("PageDown")));
}

TEST(HelpViewer, ASecondRequestReusesTheOpenWindow) {
    QWidget owner;
    rp::showHelpTopic(1005, &owner);
    rp::showHelpTopic(1020, &owner);
    const auto viewers = owner.findChildren<HelpViewer*>();
    ASSERT_EQ(viewers.size(), 1);
    EXPECT_EQ(viewers.front()->pageTitle(), QStringLiteral("The Filter page"));
}

TEST(HelpViewer, TopicWithoutAPageSaysSo) {
    QWidget owner;
    rp::showHelpTopic(4242, &owner);
    auto* viewer = owner.findChild<HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->pageText().trimmed(), QStringLiteral("No help is available for topic 4242."));
    EXPECT_TRUE(HelpViewer::topicPage(4242).isEmpty());
}

TEST(HelpViewer, ContentsLinksLeadToTheirPagesAndBackReturns) {
    HelpViewer viewer;
    viewer.showTopic(1010);
    auto* browser = viewer.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    const QStringList links = linksOf(*browser->document());
    for (const char* page :
         {"1005.html", "1020.html", "1027.html", "1030.html", "1039.html", "4571.html"})
        EXPECT_TRUE(links.contains(QString::fromLatin1(page))) << page;

    const QUrl contents = browser->source();
    for (const QString& link : links) {
        browser->setSource(contents.resolved(QUrl(link)));
        EXPECT_FALSE(viewer.pageTitle().isEmpty()) << link.toStdString();
        EXPECT_NE(viewer.pageTitle(), QStringLiteral("The main window")) << link.toStdString();
        for (const QString& onward : linksOf(*browser->document()))
            EXPECT_FALSE(HelpViewer::topicPage(onward.section('.', 0, 0).toInt()).isEmpty())
                << link.toStdString() << " -> " << onward.toStdString();
    }

    QPushButton* back = nullptr;
    for (auto* button : viewer.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("&Back")) back = button;
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    for (qsizetype i = 0; i < links.size(); ++i) back->click();
    EXPECT_EQ(viewer.pageTitle(), QStringLiteral("The main window"));
    EXPECT_FALSE(back->isEnabled());
}

TEST(HelpViewer, LanguagesAndShortcutsPageIsReachedFromTheContents) {
    HelpViewer viewer;
    viewer.showTopic(rp::HelpTopic::Contents);
    auto* browser = viewer.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(linksOf(*browser->document()).contains(QStringLiteral("1044.html")));

    viewer.showTopic(rp::HelpTopic::LanguagesAndShortcuts);
    EXPECT_EQ(viewer.pageTitle(), QStringLiteral("Languages and keyboard shortcuts"));
    const QString text = viewer.pageText();
    for (const char* words :
         {"ravenpost --language es", "LC_MESSAGES", "Ctrl+3", "Alt+N", "Ctrl+Shift+Tab", "Home"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
}

}  // namespace
