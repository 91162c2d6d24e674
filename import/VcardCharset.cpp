#include "import/VcardCharset.h"

#include <QStringDecoder>
#include <string_view>

#include "data/CodePageText.h"
#include "data/FieldText.h"

namespace rp {

std::optional<QString> decodeVcardText(const QByteArray& bytes, const QString& charset) {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!charset.trimmed().isEmpty()) {
        const CodePageDecoder decoder(charset.trimmed().toLatin1().constData());
        if (!decoder.ok()) return std::nullopt;
        return decoder.decode(view);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromFieldBytes(view) : text;
}

}  // namespace rp
