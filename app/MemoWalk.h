#pragma once
// The walk of the memo search: record after record in the table's navigation (current order,
// filter, hidden deleted records) until one's memo holds the sought text.
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace xbase {
class Table;
}

namespace rp {

// The longest text sought; the prompt's line takes no more, and longer texts are cut to
// their first kMemoTextLimit characters.
inline constexpr int kMemoTextLimit = 255;
// How much of each memo is searched: a match that begins later is not found.
inline constexpr std::size_t kMemoSearchedBytes = 32767;

enum class MemoWalkStart {
    First,         // a new search: from the first record
    AfterCurrent,  // Find Next: from the record after the current one
};

// Run after every record that did not match; false stops the walk.
using MemoWalkStep = std::function<bool()>;

// Windows-1252 bytes in capitals: a-z as UPPER makes them, and the accented small letters
// as their capitals (à-þ but ÷, and š, œ, ž, ÿ), so that "é" finds "É". ß and µ have no
// capital of their own and stay.
std::string memoCapitals(std::string_view bytes);

// Walks from the start until the first record whose MEMO, in its first kMemoSearchedBytes
// bytes, holds text in any letter case; the table stays on that record and true is
// returned. An empty text, an empty memo and a text with characters the file cannot hold
// match nothing. When nothing matches, or step stops the walk, the table goes back to the
// record it stood on and false is returned.
bool walkMemos(xbase::Table& table, const QString& text, MemoWalkStart start,
               const MemoWalkStep& step);

}  // namespace rp
