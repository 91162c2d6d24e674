#pragma once
// A PDF file written front to back: numbered objects, streams compressed with deflate, then the
// cross-reference table and the trailer. Objects may be numbered before they are written, so a
// page can refer to resources written at the end. Writing goes on in big blocks; the first
// failed write is kept (the system's text for it) and nothing more is written after it.
#include <QByteArray>
#include <QString>
#include <vector>

#include "framework/Deflate.h"

namespace rp {

class PdfFile {
  public:
    // Writes to path, which is created or emptied; error() tells when it cannot be.
    explicit PdfFile(const QString& path);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // The number of an object written later.
    int reserve();
    // Writes object n with its body: a dictionary, an array or a plain value.
    void writeObject(int n, const QByteArray& body);
    // Writes object n as a stream of data; entries go into its dictionary before /Length.
    void writeStream(int n, const QByteArray& entries, const QByteArray& data);
    // The cross-reference table and the trailer naming the catalog and information objects;
    // then the file is flushed to the disk and closed. False when any write failed.
    bool finish(int catalog, int info);

    // Why writing failed (the system's text), or empty.
    const QString& error() const { return error_; }

  private:
    void beginObject(int n);
    void put(const QByteArray& bytes);
    void put(const char* bytes, qsizetype size);
    void flush();
    void failed(int errorNumber);

    int fd_ = -1;
    Deflate deflate_;
    QString error_;
    std::vector<qint64> offsets_;  // by object number from 1; 0 while not written
    qint64 position_ = 0;          // of the next byte put
    QByteArray buffer_;
};

}  // namespace rp
