#pragma once
// "Calibrate Printer": prints or previews the calibration page on the chosen printer and paper,
// takes how far its marks landed to the right of and below where they should be (inches or
// millimetres), shows where the crosshairs should land and where they are drawn once corrected,
// and keeps the correction for that printer in RAVENP.INI ("PDF file" has none).
#include <QString>

#include "framework/Dialog.h"
#include "framework/RecordingPreview.h"
#include "mailpiece/PrinterCalibration.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPageSize;
class QRadioButton;
class QTableWidget;

namespace rp {

class PrinterCatalog;

class CalibratePrinterDialog : public Dialog {
    Q_OBJECT
  public:
    // The catalog's selected printer is the one calibrated; iniPath is RAVENP.INI.
    CalibratePrinterDialog(PrinterCatalog& catalog, QString iniPath, QWidget* parent = nullptr);

    void onPrintClicked();
    void onPreviewClicked();
    void onSaveClicked();
    void onClearClicked();

    // The figures as entered, in inches to the hundredth.
    PrinterCorrection enteredCorrection() const;
    MeasureUnit unit() const;

    QComboBox* printerList() const { return printers_; }
    QComboBox* paperList() const { return papers_; }
    QRadioButton* inchesButton() const { return inches_; }
    QRadioButton* millimetresButton() const { return millimetres_; }
    QDoubleSpinBox* rightEdit() const { return right_; }
    QDoubleSpinBox* downEdit() const { return down_; }
    QTableWidget* positionsTable() const { return positions_; }
    QLabel* storedLabel() const { return stored_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* clearButton() const { return clear_; }

    // How the preview's status window and recorded page are shown (a test's hooks); unset, the
    // status window runs modally and the preview window shows the page.
    PreviewHooks previewHooks;

  private:
    void onPrinterChosen();
    void onUnitChanged();
    void showPositions();
    void showStored();
    // The chosen paper on the selected printer.
    void usePaper();
    void setFigures(PrinterCorrection correction);

    PrinterCatalog& catalog_;
    QString iniPath_;
    QComboBox* printers_;
    QComboBox* papers_;
    QRadioButton* inches_;
    QRadioButton* millimetres_;
    QDoubleSpinBox* right_;
    QDoubleSpinBox* down_;
    QTableWidget* positions_;
    QLabel* stored_;
    QPushButton* save_;
    QPushButton* clear_;
    MeasureUnit shownUnit_ = MeasureUnit::Inches;
};

}  // namespace rp
