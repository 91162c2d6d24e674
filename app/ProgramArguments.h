#pragma once
// What the program's command line names besides its options.
#include <QString>
#include <QStringList>

namespace rp {

// The address file named on the command line (the first argument after the program's name
// that is not an option or the value of --home), as an absolute path; empty when none.
QString addressFileArgument(const QStringList& arguments);

}  // namespace rp
