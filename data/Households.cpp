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

// The text without blanks and punctuation, ASCII letters in capitals; the letters of other
// code pages are kept as they are.
std::string normalised(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z')
            out += static_cast<char>(c - 'a' + 'A');
        else if ((c >= 'A' && c <= 'Z') || isAsciiDigit(c) || c >= 0x80)
            out += ch;
    }
    return out;
}

// A US ZIP (5 digits, or ZIP+4's 9) by its first five digits; any other code whole.
std::string zipPart(std::string_view zip) {
    std::string code = normalised(zip);
    const bool digits = std::all_of(code.begin(), code.end(), [](char c) {
        return isAsciiDigit(static_cast<unsigned char>(c));
    });
    if (digits && (code.size() == kZipDigits || code.size() == kZipPlusFourDigits))
        code.resize(kZipDigits);
    return code;
}

}  // namespace

std::string householdKey(std::string_view street, std::string_view zip) {
    std::string key = normalised(street);
    const std::string code = zipPart(zip);
    if (key.empty() || code.empty()) return {};
    key += '\n';
    key += code;
    return key;
}

bool Households::add(std::string_view street, std::string_view zip, std::string_view lastName,
                     std::string_view organization) {
    ++records_;
    std::string key = householdKey(street, zip);
    if (key.empty()) {
        ++pieces_;
        return true;
    }
    const auto [it, first] = entries_.try_emplace(std::move(key));
    Entry& e = it->second;
    ++e.household.members;
    if (first) {
        ++pieces_;
        e.lastNameKey = normalised(lastName);
        e.organization = normalised(organization);
        return true;
    }
    if (e.household.sameLastName && normalised(lastName) != e.lastNameKey)
        e.household.sameLastName = false;
    if (e.household.sameOrganization && normalised(organization) != e.organization)
        e.household.sameOrganization = false;
    return false;
}

bool Households::addFrom(xbase::Table& table, const std::function<bool()>& keepGoing) {
    const int street = table.fieldNumber("STREET"), zip = table.fieldNumber("ZIP"),
              last = table.fieldNumber("LNAME"), org = table.fieldNumber("ORG");
    for (; !table.eof(); table.skip()) {
        add(table.fieldBytes(street), table.fieldBytes(zip), table.fieldBytes(last),
            table.fieldBytes(org));
        if (keepGoing && !keepGoing()) return false;
    }
    return true;
}

Household* Households::shared(std::string_view street, std::string_view zip) {
    const std::string key = householdKey(street, zip);
    if (key.empty()) return nullptr;
    const auto it = entries_.find(key);
    return it != entries_.end() && it->second.household.members > 1 ? &it->second.household
                                                                    : nullptr;
}

}  // namespace rp
