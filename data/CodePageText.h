#pragma once
// Text in other code pages than Windows-1252, read through ICU's converters: the code page
// mark of a DBF header, and any character set ICU knows by name (as MIME and vCard name them).
#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>

struct UConverter;

namespace rp {

// The ICU name of the character set of a DBF code page mark (header byte 29): "ibm-850" for
// 0x02, "windows-1251" for 0xC9, ...; "windows-1252" for 0 (no mark), 0x03 and marks it does
// not know.
const char* dbfCodePageCharset(std::uint8_t mark);

class CodePageDecoder {
  public:
    // charset: a name ICU knows ("windows-1250", "ISO-8859-2", "ibm-866", "Shift_JIS").
    explicit CodePageDecoder(const char* charset);
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    // Whether the converter could be opened; when not, error() tells why.
    bool ok() const { return converter_ != nullptr; }
    // "The character set windows-9999 cannot be read: U_FILE_ACCESS_ERROR".
    QString error() const;

    // The text of bytes; a byte sequence the character set does not define becomes U+FFFD.
    QString decode(std::string_view bytes) const;

  private:
    QString charset_;
    QString failure_;
    UConverter* converter_ = nullptr;
};

}  // namespace rp
