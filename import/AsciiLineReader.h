#pragma once
// Reads a text file line by line without holding more than one line: lines end in LF, CR LF or
// a lone CR, and only the first 2048 characters of a line are kept. Each line is decoded on
// its own: as UTF-8 when it is valid UTF-8 with characters beyond ASCII, else as Windows-1252;
// a UTF-8 byte order mark at the start of the file is dropped.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace rp {

inline constexpr int kMaxAsciiLineChars = 2048;

// The text of one line's bytes, by the rule above.
QString decodeAsciiLine(std::string_view bytes);

// One line as the import takes it: a line of ASCII characters only (most lines) as its bytes,
// which are its characters in Windows-1252 as well, without decoding; any other as its text.
struct AsciiLineText {
    bool ascii = true;
    std::string_view bytes;  // the ASCII line, valid until the next read
    QString text;            // the decoded line otherwise
};

// isTextLine and quotesClosed (see AsciiLine.h) of a line as the import takes it.
bool isTextLine(const AsciiLineText& line);
bool quotesClosed(const AsciiLineText& line, QChar delimiter);

class AsciiLineReader {
  public:
    enum class Read { Line, End, Failed };

    explicit AsciiLineReader(const QString& path) : file_(path) {}

    bool open();
    // Back to the first line.
    bool rewind();
    // The next line into *line (decoded and cut to 2048 characters); with line null the line is
    // only passed over, which is how lines are counted.
    Read next(QString* line);
    // The next line, as next gives it, into *line as told at AsciiLineText.
    Read next(AsciiLineText& line);
    // Whether the last line read had more than 2048 characters.
    bool lastLineCut() const { return cut_; }
    // The file's name and what went wrong, after a failed open, rewind or read.
    QString errorText() const;

  private:
    // Reads the next part of the file into the buffer; false at the end or on a failure.
    bool fill();
    // The byte at the reading position, not taken; -1 at the end or after a failure.
    int peekByte();
    // Reads the next line's bytes (the first kMaxLineBytes of them) and answers which bytes of
    // them make the line: a cut UTF-8 sequence at the end and a byte order mark at the start of
    // the file left out. Failed and End as next.
    Read nextBytes(std::string_view& kept);

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool failed_ = false;
    bool atStart_ = true;
    bool cut_ = false;
    std::string bytes_;
};

}  // namespace rp
