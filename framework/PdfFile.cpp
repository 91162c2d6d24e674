#include "framework/PdfFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace rp {
namespace {

constexpr qsizetype kBlock = 1 << 20;

}  // namespace

PdfFile::PdfFile(const QString& path) {
    fd_ = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) failed(errno);
    buffer_.reserve(kBlock + 64 * 1024);
    put(QByteArrayLiteral("%PDF-1.6\n%\xE2\xE3\xCF\xD3\n"));
}

PdfFile::~PdfFile() {
    if (fd_ >= 0) ::close(fd_);
}

void PdfFile::failed(int errorNumber) {
    if (error_.isEmpty()) error_ = QString::fromLocal8Bit(std::strerror(errorNumber));
}

int PdfFile::reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size());
}

void PdfFile::put(const char* bytes, qsizetype size) {
    buffer_.append(bytes, size);
    position_ += size;
    if (buffer_.size() >= kBlock) flush();
}

void PdfFile::put(const QByteArray& bytes) {
    put(bytes.constData(), bytes.size());
}

void PdfFile::flush() {
    const char* at = buffer_.constData();
    qsizetype left = buffer_.size();
    while (left > 0 && error_.isEmpty()) {
        const ssize_t done = ::write(fd_, at, static_cast<std::size_t>(left));
        if (done < 0) {
            if (errno != EINTR) failed(errno);
            continue;
        }
        at += done;
        left -= done;
    }
    buffer_.clear();
}

void PdfFile::beginObject(int n) {
    offsets_[static_cast<std::size_t>(n - 1)] = position_;
    char head[24];
    const int size = std::snprintf(head, sizeof head, "%d 0 obj\n", n);
    put(head, size);
}

void PdfFile::writeObject(int n, const QByteArray& body) {
    beginObject(n);
    put(body);
    put(QByteArrayLiteral("\nendobj\n"));
}

void PdfFile::writeStream(int n, const QByteArray& entries, const QByteArray& data) {
    const QByteArray packed = deflate_.zlib(data);
    if (packed.isEmpty()) {
        failed(ENOMEM);
        return;
    }
    beginObject(n);
    put(QByteArrayLiteral("<<") + entries + "/Filter/FlateDecode/Length " +
        QByteArray::number(packed.size()) + ">>\nstream\n");
    put(packed);
    put(QByteArrayLiteral("\nendstream\nendobj\n"));
}

bool PdfFile::finish(int catalog, int info) {
    const qint64 table = position_;
    // Entry by entry into the output, which goes to the file a block at a time.
    put("xref\n0 " + QByteArray::number(offsets_.size() + 1) + "\n0000000000 65535 f \n");
    for (const qint64 offset : offsets_) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offset));
        put(entry, 20);
    }
    put("trailer\n<</Size " + QByteArray::number(offsets_.size() + 1) + "/Root " +
        QByteArray::number(catalog) + " 0 R/Info " + QByteArray::number(info) +
        " 0 R>>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n");
    flush();
    if (error_.isEmpty() && ::fsync(fd_) != 0) failed(errno);
    if (::close(fd_) != 0) failed(errno);
    fd_ = -1;
    return error_.isEmpty();
}

}  // namespace rp
