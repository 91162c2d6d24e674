#include "xbase/Field.h"

#include "xbase/Ascii.h"

namespace xbase {

int findField(const FieldList& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (equalsNoCase(fields[i].name, name)) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace xbase
