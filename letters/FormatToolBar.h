#pragma once
// The letter designer's formatting tool bar: font, size and colour lists, Normal, Bold, Italic
// and Underline, left, centre and right alignment, and the clipboard and undo commands, all
// working on one QTextEdit. The controls apply to the selection, or to the word under the caret
// and the typing format when nothing is selected, and show the format at the caret as it moves.
#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QToolBar>
#include <utility>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace rp {

// Sizes outside this range typed into the size list are refused.
inline constexpr double kMinFontPointSize = 6.0;
inline constexpr double kMaxFontPointSize = 1638.0;

class FormatToolBar : public QToolBar {
    Q_OBJECT

  public:
    // The tool bar's buttons, in the order they appear.
    enum class Command {
        Normal,
        Bold,
        Italic,
        Underline,
        AlignLeft,
        AlignCenter,
        AlignRight,
        Copy,
        Cut,
        Paste,
        Undo,
        Redo,
    };

    FormatToolBar(QTextEdit* editor, QWidget* parent = nullptr);

    QFontComboBox* fontBox() const { return fontBox_; }
    QComboBox* sizeBox() const { return sizeBox_; }
    QComboBox* colorBox() const { return colorBox_; }
    QAction* action(Command command) const;

    // The point sizes offered by the size list, and the colour list's names and colours.
    static const QList<int>& pointSizes();
    static const QList<std::pair<QString, QColor>>& namedColors();

  private:
    void addFormatControls();
    void addButtons();
    QAction* addCommand(Command command, const QString& name, const QString& themeIcon);

    // Merges format into the selection, or into the word under the caret and the typing format.
    void applyCharFormat(const QTextCharFormat& format);
    void applyFontFamily();
    void applyTypedPointSize(const QString& text);
    void applyColor(int index);
    void applyNormal();
    void applyAlignment(QAction* action);

    // Show the editor's state without applying anything back.
    void showCharFormat(const QTextCharFormat& format);
    void showAlignment();
    void showPasteAvailable();

    QPointer<QTextEdit> editor_;
    QFontComboBox* fontBox_ = nullptr;
    QComboBox* sizeBox_ = nullptr;
    QComboBox* colorBox_ = nullptr;
    QActionGroup* alignGroup_ = nullptr;
    QList<QAction*> actions_;
    // Set while the controls are being brought into line with the caret; edits are not applied.
    bool showing_ = false;
};

}  // namespace rp
