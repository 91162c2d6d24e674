#include "letters/LetterText.h"

#include <QByteArray>
#include <QTextDocument>

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {

std::string letterMemoText(const QByteArray& rtf) {
    std::string memo;
    memo.reserve(static_cast<std::size_t>(rtf.size()) + 64);
    qsizetype start = 0;
    const qsizetype size = rtf.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && rtf[end] != '\r' && rtf[end] != '\n') ++end;
        memo.append(rtf.constData() + start, static_cast<std::size_t>(end - start));
        memo.append("\r\n");
        if (end < size && rtf[end] == '\r' && end + 1 < size && rtf[end + 1] == '\n') ++end;
        start = end + 1;
    }
    if (!memo.empty() && memo.size() % 4 == 0) memo.insert(memo.size() - 2, 1, ' ');
    return memo;
}

std::string letterMemoText(const QTextDocument& document) {
    return letterMemoText(writeRtf(document));
}

std::optional<QString> loadLetterText(const std::string& memo, QTextDocument& document) {
    return readRtf(QByteArray::fromRawData(memo.data(), static_cast<qsizetype>(memo.size())),
                   document);
}

}  // namespace rp
