#pragma once
// The "Envelope Designer": edits a copy of one envelope setup on two pages, "Envelope Design"
// (the envelope with its items, drawn by EnvelopeDesignView) and "Envelope Options" (the
// envelope size, the delivery address contents and the feed method), with the description,
// the "Record" buttons that move through the address file, "Save", "Help" (topic 1019) and
// "Cancel". Save ends with an OK result and setup() holds the edited copy.
#include <QStringList>
#include <functional>
#include <optional>

#include "envelopes/EnvelopeDesignModel.h"
#include "framework/Dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolButton;

namespace xbase {
class Table;
}

namespace rp {

class EnvelopeDesignView;

class EnvelopeDesignerDialog : public Dialog {
    Q_OBJECT
  public:
    // addresses: the address file, whose current record is the delivery address; the
    // "Record" buttons move it. programFolder (ending in a separator) holds RVPENVS.DBF.
    // ppi: pixels per inch of the designer's drawing; 0 takes the window's screen.
    EnvelopeDesignerDialog(const EnvelopeSetup& setup, xbase::Table& addresses,
                           QString programFolder, QWidget* parent = nullptr, int ppi = 0);
    ~EnvelopeDesignerDialog() override;

    // The windows the designer opens, replaceable for tests. Each gives nothing on Cancel.
    std::function<std::optional<DesignFont>(const DesignFont& font)> chooseFont;
    std::function<std::optional<QStringList>(const QStringList& lines)> editReturnAddress;
    std::function<std::optional<QString>(const QString& text)> askMessage;
    std::function<std::optional<EnvelopeSize>(const QString& envName)> chooseSize;

    // The working setup: after Save, the edited one.
    const EnvelopeSetup& setup() const { return model_.setup(); }
    EnvelopeDesignModel& model() { return model_; }

    void onSaveClicked();
    void onZoomClicked(int percent);
    void onChooseEnvelopeClicked();
    void onContentsClicked();
    void onFeedClicked();
    void onFontRequested(DesignItem item);
    void onTextRequested(DesignItem item);
    void firstRecord();
    void previousRecord();
    void nextRecord();
    void lastRecord();

    QTabWidget* pages() const { return pages_; }
    EnvelopeDesignView* view() const { return view_; }
    QCheckBox* returnCheck() const { return useReturn_; }
    QCheckBox* messageCheck() const { return useMessage_; }
    QCheckBox* barcodeCheck() const { return barcode_; }
    QCheckBox* outlinesCheck() const { return outlines_; }
    QRadioButton* zoomButton(int percent) const;
    QLabel* envelopeNameLabel() const { return envName_; }
    QPushButton* chooseEnvelopeButton() const { return chooseEnvelope_; }
    QCheckBox* contentsCheck(const QString& caption) const;
    QRadioButton* zipButton(ZipPlacement placement) const;
    QRadioButton* positionButton(FeedPosition position) const;
    QRadioButton* orientationButton(int orient) const;
    QRadioButton* facingButton(int facing) const;
    QCheckBox* clockwiseCheck() const { return clockwise_; }
    QWidget* feedPicture() const { return feedPicture_; }
    QLineEdit* descriptionEdit() const { return description_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }
    QToolButton* recordButton(int index) const { return records_[index]; }

  private:
    QWidget* buildDesignPage();
    QWidget* buildOptionsPage();
    QWidget* buildContentsBox();
    QWidget* buildFeedBox();
    QWidget* buildRecordBox();
    void loadControls();
    void refreshDelivery();
    void moveRecord(const std::function<void()>& move);
    void showFeed();

    EnvelopeDesignModel model_;
    xbase::Table& addresses_;
    QString programFolder_;
    bool opened_ = false;

    QTabWidget* pages_;
    EnvelopeDesignView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QCheckBox *useReturn_ = nullptr, *useMessage_ = nullptr, *barcode_ = nullptr,
              *outlines_ = nullptr;
    QButtonGroup* zoom_ = nullptr;
    QLabel* envName_ = nullptr;
    QPushButton* chooseEnvelope_ = nullptr;
    QList<QCheckBox*> contents_;
    QButtonGroup* zip_ = nullptr;
    QCheckBox* uppercase_ = nullptr;
    QButtonGroup *position_ = nullptr, *orient_ = nullptr, *facing_ = nullptr;
    QCheckBox* clockwise_ = nullptr;
    QWidget* feedPicture_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPushButton *save_ = nullptr, *cancel_ = nullptr;
    QToolButton* records_[4] = {};
};

// Runs the designer modally on copy; true when the user saved, copy then holding the edit.
bool runEnvelopeDesigner(EnvelopeSetup& copy, xbase::Table& addresses, const QString& programFolder,
                         QWidget* parent);

}  // namespace rp
