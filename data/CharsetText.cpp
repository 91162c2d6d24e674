#include "data/CharsetText.h"

#include <unicode/ucnv.h>

#include <memory>

namespace rp {

std::optional<QString> decodeCharset(const QByteArray& bytes, const QString& charset) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(
        ucnv_open(charset.toLatin1().constData(), &status), &ucnv_close);
    if (U_FAILURE(status) || charset.trimmed().isEmpty()) return std::nullopt;
    const auto size = static_cast<int32_t>(bytes.size());
    const int32_t needed =
        ucnv_toUChars(converter.get(), nullptr, 0, bytes.constData(), size, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return std::nullopt;
    QString text(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), needed, bytes.constData(),
                  size, &status);
    if (U_FAILURE(status)) return std::nullopt;
    return text;
}

}  // namespace rp
