#pragma once
// The command-line words of xbase-tool: options, lists and field specs.
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Field.h"

namespace tools {

// Arguments that make no sense; the message says which and how they should look.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--name value", keyed by "--name"
    std::set<std::string> flags;                 // "--name" alone

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    // The option's value, or an empty text when it was not given.
    std::string option(const std::string& name) const;
};

// Sorts the words after the command name into positional arguments, options that take a value
// (valueOptions) and flags (flagOptions). Throws UsageError for any other word starting with
// "--", an option without its value, or a positional count outside minPositional..maxPositional.
CommandLine parseArguments(const std::vector<std::string>& words,
                           const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions, std::size_t minPositional,
                           std::size_t maxPositional, const std::string& usage);

// "1 record", "2 records": the count and the noun, with an "s" unless the count is one.
std::string plural(std::uint64_t n, const char* noun);

// "A,B,C" as its names (blanks around a name dropped); throws UsageError for an empty name.
std::vector<std::string> splitList(std::string_view text);

// "NAME:TYPE[:WIDTH[:DECIMALS]]": C needs a width, N a width and maybe decimals; D, L and M take
// neither. The engine checks names and sizes; this checks the shape. Throws UsageError.
xbase::FieldSpec parseFieldSpec(std::string_view text);

}  // namespace tools
