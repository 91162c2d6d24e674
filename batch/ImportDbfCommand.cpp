// "import-dbf": the DBF import of the import window from the command line. The source fields
// are matched as the match window proposes them; --map changes the proposal field by field.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/ImportClose.h"
#include "import/DbfImport.h"
#include "import/DbfMatching.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames importDbfOptions() {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("map"));
    // An import appends to the whole file: no records are chosen.
    names.withValue.erase(QStringLiteral("filter"));
    names.withValue.erase(QStringLiteral("order"));
    return names;
}

int rowOf(const QString& caption) {
    for (int r = 0; r < kDbfMatchRows; ++r)
        if (caption == QLatin1String(dbfMatchRows()[static_cast<std::size_t>(r)].caption)) return r;
    return -1;
}

// The source field of this name, in any letter case, as the source spells it; throws
// BatchError when there is none.
QString sourceField(const ImportLayout& layout, const QString& name, const QString& path) {
    for (const ImportColumn& column : layout.columns)
        if (column.sourceName.compare(name, Qt::CaseInsensitive) == 0) return column.sourceName;
    throw BatchError(QCoreApplication::translate("ImportDbfCommand", "--map: %1 has no field %2")
                         .arg(path, name));
}

// Applies one "SRC=FIELD" (or "SRC=", leaving SRC out) to the matching.
void applyMap(DbfMatching& matching, const ImportLayout& layout, const QString& entry,
              const QString& path) {
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    if (equals <= 0)
        throw BatchError(
            QCoreApplication::translate("ImportDbfCommand", "--map: %1 is not SRC=FIELD")
                .arg(entry.trimmed()));
    const QString name = sourceField(layout, entry.left(equals).trimmed(), path);
    const QString target = entry.mid(equals + 1).trimmed();
    if (target.isEmpty()) {
        for (int r = 0; r < kDbfMatchRows; ++r)
            if (matching.shown(r) == name) matching.choose(r, {});
        return;
    }
    const int row = rowOf(captionNamed(dbfMatchRows(), target));
    if (row < 0)
        throw BatchError(
            QCoreApplication::translate("ImportDbfCommand", "--map: there is no address field %1")
                .arg(target));
    if (!matching.choices(row).contains(name))
        throw BatchError(QCoreApplication::translate(
                             "ImportDbfCommand", "--map: the field %1 cannot go into %2 (its type)")
                             .arg(name, target));
    matching.choose(row, name);
}

}  // namespace

int runImportDbf(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, importDbfOptions());
    if (args.positional().size() < 3)
        throw BatchError(QCoreApplication::translate("ImportDbfCommand", "no DBF file given"));
    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);

    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(args.positional()[2]));
    DbfSource source = openDbfSource(job.addressTable(), path);
    if (!source.table) throw BatchError(source.refusal);
    xbase::Table& from = *source.table;
    ImportLayout layout = dbfImportLayout(from);
    if (layout.columnCount() == 0)
        throw BatchError(
            QCoreApplication::translate("ImportDbfCommand", "%1: Unable to import from this file")
                .arg(path));

    DbfMatching matching(layout);
    matching.propose();
    for (const QString& value : args.values(QStringLiteral("map")))
        for (const QString& entry : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
            applyMap(matching, layout, entry, path);
    if (!matching.saveTo(layout))
        throw BatchError(
            QCoreApplication::translate("ImportDbfCommand",
                                        "no field of %1 goes into an address field (give --map)")
                .arg(path));
    if (!args.has(QStringLiteral("quiet")))
        for (const ImportColumn& column : layout.columns)
            if (!column.match.isEmpty())
                std::fprintf(stderr, "%s -> %s\n", column.sourceName.toLocal8Bit().constData(),
                             column.match.toLocal8Bit().constData());

    job.startPass(QStringLiteral("import"));
    ImportHooks hooks;
    hooks.bulk.keepGoing = [&] { return job.keepGoing(from.recNo(), from.recordCount()); };
    const DbfImportResult result = importDbfFile(job.table(), from, layout, hooks);
    using Outcome = DbfImportResult::Outcome;
    return closeImport(job, dbfImportMessages(result), result.outcome == Outcome::Cancelled,
                       result.outcome == Outcome::Failed);
}

}  // namespace rp
