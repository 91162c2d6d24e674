// "search-replace": Search and Replace on the chosen records. FIELD is a field name (LNAME) or
// the name the window shows (LastName). By default every occurrence of FIND within the field is
// replaced; --whole replaces the whole value of fields that equal FIND. --ignore-case matches
// letters of either case. The change is described as the window does and made only with --yes.
#include <algorithm>

#include <QCoreApplication>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "data/RecordText.h"
#include "framework/Messages.h"
#include "utilities/SearchReplaceRun.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames searchReplaceOptions() {
    OptionNames names = commonOptions();
    names.switches.insert(QStringLiteral("whole"));
    names.switches.insert(QStringLiteral("ignore-case"));
    return names;
}

ReplaceableField replaceableField(const QString& name) {
    const auto& fields = replaceableFields();
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const ReplaceableField& f) {
        return name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0 ||
               name.compare(QLatin1String(f.displayName), Qt::CaseInsensitive) == 0;
    });
    if (found != fields.end()) return *found;
    QStringList names;
    for (const ReplaceableField& f : fields) names << QString::fromLatin1(f.name);
    throw BatchError(QCoreApplication::translate("SearchReplaceCommand",
                                                 "FIELD: %1 cannot be replaced; the fields are %2")
                         .arg(name, names.join(QLatin1Char(','))));
}

std::string bytesOf(const QString& text, const char* what) {
    try {
        return storableBytes(text);
    } catch (const UnstorableText& e) {
        throw BatchError(QString::fromLatin1(what) + QStringLiteral(": ") +
                         QString::fromUtf8(e.what()));
    }
}

}  // namespace

int runSearchReplace(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, searchReplaceOptions());
    const QStringList& positional = args.positional();
    if (positional.size() != 5)
        throw BatchError(QCoreApplication::translate("SearchReplaceCommand",
                                                     "give ADDRESSFILE FIELD FIND REPLACE"));
    SearchReplaceRequest request;
    request.field = replaceableField(positional[2]);
    request.find = bytesOf(positional[3], "FIND");
    request.replacement = bytesOf(positional[4], "REPLACE");
    const bool whole = args.has(QStringLiteral("whole"));
    request.match = whole ? MatchKind::ExactlyEqual : MatchKind::Contains;
    request.action = whole ? ReplaceAction::WholeField : ReplaceAction::MatchingText;
    request.caseSensitive = !args.has(QStringLiteral("ignore-case"));

    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);
    job.chooseRecords();
    xbase::Table& table = job.table();
    if (!messages().question(QStringLiteral("Replace"), replaceDescription(request), true))
        return kExitError;
    // As in the window, the pass cannot be stopped once begun.
    const ReplaceOutcome outcome = replaceFieldValues(table, request, {[](int) {}, [] {}});
    showInformation(QCoreApplication::translate("SearchReplaceCommand", "Replaced %n records",
                                                nullptr, outcome.replaced));
    if (outcome.tooLong > 0) showInformation(tooLongMessage(outcome.tooLong));
    showInformation(QCoreApplication::translate("SearchReplaceCommand", "Replacement done"));
    return kExitDone;
}

}  // namespace rp
