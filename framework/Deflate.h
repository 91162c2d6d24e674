#pragma once
// Compression in the zlib format at libdeflate's fastest level, several times as fast as zlib's
// own fastest for output of about the same size.
#include <QByteArray>
#include <memory>

struct libdeflate_compressor;

namespace rp {

class Deflate {
  public:
    Deflate();

    // The bytes as a zlib stream, after room for header bytes that the caller fills; empty when
    // the compressor could not be made.
    QByteArray zlib(const QByteArray& bytes, qsizetype header = 0) const;

  private:
    struct Free {
        void operator()(libdeflate_compressor* compressor) const;
    };
    std::unique_ptr<libdeflate_compressor, Free> compressor_;
};

}  // namespace rp
