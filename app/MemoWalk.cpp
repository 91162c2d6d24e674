#include "app/MemoWalk.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "data/FieldText.h"
#include "xbase/Table.h"

namespace rp {
namespace {

std::array<char, 256> makeCapitals() {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        int upper = c;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            upper = c - 0x20;
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            upper = c - 0x10;  // š œ ž
        else if (c == 0xFF)
            upper = 0x9F;  // ÿ
        table[static_cast<std::size_t>(c)] = static_cast<char>(upper);
    }
    return table;
}

void toCapitals(std::string_view bytes, std::string& out) {
    static const std::array<char, 256> capitals = makeCapitals();
    out.resize(bytes.size());
    std::transform(bytes.begin(), bytes.end(), out.begin(),
                   [](char c) { return capitals[static_cast<unsigned char>(c)]; });
}

}  // namespace

std::string memoCapitals(std::string_view bytes) {
    std::string out;
    toCapitals(bytes, out);
    return out;
}

bool walkMemos(xbase::Table& table, const QString& text, MemoWalkStart start,
               const MemoWalkStep& step) {
    const int memoField = table.fieldNumber("MEMO");
    const auto bytes = toFieldBytes(text.left(kMemoTextLimit));
    if (memoField == 0 || !bytes || bytes->empty()) return false;
    const std::string sought = memoCapitals(*bytes);

    const std::uint32_t home = table.recNo();
    if (start == MemoWalkStart::First)
        table.goTop();
    else
        table.skip(1);
    std::string memo;
    for (; !table.eof(); table.skip(1)) {
        if (!table.isEmpty(memoField)) {
            const std::string whole = table.memo(memoField);
            toCapitals(std::string_view(whole).substr(0, kMemoSearchedBytes), memo);
            if (memo.find(sought) != std::string::npos) return true;
        }
        if (!step()) break;
    }
    table.go(home);
    return false;
}

}  // namespace rp
