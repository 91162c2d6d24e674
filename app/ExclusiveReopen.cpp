#include "app/ExclusiveReopen.h"

#include "data/AddressFile.h"
#include "framework/Messages.h"

namespace rp {

bool reopenExclusively(const QString& path, AddressTable& table) {
    const AddressFileResult reopened = openAddressTable(path, table);
    if (reopened.tell(showInformation)) return true;
    showInformation(withCause(exclusiveOpenMessage(), reopened.cause));
    return false;
}

}  // namespace rp
