// xbase-tool check: every tag of the structural index against the table. Each tag's entries
// are read raw, in tree order, and compared with the keys its expressions give for every
// record; then the table's own navigation in that order must visit the same records.
#include <cstdio>
#include <unordered_set>

#include "tools/Commands.h"
#include "tools/IndexCopy.h"
#include "tools/RecordLine.h"
#include "tools/ToolArgs.h"
#include "xbase/Ascii.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/Table.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/IndexCursor.h"

namespace tools {

namespace {

// Beyond this many problems in one tag, only their number is reported.
constexpr std::uint64_t kProblemsShownPerTag = 10;

// A key as a person reads it: character keys quoted without their trailing blanks, numbers,
// dates as YYYYMMDD (empty dates as ""), logicals as T or F.
std::string keyText(std::string_view key, xbase::KeyType type) {
    switch (type) {
        case xbase::KeyType::Numeric: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.15g", xbase::decodeNumericKey(key));
            return buf;
        }
        case xbase::KeyType::Date: {
            xbase::JulianDay day = xbase::decodeDateKey(key);
            return day == 0 ? "\"\"" : xbase::toDtos(day);
        }
        case xbase::KeyType::Logical:
            return xbase::decodeLogicalKey(key) ? "T" : "F";
        default: {
            std::string text = "\"";
            appendEscaped(text, xbase::trimRight(key));
            return text + "\"";
        }
    }
}

class TagCheck {
  public:
    TagCheck(xbase::Table& table, const xbase::IndexTag& tag, std::ostream& out)
        : table_(table), tag_(tag), out_(out), count_(table.recordCount()) {}

    // Reports the tag's problems to out; returns how many there were.
    std::uint64_t run() {
        try {
            tag_.verify();  // the tree's shape and the order of its entries
        } catch (const xbase::Error& e) {
            reportLine(e.what());
        }
        try {
            computeExpectedKeys();
            walkEntries();
            findMissing();
            // A table that may not use its index (see indexMayBeStale) has no orders to walk.
            if (problems_ == 0 && table_.orderNumber(tag_.name()) != 0) compareNavigation();
        } catch (const xbase::Error& e) {
            reportLine(e.what());
        }
        if (problems_ > kProblemsShownPerTag)
            out_ << "tag " << tag_.name() << ": "
                 << plural(problems_ - kProblemsShownPerTag, "more problem") << '\n';
        return problems_;
    }

  private:
    // A problem found here, on a line that names the tag.
    void report(const std::string& problem) { reportLine("tag " + tag_.name() + ": " + problem); }
    // The engine's messages name the file and the tag themselves.
    void reportLine(const std::string& line) {
        if (++problems_ <= kProblemsShownPerTag) out_ << line << '\n';
    }

    std::string key(std::string_view raw) const { return keyText(raw, tag_.keyType()); }
    std::string_view expected(std::uint32_t recno) const {
        return std::string_view(expected_).substr((recno - 1) * tag_.keyLength(), tag_.keyLength());
    }

    // The key and the condition of every record, in record order.
    void computeExpectedKeys() {
        const xbase::Settings& settings = table_.engine().settings;
        xbase::Expression keyExpr = table_.compile(tag_.keyExpression());
        std::optional<xbase::Expression> condition;
        if (!tag_.forExpression().empty()) condition = table_.compile(tag_.forExpression());
        expected_.reserve(std::size_t{count_} * tag_.keyLength());
        included_.assign(std::size_t{count_} + 1, false);
        for (std::uint32_t r = 1; r <= count_; ++r) {
            table_.go(r);
            included_[r] = !condition || condition->evalLogical(table_, settings);
            switch (tag_.keyType()) {
                case xbase::KeyType::Numeric:
                    expected_ += xbase::encodeNumericKey(keyExpr.evalNumber(table_, settings));
                    break;
                case xbase::KeyType::Date:
                    expected_ += xbase::encodeDateKey(keyExpr.evalDate(table_, settings));
                    break;
                case xbase::KeyType::Logical:
                    expected_ += xbase::encodeLogicalKey(keyExpr.evalLogical(table_, settings));
                    break;
                default:
                    expected_ += xbase::encodeCharacterKey(keyExpr.evalString(table_, settings),
                                                           tag_.keyLength());
            }
        }
    }

