#pragma once
// A modem's port held for one dial: opened for writing only on a device that already exists,
// held exclusively, with its line settings (speed, framing) left as they are. Writes that the
// device holds back (flow control) give up after a time limit instead of waiting for ever.
#include <QByteArray>
#include <QString>
#include <chrono>

namespace rp {

inline constexpr std::chrono::milliseconds kModemWriteLimit{5000};

class ModemLine {
  public:
    ModemLine() = default;
    ~ModemLine();
    ModemLine(const ModemLine&) = delete;
    ModemLine& operator=(const ModemLine&) = delete;

    // False when the device is missing, not a character device, or in use by another
    // program; error() then tells why.
    bool open(const QString& device);
    bool isOpen() const { return fd_ >= 0; }
    // True once every byte was taken by the device within limit.
    bool write(const QByteArray& bytes, std::chrono::milliseconds limit = kModemWriteLimit);
    void close();

    const QString& error() const { return error_; }

  private:
    int fd_ = -1;
    bool exclusive_ = false;
    QString error_;
};

}  // namespace rp
