#pragma once
// A record source for the expression tests: a field list and the bytes of one record, with
// helpers that compile and evaluate in one go.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "xbase/Error.h"
#include "xbase/Expression.h"

class TestRecord : public xbase::RecordSource {
  public:
    // Adds a field holding value: C text is padded with blanks, N/F numbers are right-aligned,
    // anything else is stored as given (padded with blanks).
    TestRecord& add(const std::string& name, char type, int width, int decimals,
                    std::string_view value) {
        xbase::Field f;
        f.name = name;
        f.type = type;
        f.width = static_cast<std::uint8_t>(width);
        f.decimals = static_cast<std::uint8_t>(decimals);
        f.offset = static_cast<std::uint32_t>(bytes_.size());
        fields_.push_back(f);
        bytes_ += layout(f, value);
        return *this;
    }
    TestRecord& memo(const std::string& name, std::string text) {
        add(name, 'M', 10, 0, "");
        memos_[static_cast<int>(fields_.size())] = std::move(text);
        return *this;
    }
    // Replaces a field's value, laid out as add() does.
    void set(const std::string& name, std::string_view value) {
        const xbase::Field& f =
            fields_.at(static_cast<std::size_t>(xbase::findField(fields_, name)) - 1);
        bytes_.replace(f.offset, f.width, layout(f, value));
    }

    const xbase::FieldList& fields() const override { return fields_; }
    std::string_view fieldBytes(int n) const override {
        ++reads;
        const xbase::Field& f = fields_.at(static_cast<std::size_t>(n) - 1);
        return std::string_view(bytes_).substr(f.offset, f.width);
    }
    std::string memoText(int n) const override {
        auto it = memos_.find(n);
        return it == memos_.end() ? std::string() : it->second;
    }
    bool deleted() const override { return isDeleted; }
    std::uint32_t recNo() const override { return recno; }

    bool isDeleted = false;
    std::uint32_t recno = 1;
    mutable int reads = 0;  // fieldBytes calls

  private:
    static std::string layout(const xbase::Field& f, std::string_view value) {
        std::string v(value.substr(0, f.width));
        const std::size_t pad = f.width - v.size();
        return f.type == 'N' || f.type == 'F' ? std::string(pad, ' ') + v
                                              : v + std::string(pad, ' ');
    }

    xbase::FieldList fields_;
    std::string bytes_ = " ";  // the deletion byte
    std::map<int, std::string> memos_;
};

// LNAME C30, FNAME C30, PREFIX C10 (blank), SEQNO N6, STATE C20, ZIP C10, AMOUNT N10.2,
// NOTHING N8 (blank), BORN D, NODATE D (blank), ACTIVE L, NOTES M.
inline TestRecord person() {
    TestRecord r;
    r.add("LNAME", 'C', 30, 0, "Smith")
        .add("FNAME", 'C', 30, 0, "John")
        .add("PREFIX", 'C', 10, 0, "")
        .add("SEQNO", 'N', 6, 0, "42")
        .add("STATE", 'C', 20, 0, "NY")
        .add("ZIP", 'C', 10, 0, "10001")
        .add("AMOUNT", 'N', 10, 2, "-1234.56")
        .add("NOTHING", 'N', 8, 0, "")
        .add("BORN", 'D', 8, 0, "19650412")
        .add("NODATE", 'D', 8, 0, "")
        .add("ACTIVE", 'L', 1, 0, "T")
        .memo("NOTES", "Likes cats");
    return r;
}

inline xbase::Expression compileOn(const TestRecord& r, std::string_view text) {
    return xbase::Expression::compile(text, r.fields());
}
inline std::string evalText(const TestRecord& r, std::string_view text,
                            const xbase::Settings& s = {}) {
    return compileOn(r, text).evalString(r, s);
}
inline double evalNumber(const TestRecord& r, std::string_view text,
                         const xbase::Settings& s = {}) {
    return compileOn(r, text).evalNumber(r, s);
}
inline bool evalLogical(const TestRecord& r, std::string_view text, const xbase::Settings& s = {}) {
    return compileOn(r, text).evalLogical(r, s);
}
inline xbase::JulianDay evalDate(const TestRecord& r, std::string_view text,
                                 const xbase::Settings& s = {}) {
    return compileOn(r, text).evalDate(r, s);
}

// The message of the ExpressionError compiling text throws, or "" when it compiles.
inline std::string compileError(const TestRecord& r, std::string_view text) {
    try {
        compileOn(r, text);
    } catch (const xbase::ExpressionError& e) {
        return e.what();
    }
    return "";
}
