#include "framework/StartScreen.h"

#include "framework/Background.h"
#include "framework/Dialog.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rp {
namespace {

constexpr QColor inkColour(0x2b, 0x3a, 0x52);
constexpr QColor ruleColour(0x8a, 0x7f, 0x6a);

QLabel* makeLine(const QString& text, QWidget* parent, qreal pointSize, int weight) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Weight(weight));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, inkColour);
    label->setPalette(palette);
    return label;
}

}  // namespace

StartScreen::StartScreen(Kind kind, QWidget* parent) : QDialog(parent) {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= kind == Kind::StartScreen ? Qt::SplashScreen | Qt::WindowStaysOnTopHint : Qt::Dialog;
    setWindowFlags(flags);
    setWindowTitle(kind == Kind::About ? tr("About Ravenpost")
                                       : QStringLiteral("Ravenpost"));  // the program's name

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(56, 40, 56, 28);
    layout->setSpacing(4);
    layout->addWidget(makeLine(QStringLiteral("Ravenpost"), this, 32, QFont::Bold));  // the name
    layout->addSpacing(28);
    layout->addWidget(makeLine(versionLine(), this, 9.5, QFont::Normal));

    if (kind == Kind::About) {
        auto* ok = new QPushButton(tr("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        layout->addSpacing(16);
        layout->addWidget(ok, 0, Qt::AlignHCenter);
    } else {
        layout->addSpacing(12);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StartScreen::showAbout(QWidget* parent) {
    StartScreen about(Kind::About, parent);
    about.exec();
}

QString StartScreen::versionLine() {
    const QString version = QCoreApplication::applicationVersion();
    return tr("Version %1").arg(version.isEmpty() ? QStringLiteral(RAVENPOST_VERSION) : version);
}

void StartScreen::showEvent(QShowEvent* event) {
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) move(Dialog::centredOver(screen->availableGeometry(), frameGeometry().size()));
    QDialog::showEvent(event);
}

void StartScreen::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    tileBackground(painter, rect(), event->rect());
    // A double rule frames the panel, since it has no window border of its own.
    painter.setPen(QPen(ruleColour, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(ruleColour.lighter(130), 1));
    painter.drawRect(rect().adjusted(5, 5, -6, -6));
}

}  // namespace rp
