#pragma once
// What an expression sees of a table: the field list and the current record.
#include <cstdint>
#include <string>
#include <string_view>

#include "xbase/Field.h"

namespace xbase {

class RecordSource {
  public:
    virtual ~RecordSource() = default;
    virtual const FieldList& fields() const = 0;
    // The stored bytes of field n (1-based) of the current record, exactly field width long.
    virtual std::string_view fieldBytes(int n) const = 0;
    // The text of memo field n (1-based) of the current record; empty when it has none.
    virtual std::string memoText(int n) const = 0;
    virtual bool deleted() const = 0;
    virtual std::uint32_t recNo() const = 0;
};

}  // namespace xbase
