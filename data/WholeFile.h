#pragma once
// A file written whole in place of any file of that name: the bytes go to a temporary file
// beside it and take its name only once they are all on the disk, so a failure leaves the
// earlier file as it was. Qt's own buffer is left out, so that a short write (a disk that
// fills, a limit on the size of files) is gone on from and the failure that follows, with the
// system's cause, is seen rather than lost with the buffer.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace rp {

class WholeFile {
  public:
    explicit WholeFile(const QString& path) : file_(path) {}

    // Each returns false when the system refuses; cause() then says why. A file that is not
    // committed is dropped when the object goes.
    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // Puts the file in place of the earlier one.
    bool commit();
    // Drops what was written; the earlier file stays.
    void cancel() { file_.cancelWriting(); }

    QString cause() const { return file_.errorString(); }

  private:
    QSaveFile file_;
};

}  // namespace rp
