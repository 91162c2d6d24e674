#pragma once
// The folder that holds the program's own files: its initialisation file and the rest.
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace rp {

// The initialisation file in the data folder.
inline constexpr char kIniFileName[] = "RAVENP.INI";

// A data folder that cannot be used; what() is a sentence to show the user.
class DataFolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The first of: "--home DIR" or "--home=DIR" among the arguments (the last one given wins);
// the environment variable RAVENPOST_HOME when set and not empty; the executable's folder
// when it holds a writable RAVENP.INI (a copy that travels on a removable drive); the
// per-user data folder, ~/.local/share/Ravenpost. The folder comes back absolute, in native
// separators with a trailing separator, and is created when missing. Throws DataFolderError
// when "--home" names no folder or the folder cannot be created.
QString resolveDataFolder(const QStringList& arguments, const QString& executableFolder);

}  // namespace rp