    void walkEntries() {
        seen_.assign(std::size_t{count_} + 1, false);
        std::string previous;
        std::uint32_t previousRecno = 0;
        xbase::IndexCursor cursor(tag_);
        for (bool on = cursor.first(); on; on = cursor.next()) {
            const std::string_view k = cursor.key();
            const std::uint32_t r = cursor.recno();
            if (tag_.unique() && !listed_.empty() && k == previous)
                report("lists key " + key(k) + " for records " + std::to_string(previousRecno) +
                       " and " + std::to_string(r) + " in a unique tag");
            listed_.push_back(r);
            previous.assign(k);
            previousRecno = r;
            if (tag_.unique()) listedKeys_.insert(previous);
            if (r < 1 || r > count_) {
                report("lists record " + std::to_string(r) + ", which the table does not have");
                continue;
            }
            if (seen_[r])
                report("lists record " + std::to_string(r) + " more than once");
            else if (!included_[r])
                report("lists record " + std::to_string(r) + ", whose FOR condition does not hold");
            else if (k != expected(r))
                report("record " + std::to_string(r) + " has key " + key(k) +
                       " but its key expression gives " + key(expected(r)));
            seen_[r] = true;
        }
    }

    // Records the tag should list and does not. A unique tag lists one record of each key, so
    // there a record is missing only when nothing is listed under its key.
    void findMissing() {
        for (std::uint32_t r = 1; r <= count_; ++r) {
            if (!included_[r] || seen_[r]) continue;
            if (!tag_.unique())
                report("record " + std::to_string(r) + " is missing");
            else if (listedKeys_.count(std::string(expected(r))) == 0)
                report("key " + key(expected(r)) + " of record " + std::to_string(r) +
                       " is missing");
        }
    }

    // The table's navigation in this tag's order, deleted records shown and no filter, must
    // visit the records the raw walk listed, in the same order.
    void compareNavigation() {
        table_.setOrder(tag_.name());
        std::size_t at = 0;
        for (table_.goTop(); !table_.eof() && at < listed_.size(); table_.skip(), ++at)
            if (listed_[at] != table_.recNo()) break;
        if (!table_.eof())
            report("ordered navigation reaches record " + std::to_string(table_.recNo()) +
                   " at position " + std::to_string(at + 1) + ", where the tag lists " +
                   (at == listed_.size() ? std::string("nothing more")
                                         : "record " + std::to_string(listed_[at])));
        else if (at < listed_.size())
            report("ordered navigation ends after " + plural(at, "record") + "; the tag lists " +
                   std::to_string(listed_.size()));
        table_.setOrder(0);
    }

    xbase::Table& table_;
    const xbase::IndexTag& tag_;
    std::ostream& out_;
    const std::uint32_t count_;
    std::uint64_t problems_ = 0;
    std::string expected_;               // count_ keys of the key length, record 1 first
    std::vector<bool> included_;         // by record number: the FOR condition holds
    std::vector<bool> seen_;             // by record number: the tag lists the record
    std::vector<std::uint32_t> listed_;  // the record numbers of the entries, in tree order
    std::unordered_set<std::string> listedKeys_;  // unique tags: every key listed
};

}  // namespace

void checkCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 1, 1, "xbase-tool check FILE");
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    std::size_t tags = 0;
    std::uint64_t problems = 0;
    if (t->markedIncomplete()) {
        out << "incomplete transaction flag set: the table was not closed properly, and its "
               "indexes may not match its records\n";
        ++problems;
    }
    if (t->hasStructuralIndex() || t->indexMayBeStale()) {
        xbase::CdxFile cdx = openIndexCopy(*t);
        tags = cdx.tagCount();
        for (std::size_t i = 0; i < tags; ++i) problems += TagCheck(*t, cdx.tag(i), out).run();
    }
    if (problems != 0) throw ProblemsReported();
    out << "ok: " << plural(tags, "tag") << ", " << plural(t->recordCount(), "record") << '\n';
}

}  // namespace tools
