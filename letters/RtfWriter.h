#pragma once
// Writes a QTextDocument as RTF: font and colour tables of what it uses, its page layout, a
// paragraph per block with its alignment and a group per fragment with its character format.
// The output is ASCII with CR LF line ends.
#include <QByteArray>

class QTextDocument;

namespace rp {

QByteArray writeRtf(const QTextDocument& document);

}  // namespace rp
