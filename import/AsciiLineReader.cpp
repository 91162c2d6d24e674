#include "import/AsciiLineReader.h"

#include <QStringDecoder>
#include <algorithm>

#include "data/FieldText.h"
#include "import/AsciiLine.h"

namespace rp {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
// Enough bytes for 2048 characters in any of the encodings read, even after an unfinished
// UTF-8 sequence at the end of a cut line is dropped.
constexpr std::size_t kMaxLineBytes = 4 * kMaxAsciiLineChars + 4;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

bool isTextLine(const AsciiLineText& line) {
    if (!line.ascii) return isTextLine(line.text);
    return line.bytes.find('\0') == std::string_view::npos;
}

bool quotesClosed(const AsciiLineText& line, QChar delimiter) {
    // The delimiters offered are all ASCII characters, which stand for themselves in bytes.
    if (!line.ascii || delimiter.unicode() >= 0x80)
        return quotesClosed(
            line.ascii
                ? QString::fromLatin1(line.bytes.data(), static_cast<qsizetype>(line.bytes.size()))
                : line.text,
            delimiter);
    return !scanAsciiValues(line.bytes.data(), line.bytes.size(),
                            static_cast<char>(delimiter.unicode()),
                            [](std::size_t, std::size_t) { return true; });
}

QString decodeAsciiLine(std::string_view bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
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

AsciiLineReader::Read AsciiLineReader::nextBytes(std::string_view& kept) {
    bytes_.clear();
    cut_ = false;
    bool any = false;
    for (;;) {
        if (pos_ == buffer_.size() && !fill()) break;
        any = true;
        const char* from = buffer_.constData() + pos_;
        const char* end = buffer_.constData() + buffer_.size();
        const char* stop = from;
        while (stop != end && *stop != '\n' && *stop != '\r') ++stop;
        const std::size_t room = kMaxLineBytes - std::min(kMaxLineBytes, bytes_.size());
        const auto length = static_cast<std::size_t>(stop - from);
        bytes_.append(from, std::min(length, room));
        if (length > room) cut_ = true;
        pos_ += static_cast<qsizetype>(length);
        if (stop == end) continue;
        ++pos_;
        // CR LF is one line end; a CR alone ends the line too.
        if (*stop == '\r' && peekByte() == '\n') ++pos_;
        break;
    }
    if (failed_) return Read::Failed;
    if (!any) return Read::End;
    kept = bytes_;
    // A cut may split a UTF-8 sequence; its bytes lie beyond the characters kept anyway.
    for (int i = 0;
         cut_ && i < 4 && !kept.empty() && static_cast<unsigned char>(kept.back()) >= 0x80; ++i)
        kept.remove_suffix(1);
    if (atStart_ && kept.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        kept.remove_prefix(kByteOrderMark.size());
    atStart_ = false;
    return Read::Line;
}

AsciiLineReader::Read AsciiLineReader::next(QString* line) {
    std::string_view kept;
    const Read r = nextBytes(kept);
    if (r != Read::Line || !line) return r;
    *line = decodeAsciiLine(kept);
    if (line->size() > kMaxAsciiLineChars) {
        line->truncate(kMaxAsciiLineChars);
        cut_ = true;
    }
    return Read::Line;
}

AsciiLineReader::Read AsciiLineReader::next(AsciiLineText& line) {
    std::string_view kept;
    const Read r = nextBytes(kept);
    if (r != Read::Line) return r;
    line.ascii = isAscii(kept);
    if (!line.ascii) {
        line.text = decodeAsciiLine(kept);
        if (line.text.size() > kMaxAsciiLineChars) {
            line.text.truncate(kMaxAsciiLineChars);
            cut_ = true;
        }
        return r;
    }
    // One character a byte.
    if (kept.size() > kMaxAsciiLineChars) {
        kept = kept.substr(0, kMaxAsciiLineChars);
        cut_ = true;
    }
    line.bytes = kept;
    return r;
}

}  // namespace rp
