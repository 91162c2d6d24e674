#include "import/VcardCharset.h"

#include <QStringDecoder>
#include <string_view>

#include "data/FieldText.h"

namespace rp {
namespace {

QString windows1252(const QByteArray& bytes) {
    return fromFieldBytes(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

std::optional<QString> decodeVcardText(const QByteArray& bytes, const QString& charset) {
    const QString name = charset.trimmed().toUpper();
    if (name.isEmpty()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        return utf8.hasError() ? windows1252(bytes) : text;
    }
    if (name == QLatin1String("WINDOWS-1252") || name == QLatin1String("CP1252"))
        return windows1252(bytes);
    if (name == QLatin1String("US-ASCII") || name == QLatin1String("ASCII"))
        return QString::fromLatin1(bytes);
    // Qt reads the UTF encodings and Latin-1 (ISO-8859-1, US-ASCII) by these names.
    QStringDecoder decoder(name.toLatin1().constData());
    if (!decoder.isValid()) return std::nullopt;
    return decoder.decode(bytes);
}

}  // namespace rp
