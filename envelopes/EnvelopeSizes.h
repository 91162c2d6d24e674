#pragma once
// The envelope definition file RVPENVS.DBF: its rows, and the commands of the
// "Select Envelope Size" dialog on them. Only rows the user added (USERDEF true) may be
// edited or deleted; the delivered rows are fixed.
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace xbase {
class Engine;
class Table;
}  // namespace xbase

namespace rp {

// One row of the definition file, or what the size dialog hands back. Lengths in inches.
struct EnvelopeSize {
    QString name;              // NAME, 20 characters
    QString description;       // DESC, 20 characters ("Size" in the grid)
    double width = 0;          // WIDTH, the long side
    double height = 0;         // HEIGHT, the short side
    bool userDefined = false;  // USERDEF
    bool operator==(const EnvelopeSize&) const = default;
};

inline constexpr char kEditOnlyUserDefined[] =
    QT_TRANSLATE_NOOP("EnvelopeSizes", "You may only edit User Defined envelopes");
inline constexpr char kDeleteOnlyUserDefined[] =
    QT_TRANSLATE_NOOP("EnvelopeSizes", "You may only delete User Defined envelopes");
inline constexpr char kDeleteEnvelopeQuestion[] =
    QT_TRANSLATE_NOOP("EnvelopeSizes", "Delete this envelope?");
inline constexpr char kEnvelopeDefinitionOpenFailed[] = QT_TRANSLATE_NOOP(
    "EnvelopeSizes", "We were unable to open the envelope definition file: RVPENVS.DBF");

// The size of the table's current row; nothing when it stands on none.
std::optional<EnvelopeSize> currentEnvelopeSize(const xbase::Table& sizes);

// Walks the list from the first row and stops on the first row whose NAME equals name exactly
// (letter case and all); otherwise the table ends past the last row. True when found.
bool locateEnvelopeSize(xbase::Table& sizes, const QString& name);

// Appends a row with WIDTH, HEIGHT, NAME, DESC of size and USERDEF true; it becomes current.
void appendEnvelopeSize(xbase::Table& sizes, const EnvelopeSize& size);
// Overwrites WIDTH, HEIGHT, NAME and DESC of the current row (USERDEF is kept).
void overwriteEnvelopeSize(xbase::Table& sizes, const EnvelopeSize& size);

// The size dialog's part in the commands: shown with the caption "Add New Envelope Size"
// (editing false) or "Edit Envelope Size", prefilled from initial; the size saved, or nothing
// when the user cancelled.
using EditEnvelopeSizeFn =
    std::function<std::optional<EnvelopeSize>(const EnvelopeSize& initial, bool editing)>;

// "New", "Edit" and "Delete" of the Select Envelope Size dialog. Each returns true when it
// changed the file; refusals and failures are told in information boxes.
class EnvelopeSizeCommands {
  public:
    EnvelopeSizeCommands(xbase::Table& sizes, EditEnvelopeSizeFn editSize);

    // The size dialog with 9.5 by 4.13 inches, "[enter new name]" and "[enter description]";
    // on Save a user-defined row is appended.
    bool createNew();
    // Only for a user-defined row ("You may only edit User Defined envelopes" otherwise): the
    // size dialog captioned "Edit Envelope Size", prefilled from the row; on Save the row's
    // WIDTH, HEIGHT, NAME and DESC are overwritten.
    bool editCurrent();
    // Only for a user-defined row ("You may only delete User Defined envelopes" otherwise):
    // asks "Delete this envelope?" and on Yes deletes the row.
    bool deleteCurrent();

  private:
    xbase::Table& sizes_;
    EditEnvelopeSizeFn editSize_;
};

// The initial values of the size dialog for "New".
EnvelopeSize newEnvelopeSizeTemplate();

// Opens RVPENVS.DBF from the program folder at its first row; on failure shows "We were unable
// to open the envelope definition file: RVPENVS.DBF" and returns null.
std::unique_ptr<xbase::Table> openEnvelopeDefinitions(xbase::Engine& engine,
                                                      const QString& programFolder);

}  // namespace rp
