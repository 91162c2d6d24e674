// "duplicates": the duplicate check of the chosen records by last and first name, last name and
// first initial, or the first characters of the street. The possible duplicates are written
// one a line in the order the check's window lists them: record number and key parts,
// separated by tabs; the number of equal neighbour pairs goes to standard error. The check's
// work index goes into a private work folder, so a running program's is never touched.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "utilities/DuplicateCheck.h"
#include "xbase/Table.h"

namespace rp {
namespace {

struct DuplicateChoice {
    DuplicateKind kind = DuplicateKind::Name;
    int streetCharacters = kMaxStreetCharacters;
};

DuplicateChoice parseChoice(const QString& text) {
    DuplicateChoice choice;
    const QString lower = text.toLower();
    if (lower == QStringLiteral("name")) return choice;
    if (lower == QStringLiteral("initial")) {
        choice.kind = DuplicateKind::Initial;
        return choice;
    }
    if (lower == QStringLiteral("street") || lower.startsWith(QStringLiteral("street:"))) {
        choice.kind = DuplicateKind::Street;
        if (lower.size() > 6) {
            bool ok = false;
            choice.streetCharacters = lower.mid(7).toInt(&ok);
            if (!ok || choice.streetCharacters < 1 ||
                choice.streetCharacters > kMaxStreetCharacters)
                throw BatchError(
                    QCoreApplication::translate("DuplicatesCommand",
                                                "--by street:N takes N from 1 to 30, not %1")
                        .arg(text.mid(7)));
        }
        return choice;
    }
    throw BatchError(QCoreApplication::translate("DuplicatesCommand",
                                                 "--by takes name, initial or street[:N], not %1")
                         .arg(text));
}

}  // namespace

int runDuplicates(const QStringList& arguments, const QString& executableFolder) {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("by"));
    const BatchArgs args(arguments, names);
    const DuplicateChoice choice = parseChoice(args.value(QStringLiteral("by"), "name"));
    const QTemporaryDir work;
    if (!work.isValid())
        throw BatchError(
            QCoreApplication::translate("DuplicatesCommand", "cannot make a work folder: %1")
                .arg(work.errorString()));

    BatchJob job(args, executableFolder);
    job.chooseRecords();
    xbase::Table& table = job.table();
    bool stopped = false;
    job.startPass(QStringLiteral("duplicates"), table.visibleCount());
    DuplicateHooks hooks;
    hooks.keepGoing = [&] {
        stopped = !job.recordDone();
        return !stopped;
    };
    const std::uint32_t found = checkDuplicates(
        table, choice.kind, choice.streetCharacters,
        enginePath(work.path() + QLatin1Char('/') + QLatin1String(kDuplicateWorkIndex)), hooks);
    if (stopped) return kExitStopped;

    for (table.goTop(); !table.eof(); table.skip(1)) {
        const DuplicateKey key = duplicateKey(table, choice.kind, choice.streetCharacters);
        std::printf("%u\t%s", table.recNo(), fromFieldBytes(key.first).toLocal8Bit().constData());
        if (choice.kind != DuplicateKind::Street)
            std::printf("\t%s", fromFieldBytes(key.second).toLocal8Bit().constData());
        std::printf("\n");
    }
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", duplicatesFoundText(found).toLocal8Bit().constData());
    return kExitDone;
}

}  // namespace rp
