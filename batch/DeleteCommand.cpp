// "delete": Delete Records on the records --filter names (or, with --not-matching, on those it
// leaves out), or on every record with --all, which empties the file.
#include "batch/BatchCommands.h"

#include <QCoreApplication>
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "framework/Messages.h"
#include "utilities/RecordDeletion.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames deleteOptions() {
    OptionNames names = commonOptions();
    names.switches.insert(QStringLiteral("all"));
    names.switches.insert(QStringLiteral("not-matching"));
    return names;
}

}  // namespace

int runDelete(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, deleteOptions());
    const QString user = args.value(QStringLiteral("filter"));
    const bool all = args.has(QStringLiteral("all"));
    if (all == !user.isEmpty())
        throw BatchError(
            QCoreApplication::translate("DeleteCommand", "give either --filter EXPR or --all"));
    if (all && args.has(QStringLiteral("not-matching")))
        throw BatchError(
            QCoreApplication::translate("DeleteCommand", "--not-matching needs --filter EXPR"));
    const DeleteChoice choice = all ? DeleteChoice::All
                                : args.has(QStringLiteral("not-matching"))
                                    ? DeleteChoice::NotMatchingFilter
                                    : DeleteChoice::MatchingFilter;

    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);
    job.chooseRecords();  // tells a bad --filter before anything changes
    xbase::Table& table = job.table();
    const std::uint32_t deleted = deleteRecords(table, choice, user);
    showInformation(QCoreApplication::translate("DeleteCommand", "Deleted %n records", nullptr,
                                                static_cast<int>(deleted)));
    showInformation(QStringLiteral(
        "For optimum space usage, please select\r\n[Rebuild Indexes] from the Utilities menu"));
    return kExitDone;
}

}  // namespace rp
