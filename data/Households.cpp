#include "data/Households.h"

#include <algorithm>

#include "xbase/Table.h"

namespace rp {
namespace {

constexpr std::size_t kZipDigits = 5;
constexpr std::size_t kZipPlusFourDigits = 9;

bool isAsciiDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Appends the text without blanks and punctuation, ASCII letters in capitals; the letters of
// other code pages are kept as they are.
void appendNormalised(std::string& out, std::string_view text) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z')
            out += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || isAsciiDigit(c) || c >= 0x80)
            out += ch;
    }
}

std::string normalised(std::string_view text) {
    std::string out;
    appendNormalised(out, text);
    return out;
}

// Fills key with the household key (a US ZIP by its first five digits, any other code whole);
// false, the key then meaningless, when street and ZIP form no household.
bool buildKey(std::string& key, std::string_view street, std::string_view zip) {
    key.clear();
    appendNormalised(key, street);
    const std::size_t streetEnd = key.size();
    if (streetEnd == 0) return false;
    key += '\n';
    appendNormalised(key, zip);
    const std::size_t codeSize = key.size() - streetEnd - 1;
    if (codeSize == 0) return false;
    const bool digits =
        std::all_of(key.begin() + std::ptrdiff_t(streetEnd) + 1, key.end(),
                    [](char c) { return isAsciiDigit(static_cast<unsigned char>(c)); });
    if (digits && (codeSize == kZipDigits || codeSize == kZipPlusFourDigits))
        key.resize(streetEnd + 1 + kZipDigits);
    return true;
}

}  // namespace

std::string householdKey(std::string_view street, std::string_view zip) {
    std::string key;
    return buildKey(key, street, zip) ? key : std::string();
}

void Households::reserve(std::size_t records) {
    entries_.reserve(records);
}

bool Households::add(std::string_view street, std::string_view zip, std::string_view lastName,
                     std::string_view organization) {
    ++records_;
    if (!buildKey(key_, street, zip)) {
        ++pieces_;
        return true;
    }
    auto it = entries_.find(key_);
    if (it == entries_.end()) {
        ++pieces_;
        Entry& e = entries_.emplace(key_, Entry{}).first->second;
        e.household.members = 1;
        e.lastNameKey = normalised(lastName);
        e.organization = normalised(organization);
        return true;
    }
    Entry& e = it->second;
    ++e.household.members;
    if (e.household.sameLastName && normalised(lastName) != e.lastNameKey)
        e.household.sameLastName = false;
    if (e.household.sameOrganization && normalised(organization) != e.organization)
        e.household.sameOrganization = false;
    return false;
}

bool Households::addFrom(xbase::Table& table, const std::function<bool()>& keepGoing) {
    const int street = table.fieldNumber("STREET"), zip = table.fieldNumber("ZIP"),
              last = table.fieldNumber("LNAME"), org = table.fieldNumber("ORG");
    reserve(table.recordCount());
    for (; !table.eof(); table.skip()) {
        add(table.fieldBytes(street), table.fieldBytes(zip), table.fieldBytes(last),
            table.fieldBytes(org));
        if (keepGoing && !keepGoing()) return false;
    }
    return true;
}

Household* Households::shared(std::string_view street, std::string_view zip) {
    if (!buildKey(key_, street, zip)) return nullptr;
    const auto it = entries_.find(key_);
    return it != entries_.end() && it->second.household.members > 1 ? &it->second.household
                                                                    : nullptr;
}

}  // namespace rp
