#pragma once
// A pseudo-terminal standing in for a modem: the dialer writes to its device path, the test
// reads what arrived from the other end. The terminal passes bytes through unchanged.
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <fcntl.h>
#include <QByteArray>
#include <QString>
#include <cerrno>

namespace rp {

class ModemPty {
  public:
    ModemPty() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        device_ = QString::fromLocal8Bit(name);
        termios t{};
        ::tcgetattr(slave_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~ModemPty() {
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }
    ModemPty(const ModemPty&) = delete;
    ModemPty& operator=(const ModemPty&) = delete;

    bool ok() const { return master_ >= 0 && !device_.isEmpty(); }
    const QString& device() const { return device_; }
    int slave() const { return slave_; }

    // Everything written to the device so far and not yet read.
    QByteArray received() {
        QByteArray all;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                all.append(buffer, n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            return all;
        }
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    QString device_;
};

}  // namespace rp
