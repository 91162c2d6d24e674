#pragma once
// What the envelope size dialog does with its lengths, apart from its widgets: the
// lengths are kept in inches; inch mode shows them with 2 decimals, millimetre mode as whole
// millimetres; "Save" takes the shown values back and checks them.
#include <QString>
#include <optional>

namespace rp {

enum class LengthUnit { Inches, Millimeters };

inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kInchesPerMillimetre = 0.039370078740157480314;  // 1 / 25.4

inline constexpr char kHeightTooSmall[] =
    QT_TRANSLATE_NOOP("EnvelopeSizeForm", "Envelope Height must be at least 2 inches (50mm)");
inline constexpr char kWidthTooSmall[] =
    QT_TRANSLATE_NOOP("EnvelopeSizeForm", "Envelope Width must be at least 2 inches (50mm)");
inline constexpr char kNameRequired[] =
    QT_TRANSLATE_NOOP("EnvelopeSizeForm", "A Unique Name is required");
inline constexpr char kDescriptionRequired[] =
    QT_TRANSLATE_NOOP("EnvelopeSizeForm", "A Description is required");

// The captions of the two length boxes.
inline constexpr char kWidthCaption[] = QT_TRANSLATE_NOOP("EnvelopeSizeForm", "Width");
inline constexpr char kHeightCaption[] = QT_TRANSLATE_NOOP("EnvelopeSizeForm", "Height");

// A length as the dialog shows it: "9.50" in inches, "241" in millimetres.
QString shownLength(double inches, LengthUnit unit);
// A shown length read back as inches; text that is no number reads as 0.
double inchesFromShown(const QString& text, LengthUnit unit);

class EnvelopeSizeForm {
  public:
    EnvelopeSizeForm(double widthInches, double heightInches);

    LengthUnit unit() const { return unit_; }
    // The lengths kept, in inches (as of the last unit switch or Save).
    double width() const { return width_; }
    double height() const { return height_; }

    // The texts of the two length fields; the dialog keeps them in step with its edits.
    QString widthText;
    QString heightText;

    // Switching units stores the shown values (as inches) and shows them in the new unit.
    void setUnit(LengthUnit unit);

    // "Save": takes the shown lengths as inches, then checks in order height, width, name,
    // description, and that neither length is larger than a page may be (height first); the
    // first failure's message, or nothing when all pass.
    std::optional<QString> save(const QString& name, const QString& description);

  private:
    void takeShown();
    void show();

    LengthUnit unit_ = LengthUnit::Inches;
    double width_;
    double height_;
};

}  // namespace rp
