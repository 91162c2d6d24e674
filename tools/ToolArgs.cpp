#include "tools/ToolArgs.h"

#include <charconv>

namespace tools {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        std::size_t next = text.find(separator, at);
        parts.push_back(
            text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos) return parts;
        at = next + 1;
    }
}

int parseSize(std::string_view digits, std::string_view fieldText) {
    int value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty())
        throw UsageError("\"" + std::string(fieldText) + "\": \"" + std::string(digits) +
                         "\" is not a whole number");
    return value;
}

}  // namespace

std::string CommandLine::option(const std::string& name) const {
    auto it = options.find(name);
    return it == options.end() ? std::string() : it->second;
}

CommandLine parseArguments(const std::vector<std::string>& words,
                           const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions, std::size_t minPositional,
                           std::size_t maxPositional, const std::string& usage) {
    CommandLine cl;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() < 3 || w.compare(0, 2, "--") != 0) {
            cl.positional.push_back(w);
        } else if (valueOptions.count(w)) {
            if (i + 1 >= words.size()) throw UsageError(w + " needs a value; usage: " + usage);
            cl.options[w] = words[++i];
        } else if (flagOptions.count(w)) {
            cl.flags.insert(w);
        } else {
            throw UsageError("unknown option " + w + "; usage: " + usage);
        }
    }
    if (cl.positional.size() < minPositional || cl.positional.size() > maxPositional)
        throw UsageError("usage: " + usage);
    return cl;
}

std::string plural(std::uint64_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::vector<std::string> splitList(std::string_view text) {
    std::vector<std::string> names;
    for (std::string_view part : split(text, ',')) {
        part = trim(part);
        if (part.empty())
            throw UsageError("\"" + std::string(text) + "\" has an empty name in its list");
        names.emplace_back(part);
    }
    return names;
}

xbase::FieldSpec parseFieldSpec(std::string_view text) {
    std::vector<std::string_view> parts = split(text, ':');
    auto bad = [&](const std::string& why) {
        return UsageError("field \"" + std::string(text) + "\": " + why);
    };
    if (parts.size() < 2 || parts[1].size() != 1)
        throw bad("write it as NAME:TYPE[:WIDTH[:DECIMALS]]");
    xbase::FieldSpec field;
    field.name = std::string(parts[0]);
    field.type = static_cast<char>(parts[1][0] >= 'a' && parts[1][0] <= 'z' ? parts[1][0] - 32
                                                                            : parts[1][0]);
    switch (field.type) {
        case 'C':
            if (parts.size() != 3) throw bad("a character field takes a width, as NAME:C:30");
            field.width = parseSize(parts[2], text);
            break;
        case 'N':
            if (parts.size() < 3 || parts.size() > 4)
                throw bad("a numeric field takes a width and maybe decimals, as NAME:N:10:2");
            field.width = parseSize(parts[2], text);
            if (parts.size() == 4) field.decimals = parseSize(parts[3], text);
            break;
        case 'D':
        case 'L':
        case 'M':
            if (parts.size() != 2)
                throw bad(std::string("a field of type ") + field.type + " takes no width");
            break;
        default:
            throw bad("the type must be C, N, D, L or M");
    }
    return field;
}

}  // namespace tools
