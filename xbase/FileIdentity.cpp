// Whether an open file is still the one its path names.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "xbase/Error.h"
#include "xbase/internal/File.h"

namespace xbase {

void File::requireStillAtPath() const {
    // The descriptor keeps the identity (device and inode) of the file as it was opened.
    struct stat open {};
    struct stat named {};
    if (::fstat(fd_, &open) != 0 ||
        (::stat(path_.c_str(), &named) != 0 && errno != ENOENT && errno != ENOTDIR))
        throw Error("Cannot look at " + path_ + ": " + std::strerror(errno));
    if (named.st_ino != 0 && named.st_dev == open.st_dev && named.st_ino == open.st_ino) return;
    throw Error(path_ +
                " was removed or replaced by another program while it was open; the change was "
                "not saved");
}

}  // namespace xbase
