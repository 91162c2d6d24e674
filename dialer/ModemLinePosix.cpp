// The modem port through the POSIX calls: Qt Serial Port would set a speed and framing of its
// own, and the port's current line settings must stay as they are.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QCoreApplication>
#include <QFile>

#include "dialer/ModemLine.h"

namespace rp {
namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

}  // namespace

ModemLine::~ModemLine() {
    close();
}

bool ModemLine::open(const QString& device) {
    close();
    error_.clear();
    const QByteArray path = QFile::encodeName(device);
    const int fd = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error_ = systemError(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
        error_ = QCoreApplication::translate("ModemLine", "Not a device");
        ::close(fd);
        return false;
    }
    // Another program of ours, or any that locks its ports, holding the device.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error_ = systemError(errno == EWOULDBLOCK ? EBUSY : errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    // Terminals refuse further opens while exclusive; other devices have no such mode.
    exclusive_ = ::ioctl(fd_, TIOCEXCL) == 0;
    return true;
}

bool ModemLine::write(const QByteArray& bytes, std::chrono::milliseconds limit) {
    if (fd_ < 0) return false;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + limit;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd_, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            error_ = systemError(errno);
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            error_ = systemError(ETIMEDOUT);
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            error_ = systemError(errno);
            return false;
        }
    }
    return true;
}

void ModemLine::close() {
    if (fd_ < 0) return;
    // A pseudo-terminal keeps its exclusive mode past this close while its other end is open.
    if (exclusive_) ::ioctl(fd_, TIOCNXCL);
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
    exclusive_ = false;
}

}  // namespace rp
