#pragma once
// The program's command line: its options and the address file it names. Qt's own options
// (-platform, -style and the others) are taken out by the application object before these are
// read.
#include <QString>
#include <QStringList>

namespace rp {

struct ProgramArguments {
    enum class Action {
        Run,           // start the program
        PrintHelp,     // --help: print text on standard output and end
        PrintVersion,  // --version: print text on standard output and end
        Refuse,        // a wrong option: print text (one line) on standard error, status 1
    };
    Action action = Action::Run;
    QString text;
    // "--home" and its folder when given (the last one wins), for resolveDataFolder.
    QStringList homeArguments;
    // The address file named on the command line (the first argument that is not an option),
    // as an absolute path in native separators; empty when none.
    QString fileToOpen;
};

// Reads the arguments (the program's name first), nothing else: no folder is made or opened.
ProgramArguments parseProgramArguments(const QStringList& arguments);

}  // namespace rp
