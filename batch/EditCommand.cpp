// "edit": changes fields of one record under its lock, the address file open shared, so that a
// script can update a list that people have open in the program.
#include <QCoreApplication>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/FieldValues.h"
#include "data/AddressLayout.h"
#include "data/RecordView.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames editOptions() {
    return {{QStringLiteral("home"), QStringLiteral("record")}, {}};
}

// Stands on record recno in the view of all records and throws BatchError when the program
// hides it (marked deleted, or PREFIX "DELETED").
void standOnLiveRecord(xbase::Table& table, std::uint32_t recno) {
    table.go(recno);
    if (!recordInView(table))
        throw BatchError(
            QCoreApplication::translate("EditCommand", "Record %1 is deleted.").arg(recno));
}

}  // namespace

int runEdit(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, editOptions());
    if (!args.has(QStringLiteral("record")))
        throw BatchError(QCoreApplication::translate("EditCommand", "give --record N"));
    const QStringList assignments = args.positional().mid(2);
    if (assignments.isEmpty())
        throw BatchError(
            QCoreApplication::translate("EditCommand", "give at least one FIELD=VALUE"));
    const auto recno = static_cast<std::uint32_t>(args.number(QStringLiteral("record"), 1, 1));

    BatchJob job(args, executableFolder);
    xbase::Table& table = job.table();
    if (recno > table.recordCount())
        throw BatchError(QCoreApplication::translate(
                             "EditCommand", "the address file has no record %1 (it has %2)")
                             .arg(recno)
                             .arg(table.recordCount()));
    const std::vector<FieldValue> values =
        readFieldValues(table, assignments, job.shortDateFormat());
    table.setFilter(kStandingCondition.toStdString());
    standOnLiveRecord(table, recno);
    try {
        table.lockRecord(recno);
    } catch (const xbase::LockedError&) {
        throw BatchError(QCoreApplication::translate("EditCommand",
                                                     "Record %1 is being changed by another user.")
                             .arg(recno));
    }
    // Read again under the lock: another user may have deleted it meanwhile.
    standOnLiveRecord(table, recno);
    storeFieldValues(table, values);
    table.post();
    table.commit();
    table.unlockRecord(recno);
    return kExitDone;
}

}  // namespace rp
