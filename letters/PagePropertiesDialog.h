#pragma once
// "Page Properties" of the letter designer: paper size and margins of a letter, shown and typed
// in inches, centimetres or twips. The values are kept in twips; each keystroke that leaves a
// number in a box updates its value, and switching the unit shows all six again from the kept
// values. OK checks the layout and remembers the unit for the next opening in this run.
#include <array>

#include "framework/Dialog.h"
#include "letters/PageUnits.h"
#include "letters/RtfPageLayout.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace rp {

class PagePropertiesDialog : public Dialog {
    Q_OBJECT
  public:
    // Shown when a box is left holding a text that is not a number; %1 is that text.

    explicit PagePropertiesDialog(const PageLayout& layout, QWidget* parent = nullptr);

    // The kept values: what OK accepted, or what has been typed so far.
    PageLayout layout() const { return layout_; }
    PageUnit unit() const { return unit_; }

    // The unit the dialog opens with: the one last accepted with OK, "Inch" before any.
    static PageUnit rememberedUnit();
    static void resetRememberedUnit();

    void onOkClicked();

    QComboBox* unitList() const { return units_; }
    QLineEdit* widthEdit() const { return edit(PageField::Width); }
    QLineEdit* heightEdit() const { return edit(PageField::Height); }
    QLineEdit* topEdit() const { return edit(PageField::Top); }
    QLineEdit* bottomEdit() const { return edit(PageField::Bottom); }
    QLineEdit* leftEdit() const { return edit(PageField::Left); }
    QLineEdit* rightEdit() const { return edit(PageField::Right); }
    QLineEdit* edit(PageField field) const { return edits_[static_cast<size_t>(field)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QLineEdit* makeEdit(PageField field, const QString& name, const QString& help);
    int& kept(PageField field);
    void showValues();
    void onUnitChosen(int index);
    void onTextEdited(PageField field, const QString& text);
    void onEditingFinished(PageField field);

    PageLayout layout_;
    PageUnit unit_;
    QComboBox* units_;
    std::array<QLineEdit*, 6> edits_{};
    QPushButton* ok_;
    QPushButton* cancel_;
    bool reporting_ = false;
};

}  // namespace rp
