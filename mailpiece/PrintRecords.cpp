#include "mailpiece/PrintRecords.h"

#include <string>

#include "data/AddressLayout.h"
#include "data/RecordView.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

void selectPrintRecords(xbase::Table& table, PrintRecords records, std::uint32_t current) {
    switch (records) {
        case PrintRecords::All:
            table.setFilter(kStandingCondition.toStdString());
            break;
        case PrintRecords::Current:
            table.setFilter("Recno()=" + std::to_string(current));
            break;
        case PrintRecords::Filtered:
            break;
    }
}

bool goToPrintStart(xbase::Table& table, bool fromCurrent, std::uint32_t current) {
    if (fromCurrent) {
        table.go(current);
        if (recordInView(table)) return true;
        showInformation(outOfRangeMessage());
    }
    table.goTop();
    return false;
}

}  // namespace rp
