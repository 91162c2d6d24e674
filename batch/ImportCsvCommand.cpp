// "import-csv": the ASCII import of the import window from the command line. The columns go
// into the fields --columns names, in order, or with --header into the fields their names in the
// first line suggest (columns of unknown names are skipped and listed on standard error); the
// values are split at --delimiter (a comma unless told). A file with a double quote left open on
// a line is refused before anything is imported.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/ImportClose.h"
#include "framework/Messages.h"
#include "import/AsciiImport.h"
#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"
#include "import/AsciiMatching.h"
#include "import/AsciiSample.h"
#include "import/ColumnNames.h"
#include "xbase/Table.h"

namespace rp {
namespace {

OptionNames importCsvOptions() {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("columns"));
    names.withValue.insert(QStringLiteral("delimiter"));
    names.switches.insert(QStringLiteral("header"));
    // An import appends to the whole file: no records are chosen.
    names.withValue.erase(QStringLiteral("filter"));
    names.withValue.erase(QStringLiteral("order"));
    return names;
}

// The number of lines of the file; throws BatchError naming the file and the line when a line
// is not text (the import would stop there) or leaves a double quote open, or when the file
// cannot be read.
std::uint32_t checkedLineCount(const QString& path, QChar delimiter) {
    AsciiLineReader reader(path);
    if (!reader.open()) throw BatchError(reader.errorText());
    std::uint32_t lines = 0;
    AsciiLineText line;
    for (;;) {
        const AsciiLineReader::Read r = reader.next(line);
        if (r == AsciiLineReader::Read::Failed) throw BatchError(reader.errorText());
        if (r == AsciiLineReader::Read::End) return lines;
        ++lines;
        if (!isTextLine(line))
            throw BatchError(
                QCoreApplication::translate("ImportCsvCommand", "%1 line %2: not a line of text")
                    .arg(path)
                    .arg(lines));
        if (!quotesClosed(line, delimiter))
            throw BatchError(QCoreApplication::translate("ImportCsvCommand",
                                                         "%1 line %2: a double quote is not closed")
                                 .arg(path)
                                 .arg(lines));
    }
}

// The format --delimiter and --header give; throws BatchError for an unknown delimiter.
AsciiFormat givenFormat(const BatchArgs& args) {
    AsciiFormat format;
    format.header = args.has(QStringLiteral("header"));
    const QString name = args.value(QStringLiteral("delimiter"), QStringLiteral("comma"));
    const std::optional<QChar> delimiter = delimiterNamed(name);
    if (!delimiter)
        throw BatchError(QCoreApplication::translate(
                             "ImportCsvCommand", "--delimiter: %1 is not comma, semicolon or tab")
                             .arg(name));
    format.delimiter = *delimiter;
    return format;
}

// The sample's layout as matched by the column names of the first line; the columns whose
// names suggest no field are listed on standard error.
ImportLayout namedLayout(const AsciiSample& sample, const QString& path) {
    const ColumnNameMatch names = matchColumnNames(sample.firstLine);
    QStringList skipped;
    for (int c : names.unknown) skipped << sample.firstLine[c];
    for (int c : names.repeated) skipped << sample.firstLine[c];
    if (!skipped.isEmpty())
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("ImportCsvCommand", "%1: columns skipped: %2")
                           .arg(path, skipped.join(QStringLiteral(", ")))));
    if (!sample.layout.anyMatch())
        throw BatchError(
            QCoreApplication::translate("ImportCsvCommand",
                                        "%1: no column name is the name of an address field")
                .arg(path));
    return sample.layout;
}

// The layout of the file's columns matched to the fields --columns names, as the match window
// would take them: one column per field, any number into the memo.
ImportLayout matchedLayout(ImportLayout layout, const QString& path, const BatchArgs& args) {
    // The names of a header do not count: --columns says where every column goes.
    for (ImportColumn& column : layout.columns) column.match.clear();
    const QStringList names =
        args.value(QStringLiteral("columns")).split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (names.size() > layout.columnCount())
        throw BatchError(QCoreApplication::translate(
                             "ImportCsvCommand", "--columns: %1 names given, but %2 has %3 columns")
                             .arg(names.size())
                             .arg(path)
                             .arg(layout.columnCount()));
    AsciiMatching matching(layout);
    for (int c = 0; c < names.size(); ++c) {
        const QString name = names[c].trimmed();
        const QString caption =
            name.isEmpty() ? kNoMatchCaption : captionNamed(matchTargets(), name);
        if (caption.isEmpty())
            throw BatchError(QCoreApplication::translate("ImportCsvCommand",
                                                         "--columns: there is no address field %1")
                                 .arg(name));
        matching.select(c);
        if (!matching.buttonEnabled(caption))
            throw BatchError(
                QCoreApplication::translate("ImportCsvCommand", "--columns: %1 is given twice")
                    .arg(name));
        matching.choose(caption);
    }
    if (!matching.saveTo(layout))
        throw BatchError(QCoreApplication::translate(
            "ImportCsvCommand", "--columns: no column goes into an address field"));
    return layout;
}

}  // namespace

int runImportCsv(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, importCsvOptions());
    if (args.positional().size() < 3)
        throw BatchError(QCoreApplication::translate("ImportCsvCommand", "no CSV file given"));
    const AsciiFormat format = givenFormat(args);
    const bool byName = args.value(QStringLiteral("columns")).isEmpty();
    if (byName && !format.header)
        throw BatchError(QCoreApplication::translate(
            "ImportCsvCommand", "--columns FIELD,FIELD,... or --header is needed"));
    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);

    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(args.positional()[2]));
    if (!QFileInfo(path).isFile())
        throw BatchError(
            QCoreApplication::translate("ImportCsvCommand", "File %1 not found").arg(path));
    std::uint32_t total = checkedLineCount(path, format.delimiter);
    AsciiSample sample = readAsciiSample(path, format);
    if (!sample.accepted)
        throw BatchError(
            QCoreApplication::translate("ImportCsvCommand", "%1: Unable to import from this file")
                .arg(path));
    if (format.header) --total;
    const ImportLayout layout =
        byName ? namedLayout(sample, path) : matchedLayout(std::move(sample.layout), path, args);

    // The import counts the lines first, then imports them: only the second pass shows
    // progress. Its stop test comes before each line, and once more at the end.
    bool importing = false;
    std::uint64_t tests = 0;
    ImportHooks hooks;
    hooks.status = [&](const QString& text) {
        if (text != QCoreApplication::translate("AsciiImport", "Importing records")) return;
        importing = true;
        job.startPass(QStringLiteral("import"));
    };
    hooks.bulk.keepGoing = [&] {
        if (!importing) return !BatchJob::stopRequested();
        return job.keepGoing(tests++, total);
    };
    const AsciiImportResult result = importAsciiFile(job.table(), path, layout, hooks, format);

    QStringList messages{asciiImportMessage(result)};
    const QString notes = asciiImportNotes(result);
    if (!notes.isEmpty()) messages << notes.split(QStringLiteral("\r\n"));
    using Outcome = AsciiImportResult::Outcome;
    return closeImport(job, messages, result.outcome == Outcome::Cancelled,
                       result.outcome != Outcome::Cancelled && result.outcome != Outcome::Complete);
}

}  // namespace rp
