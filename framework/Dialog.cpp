#include "framework/Dialog.h"

#include "framework/Background.h"
#include "framework/HelpViewer.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace rp {

Dialog::Dialog(QWidget* parent, HelpTopic::Number helpTopic)
    : QDialog(parent), helpTopic_(helpTopic) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    keepTextReadableOnBackground(*this);
}

QPushButton* Dialog::makeHelpButton(const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    button->setWhatsThis(tr("Opens the help page for this window."));
    connect(button, &QPushButton::clicked, this, [this] { showHelpTopic(helpTopic_, this); });
    return button;
}

QPushButton* makeCommandButton(const QString& caption, const QString& help, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setWhatsThis(help);
    button->setAutoDefault(false);
    return button;
}

QToolButton* makeToolButton(const QString& text, const QIcon& icon, const QString& toolTip,
                            const QString& whatsThis, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(icon);
    button->setToolTip(toolTip);
    button->setWhatsThis(whatsThis);
    return button;
}

QToolButton* Dialog::makePointerHelpButton() {
    auto* button = new QToolButton(this);
    button->setText(QStringLiteral("?"));
    button->setIcon(style()->standardIcon(QStyle::SP_TitleBarContextHelpButton, nullptr, this));
    button->setToolTip(tr("Pointer help"));
    button->setAccessibleName(tr("Pointer help"));
    button->setWhatsThis(tr("Click this button, then click any control to read what it does."));
    connect(button, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    return button;
}

void Dialog::layOutAboveButton(QWidget* content, QPushButton* button) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(14);
    layout->addWidget(content);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPoint Dialog::centredOver(const QRect& mainFrame, const QSize& dialogSize) {
    // Integer division truncates toward zero, so a dialog wider than the main window
    // sits (difference / 2) to the left, not one pixel further.
    return {mainFrame.left() + (mainFrame.width() - dialogSize.width()) / 2,
            mainFrame.top() + (mainFrame.height() - dialogSize.height()) / 2};
}

void Dialog::showEvent(QShowEvent* event) {
    if (!placed_ && parentWidget()) {
        placed_ = true;
        move(centredOver(parentWidget()->window()->frameGeometry(), frameGeometry().size()));
    }
    QDialog::showEvent(event);
}

void Dialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    tileBackground(painter, rect(), event->rect());
}

}  // namespace rp
