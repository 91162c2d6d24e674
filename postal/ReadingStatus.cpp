#include "postal/ReadingStatus.h"

#include <QCoreApplication>

namespace rp {

QString readingRecordsStatus() {
    return QCoreApplication::translate("ReadingStatus", "Reading database records...");
}

QString readingRecordStatus(std::uint32_t record) {
    return QCoreApplication::translate("ReadingStatus", "Reading record %1").arg(record);
}

QString sortingZipCodesStatus() {
    return QCoreApplication::translate("ReadingStatus", "Sorting Zip Codes...");
}

}  // namespace rp
