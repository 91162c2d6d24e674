#include "xbase/internal/ExprFields.h"

#include <bit>
#include <cstdint>

#include "xbase/Ascii.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/ExprNumber.h"

namespace xbase::expr {

namespace {

// How a field's bytes hold its value.
enum class Storage { Text, Memo, AsciiNumber, Int32, Double, Currency, Dtos, DateTime, Logical };

class FieldNode final : public Node {
  public:
    FieldNode(Storage storage, ValueType type, std::string name, int number, int width,
              int decimals)
        : Node(type, decimals, 1),
          storage_(storage),
          name_(std::move(name)),
          number_(number),
          width_(width) {}

    int width(const Settings*) const override { return width_; }
    NodePtr clone() const override { return std::make_unique<FieldNode>(*this); }
    void spell(std::string& out) const override { out += name_; }

    std::string_view text(const Context& c) const override {
        if (storage_ != Storage::Memo) return c.rec->fieldBytes(number_);
        memo_ = c.rec->memoText(number_);
        return memo_;
    }

    // Binary values shorter than their size (a damaged record source) read as 0.
    double number(const Context& c) const override {
        const std::string_view b = c.rec->fieldBytes(number_);
        switch (storage_) {
            case Storage::Int32:
                return b.size() < 4 ? 0 : static_cast<std::int32_t>(loadLe32(b.data()));
            case Storage::Double:
                return b.size() < 8 ? 0 : std::bit_cast<double>(loadLe64(b.data()));
            case Storage::Currency:
                return b.size() < 8
                           ? 0
                           : static_cast<double>(static_cast<std::int64_t>(loadLe64(b.data()))) /
                                 10000.0;
            default:
                return parseNumber(b);
        }
    }

    JulianDay date(const Context& c) const override {
        const std::string_view b = c.rec->fieldBytes(number_);
        if (storage_ == Storage::Dtos) return fromDtos(b);
        if (b.size() < 4) return 0;
        const auto day = static_cast<std::int32_t>(loadLe32(b.data()));
        return day >= kFirstDay && day <= kLastDay ? day : 0;
    }

    bool logical(const Context& c) const override {
        const std::string_view b = c.rec->fieldBytes(number_);
        if (b.empty()) return false;
        const char v = upperAscii(b[0]);
        return v == 'T' || v == 'Y';
    }

  private:
    Storage storage_;
    std::string name_;  // upper case
    int number_;
    int width_;
    mutable std::string memo_;
};

}  // namespace

NodePtr makeField(const Field& field, int number) {
    using V = ValueType;
    const int width = field.width;
    auto node = [&](Storage storage, V type, int shownWidth, int decimals) {
        return std::make_unique<FieldNode>(storage, type, upperAscii(field.name), number,
                                           shownWidth, decimals);
    };
    switch (upperAscii(field.type)) {
        case 'N':
        case 'F':
            return node(Storage::AsciiNumber, V::Numeric, width, field.decimals);
        case 'I':
            return node(Storage::Int32, V::Numeric, -1, 0);
        // B is a double in Visual FoxPro tables, a binary memo in dBase IV ones.
        case 'B':
            if (width == 8) return node(Storage::Double, V::Numeric, -1, field.decimals);
            return node(Storage::Memo, V::Character, -1, 0);
        case 'Y':
            return node(Storage::Currency, V::Numeric, -1, 4);
        case 'D':
            return node(Storage::Dtos, V::Date, 8, 0);
        case 'T':
            return node(Storage::DateTime, V::Date, 8, 0);
        case 'L':
            return node(Storage::Logical, V::Logical, 1, 0);
        case 'M':
        case 'G':
            return node(Storage::Memo, V::Character, -1, 0);
        default:
            return node(Storage::Text, V::Character, width, 0);
    }
}

}  // namespace xbase::expr
