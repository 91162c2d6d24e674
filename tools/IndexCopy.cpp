#include "tools/IndexCopy.h"

#include "tools/ToolArgs.h"
#include "xbase/Error.h"
#include "xbase/internal/File.h"

namespace tools {

xbase::KeyType keyTypeOf(xbase::ValueType type) {
    switch (type) {
        case xbase::ValueType::Numeric:
            return xbase::KeyType::Numeric;
        case xbase::ValueType::Date:
            return xbase::KeyType::Date;
        case xbase::ValueType::Logical:
            return xbase::KeyType::Logical;
        default:
            return xbase::KeyType::Character;
    }
}

char keyTypeLetter(xbase::KeyType type) {
    switch (type) {
        case xbase::KeyType::Numeric:
            return 'N';
        case xbase::KeyType::Date:
            return 'D';
        case xbase::KeyType::Logical:
            return 'L';
        default:
            return 'C';
    }
}

xbase::CdxFile openIndexCopy(const xbase::Table& table) {
    std::string path = table.structuralIndexPath();
    if (table.indexMayBeStale()) path = xbase::companionPath(table.path(), "cdx");
    if (path.empty()) throw xbase::Error(table.path() + " has no structural index");
    xbase::CdxFile cdx = xbase::CdxFile::open(path, false);
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
        xbase::IndexTag& tag = cdx.tag(i);
        tag.setKeyType(keyTypeOf(table.compile(tag.keyExpression()).type()));
    }
    return cdx;
}

std::string tagDescription(const xbase::IndexTag& tag) {
    std::string text = tag.keyExpression();
    if (!tag.forExpression().empty()) text += " FOR " + tag.forExpression();
    if (tag.unique()) text += " UNIQUE";
    return text;
}

std::string keyCountLine(const xbase::IndexTag& tag) {
    return tag.name() + ": " + plural(tag.keyCount(), "key");
}

}  // namespace tools
