#pragma once
// A Windows-style initialisation file: "[Section]" lines followed by "key=value" lines.
// Sections and keys match without regard to letter case, and blanks around keys and values
// are dropped. Every other line (comments, blank lines, other sections and keys, odd lines)
// is written back exactly as it was read. Nothing keeps the file open: every call reads it,
// and every write that changes something replaces it whole through a temporary file in the
// same folder, so a crash never leaves half a file behind. Lines may end in CR LF or LF; written
// lines end in CR LF.
//
// Any text can be a key: what would break its line ("=" or a line break anywhere, a leading
// "[" or ";", blanks at either end) is written in the file as "%" and hex digits, and so is
// "%" itself; every other key stands in the file as given.
//
// Values are written as UTF-8 without a byte-order mark, so that any path the system allows
// round-trips. A value that is not valid UTF-8 is read as Windows-1252, the code page of
// files written by earlier versions of the program.
#include <QString>
#include <stdexcept>

namespace rp {

// A write that could not replace the file; what() names the file and the reason.
class IniFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class IniFile {
  public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // A missing or unreadable file, section or key gives the default.
    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    // A value that is not a whole number gives the default.
    int readInteger(const QString& section, const QString& key, int def = 0) const;
    // A whole number: non-zero is true, zero false; anything else gives the default.
    bool readBool(const QString& section, const QString& key, bool def = false) const;

    // Replaces the key's first line in the section, adds the key at the end of the section,
    // or adds the section at the end of the file. Line breaks in the value become blanks;
    // blanks around the value are not kept. Throws IniFileError when the file cannot be
    // written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);  // "1" or "0"

  private:
    QString path_;
};

}  // namespace rp
