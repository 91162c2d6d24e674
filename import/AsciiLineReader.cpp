#include "import/AsciiLineReader.h"

#include <QStringDecoder>
#include <algorithm>

#include "data/FieldText.h"

namespace rp {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
// Enough bytes for 2048 characters in any of the encodings read, even after an unfinished
// UTF-8 sequence at the end of a cut line is dropped.
constexpr std::size_t kMaxLineBytes = 4 * kMaxAsciiLineChars + 4;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

QString decodeAsciiLine(std::string_view bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // Stateless: an unfinished sequence at the end is an error, not something to wait for.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? fromFieldBytes(bytes) : text;
}

bool AsciiLineReader::open() {
    return file_.open(QIODevice::ReadOnly) && rewind();
}

QString AsciiLineReader::errorText() const {
    return file_.fileName() + QStringLiteral(": ") + file_.errorString();
}

bool AsciiLineReader::rewind() {
    buffer_.clear();
    pos_ = 0;
    failed_ = false;
    atStart_ = true;
    return file_.seek(0);
}

bool AsciiLineReader::fill() {
    if (failed_) return false;
    buffer_.resize(kChunkBytes);
    const qint64 got = file_.read(buffer_.data(), kChunkBytes);
    if (got < 0) failed_ = true;
    buffer_.resize(std::max<qint64>(got, 0));
    pos_ = 0;
    return got > 0;
}

int AsciiLineReader::peekByte() {
    if (pos_ == buffer_.size() && !fill()) return -1;
    return static_cast<unsigned char>(buffer_[pos_]);
}

AsciiLineReader::Read AsciiLineReader::next(QString* line) {
    bytes_.clear();
    cut_ = false;
    bool any = false;
    int b;
    while ((b = peekByte()) >= 0) {
        ++pos_;
        any = true;
        if (b == '\n') break;
        if (b == '\r') {
            // CR LF is one line end; a CR alone ends the line too.
            if (peekByte() == '\n') ++pos_;
            break;
        }
        if (bytes_.size() < kMaxLineBytes)
            bytes_.push_back(static_cast<char>(b));
        else
            cut_ = true;
    }
    if (failed_) return Read::Failed;
    if (!any) return Read::End;
    std::string_view kept(bytes_);
    // A cut may split a UTF-8 sequence; its bytes lie beyond the characters kept anyway.
    for (int i = 0;
         cut_ && i < 4 && !kept.empty() && static_cast<unsigned char>(kept.back()) >= 0x80; ++i)
        kept.remove_suffix(1);
    if (atStart_ && kept.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        kept.remove_prefix(kByteOrderMark.size());
    atStart_ = false;
    if (!line) return Read::Line;
    *line = decodeAsciiLine(kept);
    if (line->size() > kMaxAsciiLineChars) {
        line->truncate(kMaxAsciiLineChars);
        cut_ = true;
    }
    return Read::Line;
}

}  // namespace rp
