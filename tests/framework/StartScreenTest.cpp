// The start screen and the About box: what they show, where they appear, and the About box's
// OK button.
#include "framework/StartScreen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

namespace {

using rp::StartScreen;

QStringList labelTexts(const QWidget& panel) {
    QStringList texts;
    for (const QLabel* label : panel.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

class ApplicationVersion {
  public:
    explicit ApplicationVersion(const QString& version)
        : previous_(QCoreApplication::applicationVersion()) {
        QCoreApplication::setApplicationVersion(version);
    }
    ~ApplicationVersion() { QCoreApplication::setApplicationVersion(previous_); }

  private:
    QString previous_;
};

TEST(StartScreen, VersionLineUsesTheApplicationsVersion) {
    ApplicationVersion version(QStringLiteral("2.5.1"));
    EXPECT_EQ(StartScreen::versionLine(), QStringLiteral("Version 2.5.1"));
}

TEST(StartScreen, VersionLineFallsBackToTheBuildsVersion) {
    ApplicationVersion version{QString()};
    const QString line = StartScreen::versionLine();
    ASSERT_TRUE(line.startsWith(QStringLiteral("Version "))) << line.toStdString();
    EXPECT_TRUE(line.at(8).isDigit()) << line.toStdString();
}

TEST(StartScreen, AboutBoxShowsNameFamilyVersionAndOk) {
    ApplicationVersion version(QStringLiteral("3.0"));
    StartScreen about(StartScreen::Kind::About);
    const QStringList texts = labelTexts(about);
    EXPECT_EQ(texts, (QStringList{"Ravenpost", "Version 3.0"}));
    const auto buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.front()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons.front()->isDefault());
}

TEST(StartScreen, StartScreenHasNoButtonsAndStaysOnTop) {
    StartScreen splash(StartScreen::Kind::StartScreen);
    const QStringList texts = labelTexts(splash);
    EXPECT_EQ(texts, (QStringList{"Ravenpost", StartScreen::versionLine()}));
    EXPECT_TRUE(splash.findChildren<QPushButton*>().isEmpty());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(StartScreen, StartScreenIsCentredOnTheScreen) {
    StartScreen splash(StartScreen::Kind::StartScreen);
    splash.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = splash.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST(StartScreen, AboutBoxIsModalAndOkClosesIt) {
    QWidget main;
    bool sawAbout = false;
    bool okClosed = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<StartScreen*>(QApplication::activeModalWidget());
        if (!about) return;
        sawAbout = true;
        about->findChild<QPushButton*>()->click();
        okClosed = !about->isVisible();
        if (!okClosed) about->reject();
    });
    StartScreen::showAbout(&main);
    EXPECT_TRUE(sawAbout);
    EXPECT_TRUE(okClosed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
