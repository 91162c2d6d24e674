#pragma once
// One label per household: the records at one mailbox, those with the same street and ZIP.
// Letter case, blanks and punctuation do not count in either; a US ZIP counts by its first five
// digits (ZIP+4 and ZIP are the same household), any other postal code whole. A record with an
// empty street or ZIP forms no household: it stands alone. Records are grouped through a hash of
// the normalised key, so a million records take about a million steps.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace xbase {
class Table;
}

namespace rp {

// The normalised key of a street and ZIP as the file holds them; empty when they form no
// household.
std::string householdKey(std::string_view street, std::string_view zip);

struct Household {
    std::uint32_t members = 0;
    bool sameLastName = true;
    bool sameOrganization = true;
    bool printed = false;  // for the run that prints one piece per household
};

class Households {
  public:
    // Makes room for this many records at once (the table's record count, say).
    void reserve(std::size_t records);
    // Counts a record in; true when it is the first of its household (or stands alone).
    bool add(std::string_view street, std::string_view zip, std::string_view lastName,
             std::string_view organization);
    // Counts in the records of the table's current view from the one it stands on to the end
    // (STREET, ZIP, LNAME and ORG), asking keepGoing after each; false when it said no.
    bool addFrom(xbase::Table& table, const std::function<bool()>& keepGoing = {});

    // The household of a street and ZIP when it has more than one member; null otherwise.
    Household* shared(std::string_view street, std::string_view zip);
    // The pieces one per household saves: the records counted in less the households (and the
    // records that stand alone).
    std::uint64_t piecesSaved() const { return records_ - pieces_; }

  private:
    struct Entry {
        Household household;
        std::string organization;  // normalised
        std::string lastNameKey;   // normalised
    };
    std::unordered_map<std::string, Entry> entries_;
    std::string key_;  // the key being looked up, its room kept from record to record
    std::uint64_t records_ = 0;
    std::uint64_t pieces_ = 0;
};

}  // namespace rp
