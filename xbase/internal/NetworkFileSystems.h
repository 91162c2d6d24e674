#pragma once
// Which file systems turn flock(2) into byte-range locks over the whole file: NFS, and CIFS and
// SMB, where those locks are also mandatory. Opens of files there express their open mode in a
// byte of their own only (see LockScheme.h).
#include <cstdint>

namespace xbase {

class NetworkFileSystems {
  public:
    // Whether the file system type statfs(2) reports (f_type) is NFS, CIFS, SMB2 or SMB.
    static bool isNetworkType(std::uint64_t type);
    // Whether the open file lies on such a file system, or treatAllAsNetwork() says so. A file
    // system that cannot be asked counts as local.
    static bool holds(int fd);
    // Test switch: every file opened from now on, in this process and the processes it forks,
    // counts as lying on a network file system (or, with false, as the system says).
    static void treatAllAsNetwork(bool on);
};

}  // namespace xbase
