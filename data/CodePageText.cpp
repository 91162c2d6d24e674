#include "data/CodePageText.h"

#include <unicode/ucnv.h>

#include <QCoreApplication>
#include <vector>

namespace rp {

const char* dbfCodePageCharset(std::uint8_t mark) {
    struct Mark {
        std::uint8_t mark;
        const char* charset;
    };
    // The code page marks of dBASE, FoxPro and Visual FoxPro.
    static constexpr Mark kMarks[] = {
        {0x01, "ibm-437"},      {0x02, "ibm-850"},        {0x04, "macintosh"},
        {0x64, "ibm-852"},      {0x65, "ibm-866"},        {0x66, "ibm-865"},
        {0x67, "ibm-861"},      {0x6A, "ibm-737"},        {0x6B, "ibm-857"},
        {0x78, "windows-950"},  {0x79, "windows-949"},    {0x7A, "windows-936"},
        {0x7B, "windows-932"},  {0x7C, "windows-874"},    {0x7D, "windows-1255"},
        {0x7E, "windows-1256"}, {0x96, "x-mac-cyrillic"}, {0x97, "x-mac-centraleurroman"},
        {0x98, "x-mac-greek"},  {0xC8, "windows-1250"},   {0xC9, "windows-1251"},
        {0xCA, "windows-1254"}, {0xCB, "windows-1253"},   {0xCC, "windows-1257"},
    };
    for (const Mark& m : kMarks)
        if (m.mark == mark) return m.charset;
    return "windows-1252";
}

CodePageDecoder::CodePageDecoder(const char* charset) : charset_(QString::fromLatin1(charset)) {
    UErrorCode status = U_ZERO_ERROR;
    converter_ = ucnv_open(charset, &status);
    if (U_FAILURE(status)) {
        if (converter_) ucnv_close(converter_);
        converter_ = nullptr;
        failure_ = QString::fromLatin1(u_errorName(status));
    }
}

CodePageDecoder::~CodePageDecoder() {
    if (converter_) ucnv_close(converter_);
}

QString CodePageDecoder::error() const {
    return QCoreApplication::translate("CodePageDecoder", "The character set %1 cannot be read: %2")
        .arg(charset_, failure_);
}

QString CodePageDecoder::decode(std::string_view bytes) const {
    if (!converter_ || bytes.empty()) return {};
    // No character set of these yields more than two UTF-16 units a byte.
    std::vector<UChar> out(bytes.size() * 2 + 1);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter_);
    const int32_t length = ucnv_toUChars(converter_, out.data(), static_cast<int32_t>(out.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status)) return {};
    return QString(reinterpret_cast<const QChar*>(out.data()), length);
}

}  // namespace rp
