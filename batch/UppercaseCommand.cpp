// "uppercase": Convert to Uppercase on the chosen records, for every field it offers or for
// those --fields names.
#include <QCoreApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "utilities/UppercaseConversion.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames uppercaseOptions() {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("fields"));
    return names;
}

QString offeredNames() {
    QStringList names;
    for (const UppercaseField& f : uppercaseFields()) names << QString::fromLatin1(f.field);
    return names.join(QLatin1Char(','));
}

// The fields to convert, in the conversion's own order; throws BatchError for a name that is
// not offered.
std::vector<std::string> chosenFields(const BatchArgs& args) {
    std::vector<std::string> chosen;
    if (!args.has(QStringLiteral("fields"))) {
        for (const UppercaseField& f : uppercaseFields()) chosen.emplace_back(f.field);
        return chosen;
    }
    const QStringList named =
        args.value(QStringLiteral("fields")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& name : named) {
        const QString upper = name.trimmed().toUpper();
        const auto& offered = uppercaseFields();
        if (std::none_of(offered.begin(), offered.end(),
                         [&](const UppercaseField& f) { return upper == QLatin1String(f.field); }))
            throw BatchError(
                QCoreApplication::translate("UppercaseCommand",
                                            "--fields: %1 cannot be converted; the fields are %2")
                    .arg(name.trimmed(), offeredNames()));
    }
    for (const UppercaseField& f : uppercaseFields())
        for (const QString& name : named)
            if (name.trimmed().toUpper() == QLatin1String(f.field)) {
                chosen.emplace_back(f.field);
                break;
            }
    if (chosen.empty())
        throw BatchError(
            QCoreApplication::translate("UppercaseCommand", "--fields: no field named"));
    return chosen;
}

}  // namespace

int runUppercase(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, uppercaseOptions());
    const std::vector<std::string> fields = chosenFields(args);
    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);
    job.chooseRecords();
    xbase::Table& table = job.table();
    bool stopped = false;
    job.startPass(QStringLiteral("uppercase"), table.visibleCount());
    BulkHooks hooks;
    hooks.keepGoing = [&] {
        stopped = !job.recordDone();
        return !stopped;
    };
    const std::uint32_t converted =
        convertToUppercase(table, fields, ConvertScope::MatchingFilter, hooks);
    std::printf("%u\n", converted);
    return stopped ? kExitStopped : kExitDone;
}

}  // namespace rp
