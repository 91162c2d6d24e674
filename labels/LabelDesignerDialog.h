#pragma once
// "Label Setup ": edits a copy of one label setup while a life-size picture shows the current
// address record on the label in the chosen font, at the chosen text position, on the chosen
// stock. The record navigator steps through the address file. Save hands back the edited
// setup; Cancel leaves the caller's setup alone. The working values live in a
// LabelDesignerModel at the screen's pixels per inch; the picture is drawLabelPreview's.
// With the picture focused the arrow keys move the text as the position buttons do and Home
// puts it home.
#include <QStringList>
#include <functional>

#include "framework/Dialog.h"
#include "labels/LabelDesignerModel.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace xbase {
class Table;
}

namespace rp {

class LabelPreviewWidget;

class LabelDesignerDialog : public Dialog {
    Q_OBJECT
  public:
    // addresses may be null (nothing to show on the label); ppi 0 takes the screen's.
    LabelDesignerDialog(const LabelSetup& setup, xbase::Table* addresses, int ppi = 0,
                        QWidget* parent = nullptr);
    ~LabelDesignerDialog() override;

    // "Choose or Define Label": edits the stock of the setup given; true when one was chosen.
    // Until set the button does nothing.
    std::function<bool(LabelSetup& setup)> chooseStock;
    // "Choose Font": true when the user confirmed; LabelFontDialog::choose unless replaced.
    std::function<bool(LabelFont& font)> chooseFont;

    const LabelDesignerModel& model() const { return model_; }
    LabelDesignerModel& model() { return model_; }
    // The setup as Save stores it.
    LabelSetup editedSetup() const;

    // The address lines of the current record as the contents ask for them.
    QStringList addressLines() const;
    // The picture as the preview shows it.
    QImage previewImage() const;
    bool drawingSuspended() const { return suspended_; }
    // How many times the preview was redrawn since activation.
    int redraws() const { return redraws_; }

    void onSaveClicked();
    void onChooseLabelClicked();
    void onChooseFontClicked();
    void onSmallerClicked();
    void onBiggerClicked();
    void onUpClicked();
    void onDownClicked();
    void onLeftClicked();
    void onRightClicked();
    void onHomeClicked();
    void onBarcodeClicked();
    void onContentsClicked();
    void onFirstClicked();
    void onPriorClicked();
    void onNextClicked();
    void onLastClicked();

    QLineEdit* descriptionEdit() const { return description_; }
    QLabel* labelTypeLabel() const { return labelType_; }
    QLabel* fontInfoLabel() const { return fontInfo_; }
    QAbstractButton* chooseLabelButton() const { return chooseLabel_; }
    QAbstractButton* chooseFontButton() const { return chooseFontButton_; }
    QAbstractButton* smallerButton() const { return smaller_; }
    QAbstractButton* biggerButton() const { return bigger_; }
    QAbstractButton* upButton() const { return up_; }
    QAbstractButton* downButton() const { return down_; }
    QAbstractButton* leftButton() const { return left_; }
    QAbstractButton* rightButton() const { return right_; }
    QAbstractButton* homeButton() const { return home_; }
    QCheckBox* nameBox() const { return name_; }
    QCheckBox* titleBox() const { return title_; }
    QCheckBox* organizationBox() const { return organization_; }
    QCheckBox* streetBox() const { return street_; }
    QCheckBox* cityStateBox() const { return cityState_; }
    QCheckBox* countryBox() const { return country_; }
    QCheckBox* phoneBox() const { return phone_; }
    QCheckBox* zipBox() const { return zip_; }
    QCheckBox* barcodeBox() const { return barcode_; }
    QCheckBox* uppercaseBox() const { return uppercase_; }
    QCheckBox* trimBox() const { return trim_; }
    // The ZIP placements 1 to 4: after state, before city, after country, before country.
    QRadioButton* placementButton(ZipPlacement placement) const;
    QAbstractButton* firstButton() const { return first_; }
    QAbstractButton* priorButton() const { return prior_; }
    QAbstractButton* nextButton() const { return next_; }
    QAbstractButton* lastButton() const { return last_; }
    QWidget* preview() const;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activate();
    void showContents();
    void showFontInfo();
    void showBarcodeChoice();
    void resizeLabel();
    void drawLabel();

    LabelDesignerModel model_;
    xbase::Table* addresses_;
    bool suspended_ = true;
    bool activated_ = false;
    int redraws_ = 0;

    QLineEdit* description_;
    QLabel *labelType_, *fontInfo_;
    QAbstractButton *chooseLabel_, *chooseFontButton_, *smaller_, *bigger_;
    QToolButton *up_, *down_, *left_, *right_, *home_;
    QCheckBox *name_, *title_, *organization_, *street_, *cityState_, *country_, *phone_, *zip_;
    QCheckBox *barcode_, *uppercase_, *trim_;
    QButtonGroup* placement_;
    QAbstractButton *first_, *prior_, *next_, *last_;
    LabelPreviewWidget* preview_;
    QWidget* picture_;  // the scrolling area around preview_, which takes the focus
};

// Runs the designer modally on setup over the open address file, "Choose or Define Label"
// reading the label definitions of the program folder (ending in a separator). On Save the
// setup is replaced by the edited one and the result is true.
bool runLabelDesigner(LabelSetup& setup, xbase::Table& addresses, const QString& programFolder,
                      QWidget* parent);

}  // namespace rp
