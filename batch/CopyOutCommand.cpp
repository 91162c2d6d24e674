// "copy-out": Copy Records Out on the chosen records, in the chosen order, to a comma-delimited
// file (.csv or any other name), to a DBF file with the memo (.dbf) or to a vCard file (.vcf).
// Dates are written in the short date format of the data folder's preferences. With --header a
// text file starts with a line of the field names.
#include <QCoreApplication>
#include <QDir>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "data/DataFolder.h"
#include "data/DateText.h"
#include "utilities/CopyOut.h"
#include "utilities/CopyTarget.h"
#include "utilities/VcardCopy.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames copyOutOptions() {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("output"));
    names.switches.insert(QStringLiteral("header"));
    return names;
}

}  // namespace

int runCopyOut(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, copyOutOptions());
    const QString output = args.value(QStringLiteral("output"));
    if (output.isEmpty())
        throw BatchError(QCoreApplication::translate(
            "CopyOutCommand", "give --output FILE.csv, FILE.dbf or FILE.vcf"));
    const CopyKind kind =
        output.endsWith(QStringLiteral(".dbf"), Qt::CaseInsensitive)   ? CopyKind::Dbf
        : output.endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive) ? CopyKind::Vcard
                                                                       : CopyKind::Ascii;

    BatchJob job(args, executableFolder);
    const QString target = checkCopyTarget(
        kind, QDir::cleanPath(QDir::current().absoluteFilePath(output)), job.table());
    if (target == kNoCopyTarget)
        throw BatchError(
            QCoreApplication::translate("CopyOutCommand", "--output: cannot copy to %1")
                .arg(output));
    job.chooseRecords();

    xbase::Table& table = job.table();
    job.startPass(QStringLiteral("copy-out"), table.visibleCount());
    BulkHooks hooks;
    hooks.keepGoing = [&] { return job.recordDone(); };
    const QString dateFormat = job.shortDateFormat();
    const CopyResult result =
        kind == CopyKind::Dbf ? copyToDbf(table, target, hooks)
        : kind == CopyKind::Vcard
            ? copyToVcard(table, target, hooks)
            : copyToAscii(
                  table, target,
                  [&dateFormat](xbase::JulianDay day) { return formatDate(day, dateFormat); },
                  hooks, args.has(QStringLiteral("header")));
    if (result.status == CopyResult::Status::Stopped) return kExitStopped;
    if (result.status == CopyResult::Status::Failed)
        throw BatchError(
            QStringLiteral("--output %1: ").arg(output) +
            (result.error.isEmpty()
                 ? QCoreApplication::translate("CopyOutCommand", "There was an error copying")
                 : result.error));
    return kExitDone;
}

}  // namespace rp
