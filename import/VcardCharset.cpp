#include "import/VcardCharset.h"

#include <QStringDecoder>
#include <string_view>

#include "data/CharsetText.h"
#include "data/FieldText.h"

namespace rp {

std::optional<QString> decodeVcardText(const QByteArray& bytes, const QString& charset) {
    if (!charset.trimmed().isEmpty()) return decodeCharset(bytes, charset.trimmed());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return fromFieldBytes(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace rp
