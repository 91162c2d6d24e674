#include "data/WholeFile.h"

namespace rp {

bool WholeFile::open() {
    return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool WholeFile::write(const char* data, qint64 size) {
    while (size > 0) {
        const qint64 written = file_.write(data, size);
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WholeFile::commit() {
    return file_.commit();
}

}  // namespace rp
