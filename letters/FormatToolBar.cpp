#include "letters/FormatToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <tuple>

namespace rp {
namespace {

constexpr int kIconSize = 16;

// An icon drawn by paint in kIconSize logical pixels, at one and two device pixels a pixel so
// that it stays sharp on a high-resolution screen.
template <typename Paint>
QIcon drawnIcon(Paint paint) {
    QIcon icon;
    for (const int ratio : {1, 2}) {
        QPixmap pixmap(kIconSize * ratio, kIconSize * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon swatchIcon(const QColor& color) {
    return drawnIcon([&color](QPainter& painter) {
        painter.setPen(QColor(Qt::darkGray));
        painter.setBrush(color);
        painter.drawRect(1, 2, kIconSize - 3, kIconSize - 5);
    });
}

// Four lines of text set to the left, centre or right, for when the icon theme has none.
QIcon alignmentIcon(Qt::Alignment alignment, const QColor& ink) {
    return drawnIcon([alignment, &ink](QPainter& painter) {
        constexpr int kWidths[] = {14, 9, 14, 9};
        int y = 3;
        for (const int width : kWidths) {
            int x = 1;
            if (alignment & Qt::AlignHCenter) x = (kIconSize - width) / 2;
            if (alignment & Qt::AlignRight) x = kIconSize - 1 - width;
            painter.fillRect(x, y, width, 2, ink);
            y += 3;
        }
    });
}

Qt::Alignment alignmentOf(FormatToolBar::Command command) {
    switch (command) {
        case FormatToolBar::Command::AlignCenter:
            return Qt::AlignHCenter;
        case FormatToolBar::Command::AlignRight:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

const QList<int>& FormatToolBar::pointSizes() {
    static const QList<int> sizes{6,  7,  8,  9,  10, 11, 12, 14, 16,
                                  18, 20, 22, 24, 26, 28, 36, 48, 72};
    return sizes;
}

const QList<std::pair<QString, QColor>>& FormatToolBar::namedColors() {
    static const QList<std::pair<QString, QColor>> colors{
        {tr("Black"), QColor(0x00, 0x00, 0x00)},  {tr("Maroon"), QColor(0x80, 0x00, 0x00)},
        {tr("Green"), QColor(0x00, 0x80, 0x00)},  {tr("Olive"), QColor(0x80, 0x80, 0x00)},
        {tr("Navy"), QColor(0x00, 0x00, 0x80)},   {tr("Purple"), QColor(0x80, 0x00, 0x80)},
        {tr("Teal"), QColor(0x00, 0x80, 0x80)},   {tr("Gray"), QColor(0x80, 0x80, 0x80)},
        {tr("Silver"), QColor(0xC0, 0xC0, 0xC0)}, {tr("Red"), QColor(0xFF, 0x00, 0x00)},
        {tr("Lime"), QColor(0x00, 0xFF, 0x00)},   {tr("Yellow"), QColor(0xFF, 0xFF, 0x00)},
        {tr("Blue"), QColor(0x00, 0x00, 0xFF)},   {tr("Fuchsia"), QColor(0xFF, 0x00, 0xFF)},
        {tr("Aqua"), QColor(0x00, 0xFF, 0xFF)},   {tr("White"), QColor(0xFF, 0xFF, 0xFF)},
    };
    return colors;
}

FormatToolBar::FormatToolBar(QTextEdit* editor, QWidget* parent)
    : QToolBar(tr("Format"), parent), editor_(editor) {
    setObjectName(QStringLiteral("formatToolBar"));
    setIconSize(QSize(kIconSize, kIconSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    addFormatControls();
    addButtons();

    connect(editor_, &QTextEdit::currentCharFormatChanged, this,
            [this](const QTextCharFormat& format) { showCharFormat(format); });
    connect(editor_, &QTextEdit::cursorPositionChanged, this, [this] {
        showCharFormat(editor_->currentCharFormat());
        showAlignment();
    });
    // Undo and redo change formats without moving the caret.
    connect(editor_, &QTextEdit::textChanged, this, [this] {
        showCharFormat(editor_->currentCharFormat());
        showAlignment();
    });
    connect(editor_, &QTextEdit::copyAvailable, this, [this](bool available) {
        action(Command::Copy)->setEnabled(available);
        action(Command::Cut)->setEnabled(available && !editor_->isReadOnly());
    });
    connect(editor_, &QTextEdit::undoAvailable, action(Command::Undo), &QAction::setEnabled);
    connect(editor_, &QTextEdit::redoAvailable, action(Command::Redo), &QAction::setEnabled);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &FormatToolBar::showPasteAvailable);

    const bool selected = editor_->textCursor().hasSelection();
    action(Command::Copy)->setEnabled(selected);
    action(Command::Cut)->setEnabled(selected && !editor_->isReadOnly());
    action(Command::Undo)->setEnabled(editor_->document()->isUndoAvailable());
    action(Command::Redo)->setEnabled(editor_->document()->isRedoAvailable());
    showPasteAvailable();
    showCharFormat(editor_->currentCharFormat());
    showAlignment();
}

QAction* FormatToolBar::action(Command command) const {
    return actions_.at(static_cast<qsizetype>(command));
}

void FormatToolBar::addFormatControls() {
    fontBox_ = new QFontComboBox(this);
    fontBox_->setObjectName(QStringLiteral("fontBox"));
    fontBox_->setAccessibleName(tr("Font"));
    fontBox_->setToolTip(tr("Font"));
    connect(fontBox_, &QFontComboBox::currentFontChanged, this, &FormatToolBar::applyFontFamily);
    addWidget(fontBox_);

    sizeBox_ = new QComboBox(this);
    sizeBox_->setObjectName(QStringLiteral("sizeBox"));
    sizeBox_->setAccessibleName(tr("Font Size"));
    sizeBox_->setToolTip(tr("Font Size"));
    sizeBox_->setEditable(true);
    // Typed sizes are checked and applied here, never added to the list; without a completer a
    // typed "4" stays "4" instead of being completed to "48".
    sizeBox_->setInsertPolicy(QComboBox::NoInsert);
    sizeBox_->setCompleter(nullptr);
    sizeBox_->setMinimumContentsLength(3);
    for (const int size : pointSizes()) sizeBox_->addItem(QString::number(size));
    connect(sizeBox_, &QComboBox::textActivated, this, &FormatToolBar::applyTypedPointSize);
    connect(sizeBox_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { applyTypedPointSize(sizeBox_->lineEdit()->text()); });
    // Leaving the list with a size not applied shows the size at the caret again.
    connect(sizeBox_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (editor_) showCharFormat(editor_->currentCharFormat());
    });
    addWidget(sizeBox_);

    colorBox_ = new QComboBox(this);
    colorBox_->setObjectName(QStringLiteral("colorBox"));
    colorBox_->setAccessibleName(tr("Font Color"));
    colorBox_->setToolTip(tr("Font Color"));
    colorBox_->setIconSize(QSize(kIconSize, kIconSize));
    for (const auto& [name, color] : namedColors()) {
        colorBox_->addItem(swatchIcon(color), name, color);
    }
    connect(colorBox_, &QComboBox::activated, this, &FormatToolBar::applyColor);
    addWidget(colorBox_);
    addSeparator();
}

void FormatToolBar::addButtons() {
    addCommand(Command::Normal, tr("Normal"), QString());
    connect(action(Command::Normal), &QAction::triggered, this, &FormatToolBar::applyNormal);

    struct Style {
        Command command;
        QString name;
        QString label;
    };
    const Style styles[] = {{Command::Bold, tr("Bold"), tr("B")},
                            {Command::Italic, tr("Italic"), tr("I")},
                            {Command::Underline, tr("Underline"), tr("U")}};
    for (const Style& style : styles) {
        QAction* button = addCommand(style.command, style.name, QString());
        button->setIconText(style.label);
        button->setCheckable(true);
        QFont font = button->font();
        font.setBold(style.command == Command::Bold);
        font.setItalic(style.command == Command::Italic);
        font.setUnderline(style.command == Command::Underline);
        button->setFont(font);
        connect(button, &QAction::triggered, this, [this, command = style.command](bool on) {
            QTextCharFormat format;
            if (command == Command::Bold) format.setFontWeight(on ? QFont::Bold : QFont::Normal);
            if (command == Command::Italic) format.setFontItalic(on);
            if (command == Command::Underline) format.setFontUnderline(on);
            applyCharFormat(format);
        });
    }
    addSeparator();

    alignGroup_ = new QActionGroup(this);
    const QColor ink = palette().color(QPalette::ButtonText);
    const std::tuple<Command, QString, QString> alignments[] = {
        {Command::AlignLeft, tr("Left"), QStringLiteral("format-justify-left")},
        {Command::AlignCenter, tr("Center"), QStringLiteral("format-justify-center")},
        {Command::AlignRight, tr("Right"), QStringLiteral("format-justify-right")}};
    for (const auto& [command, name, themeIcon] : alignments) {
        QAction* button = addCommand(command, name, QString());
        button->setIcon(QIcon::fromTheme(themeIcon, alignmentIcon(alignmentOf(command), ink)));
        button->setCheckable(true);
        alignGroup_->addAction(button);
    }
    connect(alignGroup_, &QActionGroup::triggered, this, &FormatToolBar::applyAlignment);
    addSeparator();

    addCommand(Command::Copy, tr("Copy"), QStringLiteral("edit-copy"));
    addCommand(Command::Cut, tr("Cut"), QStringLiteral("edit-cut"));
    addCommand(Command::Paste, tr("Paste"), QStringLiteral("edit-paste"));
    addCommand(Command::Undo, tr("Undo"), QStringLiteral("edit-undo"));
    addCommand(Command::Redo, tr("Redo"), QStringLiteral("edit-redo"));
    const std::pair<Command, void (QTextEdit::*)()> edits[] = {{Command::Copy, &QTextEdit::copy},
                                                               {Command::Cut, &QTextEdit::cut},
                                                               {Command::Paste, &QTextEdit::paste},
                                                               {Command::Undo, &QTextEdit::undo},
                                                               {Command::Redo, &QTextEdit::redo}};
    for (const auto& [command, slot] : edits) {
        connect(action(command), &QAction::triggered, this, [this, slot = slot] {
            if (!editor_) return;
            (editor_->*slot)();
            editor_->setFocus();
        });
    }
}

QAction* FormatToolBar::addCommand(Command command, const QString& name, const QString& themeIcon) {
    Q_ASSERT(actions_.size() == static_cast<qsizetype>(command));
    QAction* button = addAction(name);
    button->setToolTip(name);
    // Without a theme icon the button shows its name.
    if (!themeIcon.isEmpty()) button->setIcon(QIcon::fromTheme(themeIcon));
    actions_.append(button);
    return button;
}

void FormatToolBar::applyCharFormat(const QTextCharFormat& format) {
    if (!editor_ || showing_) return;
    QTextCursor cursor = editor_->textCursor();
    if (!cursor.hasSelection()) {
        cursor.select(QTextCursor::WordUnderCursor);
        if (cursor.hasSelection()) cursor.mergeCharFormat(format);
    }
    editor_->mergeCurrentCharFormat(format);
    showCharFormat(editor_->currentCharFormat());
    editor_->setFocus();
}

void FormatToolBar::applyFontFamily() {
    if (!editor_ || showing_) return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{fontBox_->currentFont().family()});
    applyCharFormat(format);
}

void FormatToolBar::applyTypedPointSize(const QString& text) {
    if (!editor_ || showing_) return;
    bool ok = false;
    double size = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) size = text.trimmed().toDouble(&ok);
    if (!ok || size < kMinFontPointSize || size > kMaxFontPointSize) {
        showCharFormat(editor_->currentCharFormat());
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(size);
    applyCharFormat(format);
}

void FormatToolBar::applyColor(int index) {
    if (!editor_ || showing_ || index < 0) return;
    QTextCharFormat format;
    format.setForeground(colorBox_->itemData(index).value<QColor>());
    applyCharFormat(format);
}

void FormatToolBar::applyNormal() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    applyCharFormat(format);
}

void FormatToolBar::applyAlignment(QAction* button) {
    if (!editor_ || showing_) return;
    editor_->setAlignment(alignmentOf(static_cast<Command>(actions_.indexOf(button))));
    editor_->setFocus();
}

void FormatToolBar::showCharFormat(const QTextCharFormat& format) {
    if (!editor_) return;
    const QScopedValueRollback guard(showing_, true);
    const QFont font = format.font().resolve(editor_->document()->defaultFont());

    fontBox_->setCurrentFont(font);
    // A family the system lacks is still shown by name.
    if (fontBox_->currentText() != font.family()) fontBox_->setEditText(font.family());

    const QString size = font.pointSizeF() > 0 ? QLocale().toString(font.pointSizeF()) : QString();
    const int sizeIndex = sizeBox_->findText(size);
    sizeBox_->setCurrentIndex(sizeIndex);
    if (sizeIndex < 0) sizeBox_->setEditText(size);

    const QColor color = format.hasProperty(QTextFormat::ForegroundBrush)
                             ? format.foreground().color()
                             : editor_->palette().color(QPalette::Text);
    int colorIndex = -1;
    for (int i = 0; i < colorBox_->count(); ++i) {
        if (colorBox_->itemData(i).value<QColor>().rgba() == color.rgba()) colorIndex = i;
    }
    colorBox_->setCurrentIndex(colorIndex);

    action(Command::Bold)->setChecked(font.bold());
    action(Command::Italic)->setChecked(font.italic());
    action(Command::Underline)->setChecked(font.underline());
}

void FormatToolBar::showAlignment() {
    if (!editor_) return;
    const QScopedValueRollback guard(showing_, true);
    const Qt::Alignment alignment = editor_->alignment();
    if (alignment & Qt::AlignJustify) {
        // Justified text has no button of its own: none is checked.
        alignGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
        for (QAction* button : alignGroup_->actions()) button->setChecked(false);
        alignGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        return;
    }
    Command command = Command::AlignLeft;
    if (alignment & Qt::AlignHCenter) command = Command::AlignCenter;
    if (alignment & Qt::AlignRight) command = Command::AlignRight;
    action(command)->setChecked(true);
}

void FormatToolBar::showPasteAvailable() {
    if (editor_) action(Command::Paste)->setEnabled(editor_->canPaste());
}

}  // namespace rp
