#pragma once
// The import layout: one entry per column (or source field) of the file being imported, each
// naming the address field that receives it, and the captions of those address fields.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace rp {

struct ImportColumn {
    char sourceType = ' ';   // field type letter of a DBF source field
    QString sourceName;      // field name of a DBF source field, at most 20 characters
    std::int32_t width = 0;  // longest value seen in the sample; a DBF source field's width
    QString match;           // caption of the receiving address field; empty = not imported
};

inline constexpr int kMaxImportColumns = 255;
inline constexpr int kMaxMatchLength = 20;

struct ImportLayout {
    std::vector<ImportColumn> columns;

    int columnCount() const { return static_cast<int>(columns.size()); }
    bool anyMatch() const;
};

struct MatchTarget {
    const char* caption;
    const char* field;
};

// The address fields a column can go into, in the order their buttons are shown.
const std::array<MatchTarget, 16>& matchTargets();

// The caption that clears a column's match, and the one whose values are added as memo lines.
inline const QString kNoMatchCaption = QStringLiteral("(none)");
inline const QString kMemoCaption = QStringLiteral("Memo");

// The field a caption fills; null for a caption that is not a target.
const char* matchedField(const QString& caption);

}  // namespace rp
