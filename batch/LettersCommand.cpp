// "letters": the print run of the Print Letters dialog, one merged letter per chosen record (each
// on a page of its own, every copy too), to a PDF file or a printer. The letter is one of the
// letters file by its description, or an RTF file of another word processor; the paper is the
// letter's own.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/OutputPrinter.h"
#include "batch/SetupLookup.h"
#include "data/AddressTable.h"
#include "data/DateText.h"
#include "data/RecordView.h"
#include "framework/Messages.h"
#include "framework/PrinterSurface.h"
#include "letters/LetterDocument.h"
#include "letters/LetterPrintRun.h"
#include "letters/LettersFile.h"
#include "letters/RtfReader.h"
#include "xbase/DateUtil.h"
#include "xbase/Table.h"

namespace rp {
namespace {

constexpr int kMostCopies = 999;

OptionNames letterOptions() {
    OptionNames names = commonOptions();
    for (const char* name :
         {"letter", "rtf", "copies", "record", "start-record", "output", "printer"})
        names.withValue.insert(QString::fromLatin1(name));
    names.switches.insert(QStringLiteral("all"));
    return names;
}

// The letter of the letters file whose description matches, read whole.
std::unique_ptr<QTextDocument> findLetter(xbase::Table& letters, const QString& description) {
    QStringList descriptions;
    std::vector<std::uint32_t> records;
    for (letters.goTop(); !letters.eof(); letters.skip()) {
        descriptions << letterDescription(letters);
        records.push_back(letters.recNo());
    }
    letters.go(records[findDescribed(descriptions, description, QStringLiteral("--letter"),
                                     QCoreApplication::translate("SetupLookup", "letter"))]);
    auto letter = newLetterDocument();
    if (const auto fault = readLetter(letters, *letter))
        throw BatchError(
            QCoreApplication::translate("LettersCommand",
                                        "--letter: the letter \"%1\" cannot be read whole: %2")
                .arg(description, *fault));
    return letter;
}

// The letter an RTF file holds, read whole.
std::unique_ptr<QTextDocument> readRtfLetter(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BatchError(QCoreApplication::translate("LettersCommand", "--rtf: cannot read %1: %2")
                             .arg(path, file.errorString()));
    auto letter = newLetterDocument();
    QStringList notes;
    if (const auto fault = readRtf(file.readAll(), *letter, &notes))
        throw BatchError(QCoreApplication::translate("LettersCommand", "--rtf: cannot read %1: %2")
                             .arg(path, *fault));
    for (const QString& note : notes)
        showInformation(
            QCoreApplication::translate("LettersCommand", "--rtf: %1: %2").arg(path, note));
    return letter;
}

// Checks the record choice before anything is opened: --all, --record and --start-record
// each exclude the others, and --all and --record exclude --filter and --where.
void checkRecordChoice(const BatchArgs& args) {
    const QString all = QStringLiteral("all");
    const QString record = QStringLiteral("record");
    if (args.has(all) && args.has(record))
        throw BatchError(QCoreApplication::translate(
            "LettersCommand", "--all and --record choose different records: give one"));
    for (const QString& chooser : {all, record}) {
        if (!args.has(chooser)) continue;
        const QString text =
            chooser == all
                ? QCoreApplication::translate("LettersCommand",
                                              "--all prints every record: leave out --%1")
                : QCoreApplication::translate("LettersCommand",
                                              "--record prints that one record: leave out --%1");
        for (const char* other : {"filter", "where", "start-record"})
            if (args.has(QString::fromLatin1(other)))
                throw BatchError(text.arg(QString::fromLatin1(other)));
    }
}

}  // namespace

int runLetters(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, letterOptions());
    const bool fromFile = args.has(QStringLiteral("rtf"));
    if (fromFile == args.has(QStringLiteral("letter")))
        throw BatchError(QCoreApplication::translate(
            "LettersCommand", "--letter DESCRIPTION or --rtf FILE.rtf is needed (one)"));
    LetterRunOptions options;
    options.copies = args.number(QStringLiteral("copies"), 1, 1);
    if (options.copies > kMostCopies)
        throw BatchError(
            QCoreApplication::translate("LettersCommand",
                                        "--copies must be a whole number of at most %1, not \"%2\"")
                .arg(kMostCopies)
                .arg(args.value(QStringLiteral("copies"))));
    checkRecordChoice(args);
    const bool oneRecord = args.has(QStringLiteral("record"));
    args.number(QStringLiteral("record"), 1, 1);  // a bad --record is told before anything opens
    const bool fromStart = args.has(QStringLiteral("start-record"));
    const auto start =
        static_cast<std::uint32_t>(args.number(QStringLiteral("start-record"), 1, 1));

    BatchJob job(args, executableFolder);
    std::unique_ptr<QTextDocument> letter;
    if (fromFile) {
        letter = readRtfLetter(args.value(QStringLiteral("rtf")));
    } else {
        const auto letters =
            openSideTable(job.engine(), job.dataFolder() + QLatin1String(kLettersFileName));
        letter = findLetter(*letters, args.value(QStringLiteral("letter")));
    }
    options.today = formatDate(xbase::today(), job.shortDateFormat());

    xbase::Table& table = job.table();
    std::uint64_t total = 1;
    if (oneRecord) {
        job.goToRecordOption();
        options.onlyCurrent = true;
    } else {
        job.chooseRecords();
        total = table.visibleCount();
        if (fromStart) {
            table.go(start);
            if (!recordInView(table)) {
                showInformation(outOfRangeMessage());
                table.goTop();
            }
        }
    }
    if (total == 0)
        throw BatchError(QCoreApplication::translate(
            "LettersCommand", "no record is chosen: there is no letter to print"));

    OutputPrinter output(args, QStringLiteral("letters.pdf"));
    job.startPass(QStringLiteral("letters"), total);
    PrinterSurface surface(output.printer());
    LetterPrintRun run(*letter, table, options);
    run.keepGoing = [&](int) { return job.recordDone(); };
    if (!run.run(surface)) return kExitStopped;
    if (oneRecord) job.recordDone();
    return kExitDone;
}

}  // namespace rp
