#include "bench/AddressData.h"

#include <cctype>

namespace bench {

namespace {

constexpr std::array<std::string_view, 40> kLastNames = {
    "Johnson",  "Williams",  "Brown",   "Jones",    "Garcia",   "Miller",   "Davis",  "Rodriguez",
    "Martinez", "Hernandez", "Lopez",   "Gonzalez", "Wilson",   "Anderson", "Thomas", "Taylor",
    "Moore",    "Jackson",   "Martin",  "Lee",      "Perez",    "Thompson", "White",  "Harris",
    "Sanchez",  "Clark",     "Ramirez", "Lewis",    "Robinson", "Walker",   "Young",  "Allen",
    "King",     "Wright",    "Scott",   "Torres",   "Nguyen",   "Hill",     "Flores", "Green"};
constexpr std::array<std::string_view, 5> kSmNames = {"Smith", "Smythe", "Small", "Smart",
                                                      "Smolinski"};
constexpr std::array<std::string_view, 24> kFirstNames = {
    "James",  "Mary",      "Robert",  "Patricia", "John",    "Jennifer", "Michael", "Linda",
    "David",  "Elizabeth", "William", "Barbara",  "Richard", "Susan",    "Joseph",  "Jessica",
    "Thomas", "Sarah",     "Charles", "Karen",    "Daniel",  "Nancy",    "Matthew", "Lisa"};
constexpr std::array<std::string_view, 8> kTitles = {
    "", "", "", "Manager", "Director", "Engineer", "Sales Representative", "Owner"};
constexpr std::array<std::string_view, 10> kOrgs = {"",
                                                    "",
                                                    "",
                                                    "",
                                                    "Acme Supply Co.",
                                                    "Northwind Traders",
                                                    "Bluebird Printing",
                                                    "Harbor Dental Group",
                                                    "Lakeside Realty",
                                                    "First Community Bank"};
constexpr std::array<std::string_view, 12> kStreets = {
    "Main St",        "Oak Ave", "Maple Dr", "Cedar Ln", "Park Blvd",   "Elm St",
    "Washington Ave", "Lake Rd", "Hill St",  "Pine Ct",  "Sunset Blvd", "River Rd"};
struct Place {
    std::string_view city, state;
    int zipBase;
};
constexpr std::array<Place, 12> kPlaces = {{{"Springfield", "IL", 62701},
                                            {"Portland", "OR", 97201},
                                            {"Austin", "TX", 73301},
                                            {"Columbus", "OH", 43004},
                                            {"Albany", "NY", 12201},
                                            {"Madison", "WI", 53701},
                                            {"Denver", "CO", 80201},
                                            {"Raleigh", "NC", 27601},
                                            {"Boise", "ID", 83701},
                                            {"Tampa", "FL", 33601},
                                            {"Fresno", "CA", 93650},
                                            {"Reno", "NV", 89501}}};
constexpr std::array<std::string_view, 6> kPrefixes = {"", "Mr.", "Ms.", "Mrs.", "Dr.", "Prof."};
constexpr std::array<std::string_view, 4> kDomains = {"example.com", "mail.example.net",
                                                      "post.example.org", "example.edu"};
constexpr std::array<std::string_view, 4> kMemos = {
    "Prefers mail to the office address.", "Met at the spring fair.\r\nAsked for the catalogue.",
    "Returned mail 3/1998; new address confirmed by phone.",
    "Member since 1987. Sends a card every December."};

}  // namespace

std::uint64_t AddressGenerator::random() {
    // splitmix64: fast, and good enough to vary test data.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

// Writes a value into one of the generator's buffers; much cheaper than printf-style formatting,
// which would otherwise dominate the append figures.
class Builder {
  public:
    explicit Builder(std::array<char, 80>& buf) : buf_(buf) {}
    Builder& text(std::string_view s) {
        for (char c : s) buf_[n_++] = c;
        return *this;
    }
    Builder& ch(char c) {
        buf_[n_++] = c;
        return *this;
    }
    // The number in exactly width digits, zero-padded (0 = as many as it needs).
    Builder& digits(std::uint32_t v, int width = 0) {
        char tmp[10];
        int len = 0;
        do {
            tmp[len++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        for (int i = len; i < width; ++i) buf_[n_++] = '0';
        while (len > 0) buf_[n_++] = tmp[--len];
        return *this;
    }
    std::string_view view() const { return std::string_view(buf_.data(), n_); }

  private:
    std::array<char, 80>& buf_;
    std::size_t n_ = 0;
};

}  // namespace

const std::array<std::string_view, kAddressFieldCount>& AddressGenerator::next(
    std::uint32_t seqNo) {
    auto number = [this](std::uint32_t from, std::uint32_t count) {
        return from + static_cast<std::uint32_t>(below(count));
    };
    std::string_view last = below(100) == 0 ? pick(kSmNames) : pick(kLastNames);
    std::string_view first = pick(kFirstNames);
    const Place& place = kPlaces[below(kPlaces.size())];
    bool canada = below(50) == 0;

    values_[0] = last;
    values_[1] = first;
    values_[2] = below(3) == 0 ? std::string_view()
                               : Builder(buffers_[0]).ch(static_cast<char>('A' + below(26))).view();
    values_[3] = pick(kTitles);
    values_[4] = pick(kOrgs);
    values_[5] = Builder(buffers_[1]).digits(number(1, 9999)).ch(' ').text(pick(kStreets)).view();
    values_[6] = canada ? "Toronto" : place.city;
    values_[7] = canada ? "ON" : place.state;
    values_[8] =
        canada ? "M5V 2T6" : Builder(buffers_[2]).digits(number(place.zipBase, 90), 5).view();
    values_[9] = canada ? "Canada" : "USA";
    values_[10] = Builder(buffers_[3])
                      .ch('(')
                      .digits(number(200, 800))
                      .text(") ")
                      .digits(number(200, 800))
                      .ch('-')
                      .digits(number(0, 10000), 4)
                      .view();
    Builder email(buffers_[4]);
    email.ch(static_cast<char>(std::tolower(static_cast<unsigned char>(first[0]))));
    for (char c : last) email.ch(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    values_[11] = email.ch('@').text(pick(kDomains)).view();
    values_[12] = below(4) == 0 ? Builder(buffers_[5])
                                      .ch('(')
                                      .digits(number(200, 800))
                                      .text(") 555-")
                                      .digits(number(0, 10000), 4)
                                      .view()
                                : std::string_view();
    values_[13] = below(20) == 0 ? std::string_view("Call before delivering") : std::string_view();
    values_[14] = below(200) == 0 ? std::string_view("DELETED") : pick(kPrefixes);
    values_[15] =
        Builder(buffers_[6]).ch(below(5) == 0 ? 'R' : 'C').digits(number(1, 99), 3).view();
    values_[16] = Builder(buffers_[7])
                      .digits(number(1990, 35))
                      .digits(number(1, 12), 2)
                      .digits(number(1, 28), 2)
                      .view();
    values_[17] = below(50) == 0 ? "T" : "F";
    values_[18] = Builder(buffers_[8]).digits(seqNo % 1000000).view();
    values_[19] = below(50) == 0 ? pick(kMemos) : std::string_view();
    return values_;
}

}  // namespace bench
