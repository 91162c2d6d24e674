#pragma once
// The commands of xbase-tool. Each takes the words after the command name, writes its report to
// out and throws UsageError or xbase::Error when it cannot do its work.
#include <ostream>
#include <string>
#include <vector>

namespace tools {

using Words = std::vector<std::string>;

void infoCommand(const Words& words, std::ostream& out);
void createCommand(const Words& words, std::ostream& out);
void appendCsvCommand(const Words& words, std::ostream& out);
void countCommand(const Words& words, std::ostream& out);
void dumpCommand(const Words& words, std::ostream& out);
void packCommand(const Words& words, std::ostream& out);
void tagsCommand(const Words& words, std::ostream& out);
void indexCommand(const Words& words, std::ostream& out);
void reindexCommand(const Words& words, std::ostream& out);
void seekCommand(const Words& words, std::ostream& out);
// Writes one line per problem found and then throws ProblemsReported, or writes "ok: ...".
void checkCommand(const Words& words, std::ostream& out);

// Thrown by a command whose report, already written, lists problems: the program ends with
// status 1 and adds nothing to standard error.
struct ProblemsReported {};

}  // namespace tools
