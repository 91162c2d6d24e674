#include "import/DbfMatching.h"

#include <algorithm>

namespace rp {
namespace {

struct NameRule {
    const char* caption;
    std::initializer_list<const char*> words;
};

}  // namespace

const std::array<DbfMatchRow, kDbfMatchRows>& dbfMatchRows() {
    static const std::array<DbfMatchRow, kDbfMatchRows> rows{{
        {"Prefix", "PREFIX", "CNL"},
        {"First", "FNAME", "CNL"},
        {"Last", "LNAME", "CNL"},
        {"Middle", "MIDDLE", "CNL"},
        {"Title", "TITLE", "CNL"},
        {"Organization", "ORG", "CNL"},
        {"Street", "STREET", "CNL"},
        {"City", "CITY", "CNL"},
        {"State/Province", "STATE", "CNL"},
        {"Zip/Post Code", "ZIP", "CNL"},
        {"Country", "COUNTRY", "CNL"},
        {"Phone", "PHONE", "CNL"},
        {"Fax", "FAX", "CNL"},
        {"E-Mail", "EMAIL", "CNL"},
        {"Codes", "NOTES", "CNL"},
        {"Date", "DATE", "D"},
        {"Memo", "MEMO", "M"},
    }};
    return rows;
}

QString proposedDbfMatch(const QString& name, char type) {
    static const NameRule rules[] = {
        {"Last", {"LAST", "LNAME", "SURNAME"}},
        {"First", {"FIRST", "FNAME", "GIVEN"}},
        {"Prefix", {"PREFIX", "SALUT"}},
        {"Middle", {"MIDDLE", "INIT"}},
        {"Title", {"TITLE", "POSITION", "JOB"}},
        {"Organization", {"ORG", "COMPANY", "ASSOC"}},
        {"Street", {"STREET", "ADDRESS", "SA"}},
        {"City", {"CITY"}},
        {"State/Province", {"STATE", "PROVINCE"}},
        {"Zip/Post Code", {"ZIP", "POSTAL", "POSTCODE", "CODE"}},
        {"Country", {"COUNTRY", "CTRY"}},
        {"Phone", {"PHONE", "TELE"}},
        {"Fax", {"FAX"}},
        {"E-Mail", {"EMAIL", "E-MAIL"}},
        {"Codes", {"NOTES", "CODES"}},
    };
    if (type == 'G') return {};
    if (type == 'M') return kMemoCaption;
    const QString upper = name.toUpper();
    for (const NameRule& rule : rules)
        for (const char* word : rule.words)
            if (upper.contains(QLatin1String(word))) return QLatin1String(rule.caption);
    if (type == 'D') return QStringLiteral("Date");
    return {};
}

DbfMatching::DbfMatching(const ImportLayout& layout) : layout_(layout) {
    for (std::size_t r = 0; r < shown_.size(); ++r) {
        const QString caption = QLatin1String(dbfMatchRows()[r].caption);
        const auto column =
            std::find_if(layout.columns.begin(), layout.columns.end(), [&](const ImportColumn& c) {
                return c.match.compare(caption, Qt::CaseInsensitive) == 0;
            });
        if (column != layout.columns.end()) shown_[r] = column->sourceName;
    }
}

void DbfMatching::propose() {
    for (const ImportColumn& column : layout_.columns) {
        const QString caption = proposedDbfMatch(column.sourceName, column.sourceType);
        for (std::size_t r = 0; r < shown_.size(); ++r)
            if (caption == QLatin1String(dbfMatchRows()[r].caption)) shown_[r] = column.sourceName;
    }
}

QStringList DbfMatching::choices(int row) const {
    const QLatin1String types(dbfMatchRows()[static_cast<std::size_t>(row)].types);
    QStringList names;
    for (const ImportColumn& column : layout_.columns)
        if (types.contains(QLatin1Char(column.sourceType))) names << column.sourceName;
    return names;
}

void DbfMatching::choose(int row, const QString& name) {
    if (!name.isEmpty())
        for (QString& shown : shown_)
            if (shown == name) shown.clear();
    shown_[static_cast<std::size_t>(row)] = name;
}

void DbfMatching::clearAll() {
    for (QString& shown : shown_) shown.clear();
}

bool DbfMatching::saveTo(ImportLayout& layout) const {
    for (ImportColumn& column : layout.columns) {
        column.match.clear();
        for (std::size_t r = 0; r < shown_.size(); ++r)
            if (shown_[r] == column.sourceName)
                column.match = QLatin1String(dbfMatchRows()[r].caption);
    }
    return std::any_of(shown_.begin(), shown_.end(), [](const QString& s) { return !s.isEmpty(); });
}

}  // namespace rp
