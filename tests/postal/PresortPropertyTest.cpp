// The presort list's promises on random lists: every admitted key on exactly one ZIP line,
// headings in their documented order, each group as its rule says.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "PresortFixture.h"
#include "postal/AdcList.h"
#include "postal/AdcTable.h"
#include "postal/ZipTally.h"

namespace rp {
namespace {

struct Group {
    std::string heading;
    Lines keys;
};

std::vector<Group> groupsOf(const Lines& lines) {
    std::vector<Group> groups;
    for (const std::string& line : lines) {
        if (line.find("**") != std::string::npos)
            groups.push_back({line, {}});
        else if (groups.empty())
            ADD_FAILURE() << "ZIP line before any heading: " << line;
        else
            groups.back().keys.push_back(line);
    }
    return groups;
}

// 0 five-digit, 1 three-digit, 2 ADC, 3 unknown.
int kindOf(const std::string& heading) {
    if (heading.starts_with("** 5-digit ")) return 0;
    if (heading.starts_with("** 3-digit ")) return 1;
    if (heading.starts_with("** ADC ")) return 2;
    EXPECT_EQ(heading, "** Unknown");
    return 3;
}

int adcIndex(const std::string& heading) {
    const std::string name = heading.substr(7);
    const auto& table = adcTable();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const AdcEntry& e) { return e.name == name; });
    EXPECT_NE(it, table.end()) << heading;
    return static_cast<int>(it - table.begin());
}

class PresortProperty : public PresortFixture {
  protected:
    // Random ZIP values, with how many pieces each admitted key has.
    std::map<std::string, int> fill(std::mt19937& rng) {
        std::map<std::string, int> pieces;
        std::vector<std::string> zips;
        const auto below = [&](int n) {
            return static_cast<int>(rng() % static_cast<unsigned>(n));
        };
        const int prefixes = 3 + below(8);
        for (int p = 0; p < prefixes; ++p) {
            char prefix[4];
            std::snprintf(prefix, sizeof prefix, "%03d", below(1000));
            const int keys = 1 + below(6);
            for (int k = 0; k < keys; ++k) {
                char zip[16];
                const int form = below(10);
                if (form == 0)
                    std::snprintf(zip, sizeof zip, "%s%d", prefix, below(10));  // a short key
                else if (form == 1)
                    std::snprintf(zip, sizeof zip, "%s%02d-%04d", prefix, below(100), below(10000));
                else
                    std::snprintf(zip, sizeof zip, "%s%02d", prefix, below(100));
                const int count = below(4) == 0 ? 8 + below(6) : 1 + below(4);
                const std::string key(zipKey(zip));
                if (key < "00000") continue;  // "0000" and the like are no key
                pieces[key] += count;
                for (int i = 0; i < count; ++i) zips.push_back(zip);
            }
        }
        for (const char* other : {"M5V 2T6", "", "SW1A 1AA"})
            for (int i = below(3); i > 0; --i) zips.push_back(other);
        std::shuffle(zips.begin(), zips.end(), rng);
        for (const std::string& zip : zips) addZip(zip);
        return pieces;
    }
};

TEST_F(PresortProperty, EveryKeyStandsOnceUnderTheGroupItsPiecesDecide) {
    constexpr unsigned rngStart = 20240917;
    std::mt19937 rng(rngStart);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        table->zap();
        const std::map<std::string, int> pieces = fill(rng);
        const std::vector<Group> groups = groupsOf(presortLines());

        std::map<std::string, int> seen;
        std::map<std::string, int> leftPerPrefix;  // pieces that no five- or three-digit group took
        int lastKind = -1;
        std::string lastHeading;
        for (const Group& g : groups) {
            const int kind = kindOf(g.heading);
            EXPECT_FALSE(g.keys.empty()) << g.heading;
            EXPECT_TRUE(std::is_sorted(g.keys.begin(), g.keys.end())) << g.heading;
            EXPECT_LE(lastKind, kind) << g.heading << " after " << lastHeading;
            if (kind == lastKind && kind == 2) {
                EXPECT_LT(adcIndex(lastHeading), adcIndex(g.heading));
            } else if (kind == lastKind) {
                EXPECT_LT(lastHeading, g.heading);
            }
            int sum = 0;
            for (const std::string& key : g.keys) {
                ++seen[key];
                ASSERT_TRUE(pieces.contains(key)) << key;
                sum += pieces.at(key);
                if (kind > 0) {
                    EXPECT_LE(pieces.at(key), 9) << key;
                }
                if (kind == 1) {
                    EXPECT_EQ("** 3-digit " + key.substr(0, 3), g.heading);
                }
                if (kind >= 2) leftPerPrefix[key.substr(0, 3)] += pieces.at(key);
                if (kind == 2) {
                    const auto entry = static_cast<std::size_t>(adcIndex(g.heading));
                    EXPECT_TRUE(servesKey(adcTable()[entry], key)) << key;
                    for (std::size_t earlier = 0; earlier < entry; ++earlier)
                        EXPECT_FALSE(servesKey(adcTable()[earlier], key)) << key;
                }
                if (kind == 3) {
                    for (const AdcEntry& entry : adcTable())
                        EXPECT_FALSE(servesKey(entry, key)) << key << " " << entry.name;
                }
            }
            if (kind == 0) {
                EXPECT_EQ(g.keys, Lines{g.heading.substr(11)});
            }
            if (kind <= 1) {
                EXPECT_GE(sum, 10) << g.heading;
            }
            lastKind = kind;
            lastHeading = g.heading;
        }
        for (const auto& [prefix, left] : leftPerPrefix) EXPECT_LE(left, 9) << prefix;
        for (const auto& [key, count] : pieces) EXPECT_EQ(seen[key], 1) << key;
        EXPECT_EQ(seen.size(), pieces.size());
    }
}

}  // namespace
}  // namespace rp
