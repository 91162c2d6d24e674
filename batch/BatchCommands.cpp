#include "batch/BatchCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

#include "batch/BatchError.h"
#include "batch/BatchMessages.h"
#include "framework/Messages.h"

namespace rp {
namespace {

using Command = std::function<int(const QStringList&, const QString&)>;

struct CommandEntry {
    Command run;
    const char* usage;
};

const std::map<QString, CommandEntry>& commands() {
    static const std::map<QString, CommandEntry> table = {
        {QStringLiteral("barcode"),
         {runBarcode,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "barcode --zip ZIP [--imb BARCODEID,SERVICE,MAILER,SERIAL]\n"
              "  Writes the bars of a postal barcode for a ZIP (5, 9 or 11 digits; none with\n"
              "  --imb): POSTNET as its digits with the correction digit and its bars as F and H,\n"
              "  or with --imb the Intelligent Mail barcode's bars as A, D, F and T.")}},
        {QStringLiteral("calibrate"),
         {runCalibrate,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "calibrate --printer NAME (--shift X,Y | --clear) [--home DIR]\n"
              "  Keeps the correction of a system printer in RAVENP.INI: X and Y are how far the\n"
              "  marks of its calibration page landed right of and below where they should\n"
              "  (inches; negative for left and above). Its labels and envelopes are then moved\n"
              "  back by those amounts. --clear removes the correction. \"PDF file\" is never\n"
              "  corrected.")}},
        {QStringLiteral("calibration-page"),
         {runCalibrationPage,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "calibration-page [--printer NAME | --output FILE.pdf] [--paper Letter|A4|WxH]\n"
              "  Prints the calibration page (uncorrected): a frame 0.5 inch in from each edge,\n"
              "  crosshairs at the positions written beside them and rulers in 1/32 inch, to\n"
              "  measure how far the printer puts its output off.")}},
        {QStringLiteral("count"),
         {runCount, QT_TRANSLATE_NOOP(
                        "BatchCommands",
                        "count ADDRESSFILE [--filter EXPR] [--where LINE=TEXT]... [--home DIR]\n"
                        "  Writes the number of chosen records on standard output.")}},
        {QStringLiteral("create"),
         {runCreate, QT_TRANSLATE_NOOP("BatchCommands",
                                       "create FILE.DBF\n"
                                       "  Makes a new, empty address file with its memo file and "
                                       "the 21 tags, as File > New\n"
                                       "  makes it; an existing file is never replaced.")}},
        {QStringLiteral("envelopes"),
         {runEnvelopes,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "envelopes ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]\n"
              "       [--record N] [--paper Letter|A4|WxH] [--barcode postnet|imb]\n"
              "       [--filter EXPR] [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]\n"
              "  Prints one envelope per chosen record (or record N) with an envelope setup of\n"
              "  RVPESU.DBF.")}},
        {QStringLiteral("labels"),
         {runLabels,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "labels ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]\n"
              "       [--copies N] [--presort] [--households] [--start-record N]\n"
              "       [--start-label N]\n"
              "       [--barcode postnet|imb] [--filter EXPR]\n"
              "       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]\n"
              "  Prints labels of the chosen records with a label setup of RVPLSU.DBF.\n"
              "  --start-label N begins the first sheet at its N-th label (across, then down).\n"
              "  --households prints one label per household (same street and ZIP) and tells\n"
              "  the pieces saved on standard error.")}},
        {QStringLiteral("label-products"),
         {runLabelProducts,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "label-products [--search TEXT]\n"
              "  Lists the label products of the gLabels template files on this system (the\n"
              "  glabels-data package and the user's own templates) that a label stock can hold:\n"
              "  \"BRAND PRODUCT\", description, label size, across x down and paper, "
              "tab-separated;\n"
              "  --search keeps those containing every word of TEXT.")}},
        {QStringLiteral("add-label-product"),
         {runAddLabelProduct,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "add-label-product \"BRAND PRODUCT\" [--home DIR]\n"
              "  Adds that label product (as label-products names it) to RVPLBLS.DBF as a label\n"
              "  stock of your own; a product already there is named instead of added twice.")}},
        {QStringLiteral("letters"),
         {runLetters,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "letters ADDRESSFILE (--letter DESCRIPTION | --rtf FILE.rtf)\n"
              "       [--output FILE.pdf | --printer NAME] [--copies N]\n"
              "       [--all | --record N | --start-record N] [--filter EXPR]\n"
              "       [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]\n"
              "  Prints one merged letter per chosen record (or record N; --all: every record not\n"
              "  marked deleted), each on new pages, with a letter of RVPLTRS.DBF or an RTF file;\n"
              "  --copies 1 to 999 of each.")}},
        {QStringLiteral("report"),
         {runReport,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "report ADDRESSFILE --layout 1..4 --title TEXT [--memo] [--codes]\n"
              "       [--output FILE.pdf | --printer NAME] [--paper Letter|A4|WxH]\n"
              "       [--start-record N] [--filter EXPR] [--where LINE=TEXT]... [--quiet]\n"
              "       [--home DIR]\n"
              "  Prints the list report of the chosen records: 1 name, address, city, phone;\n"
              "  2 name, organization, phone, fax; 3 the same by organization; 4 all fields.\n"
              "  --memo and --codes add each record's memo and codes. --paper: Letter, A4 or\n"
              "  WIDTHxHEIGHT in inches (else the printer's paper).")}},
        {QStringLiteral("import-csv"),
         {runImportCsv,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "import-csv ADDRESSFILE CSVFILE --columns FIELD,FIELD,...\n"
              "       [--quiet] [--home DIR]\n"
              "  Appends a record for every line of a comma-delimited file; the n-th FIELD (an\n"
              "  address field name such as LNAME, or MEMO, or empty to skip) takes column n.")}},
        {QStringLiteral("import-dbf"),
         {runImportDbf,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "import-dbf ADDRESSFILE SOURCE.DBF [--map SRC=FIELD,...]\n"
              "       [--quiet] [--home DIR]\n"
              "  Appends a record for every record of a DBF file, its fields matched by name;\n"
              "  --map puts source field SRC into FIELD (SRC= leaves it out).")}},
        {QStringLiteral("import-vcard"),
         {runImportVcard,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "import-vcard ADDRESSFILE FILE.vcf [--quiet] [--home DIR]\n"
              "  Appends a record for every card of a vCard file (version 2.1, 3.0 or 4.0): the\n"
              "  name, organization, title, first address, phone, fax, e-mail, categories (as\n"
              "  the codes) and notes (as the memo). Cards without any of those are skipped.")}},
        {QStringLiteral("zip-count"),
         {runZipCount,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "zip-count ADDRESSFILE [--text | --output FILE.pdf | --printer NAME]\n"
              "       [--paper Letter|A4|WxH] [--filter EXPR] [--where LINE=TEXT]... [--quiet]\n"
              "       [--home DIR]\n"
              "  Counts the ZIP codes of the chosen records: the Zip Code Count Report, or with\n"
              "  --text its count lines on standard output. --paper: Letter, A4 or WIDTHxHEIGHT "
              "in\n"
              "  inches (else the printer's paper).")}},
        {QStringLiteral("presort"),
         {runPresortCommand,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "presort ADDRESSFILE [--output FILE] [--filter EXPR] [--where LINE=TEXT]...\n"
              "       [--quiet] [--home DIR]\n"
              "  Writes the presort list of the chosen records to FILE, or PRESORT.PSL in the\n"
              "  data folder.")}},
        {QStringLiteral("check-state-zip"),
         {runCheckStateZip,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "check-state-zip ADDRESSFILE [--blanks] [--filter EXPR] [--where LINE=TEXT]...\n"
              "       [--quiet] [--home DIR]\n"
              "  Checks state and ZIP against RVPSZCK.DBF and writes each questionable record as\n"
              "  record number, state and ZIP (tab-separated), in last and first name order.")}},
        {QStringLiteral("duplicates"),
         {runDuplicates,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "duplicates ADDRESSFILE [--by name|initial|street[:N]] [--filter EXPR]\n"
              "       [--where LINE=TEXT]... [--quiet] [--home DIR]\n"
              "  Writes the possible duplicates as record number and key (tab-separated), equal\n"
              "  keys together, and their number of equal pairs to standard error.")}},
        {QStringLiteral("copy-out"),
         {runCopyOut,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "copy-out ADDRESSFILE --output FILE.csv|FILE.dbf|FILE.vcf [--filter EXPR]\n"
              "       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]\n"
              "  Copies the chosen records to a comma-delimited file, to a DBF file with the\n"
              "  memo, or to a vCard file (one vCard 4.0 per record, UTF-8).")}},
        {QStringLiteral("uppercase"),
         {runUppercase,
          QT_TRANSLATE_NOOP("BatchCommands",
                            "uppercase ADDRESSFILE [--fields NAME,NAME...] [--filter EXPR]\n"
                            "       [--where LINE=TEXT]... [--quiet] [--home DIR]\n"
                            "  Converts the fields of the chosen records to capitals; writes the "
                            "number converted.")}},
        {QStringLiteral("delete"),
         {runDelete,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "delete ADDRESSFILE (--filter EXPR [--not-matching] | --all) [--home DIR]\n"
              "  Deletes the records the filter chooses (or leaves out); --all empties the "
              "file.")}},
        {QStringLiteral("edit"),
         {runEdit,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "edit ADDRESSFILE --record N FIELD=VALUE... [--home DIR]\n"
              "  Changes fields of record N under its lock, the file open shared, so that it\n"
              "  works while others have the file open: FIELD an address field name such as\n"
              "  LNAME or MEMO, VALUE its new text (a date in the short date format of\n"
              "  RAVENP.INI, T or F for a logical field, empty to empty it). A record another\n"
              "  user is changing or a deleted record is refused.")}},
        {QStringLiteral("search-replace"),
         {runSearchReplace,
          QT_TRANSLATE_NOOP(
              "BatchCommands",
              "search-replace ADDRESSFILE FIELD FIND REPLACE [--whole] [--ignore-case]\n"
              "       [--filter EXPR] [--where LINE=TEXT]... --yes [--home DIR]\n"
              "  Replaces FIND within FIELD of the chosen records (--whole: fields equal to "
              "FIND).")}},
    };
    return table;
}

constexpr const char* kChoosingRecords = QT_TRANSLATE_NOOP(
    "BatchCommands",
    "Choosing records: every record not marked deleted, or those --filter EXPR (an xBase\n"
    "expression) lets through, and those the Filter page lines of --where LINE=TEXT let\n"
    "through (one line per option, named by its label or field: --where \"Last=SM;JO\"\n"
    "--where \"State or Prov=CA\"; the text in the Filter page's syntax); --order TAG.");

constexpr const char* kPrinting = QT_TRANSLATE_NOOP(
    "BatchCommands",
    "Printing: --printer NAME (a system printer), or --output FILE.pdf; else the printer the\n"
    "program's dialog would choose (for envelopes the one remembered for the setup), and\n"
    "when that is \"PDF file\", labels.pdf, envelope.pdf, letters.pdf, zip-count.pdf or\n"
    "report.pdf in the current folder. The postal barcode is the one RAVENP.INI chooses, or\n"
    "--barcode's; a completed run stores the next Intelligent Mail serial number there.\n"
    "Labels and envelopes on a printer with a correction (see calibrate) are moved by it.");

// A text of the help in the user's language, as standard output and error take it.
QByteArray translated(const char* source) {
    return QCoreApplication::translate("BatchCommands", source).toLocal8Bit();
}

void printUsage(std::FILE* out) {
    std::fprintf(
        out, "%s",
        translated(QT_TRANSLATE_NOOP(
                       "BatchCommands",
                       "usage: ravenpost-batch COMMAND ADDRESSFILE [options]\n\ncommands:\n"))
            .constData());
    for (const auto& [name, entry] : commands())
        std::fprintf(out, "  %s\n", translated(entry.usage).constData());
    std::fprintf(out, "\n%s\n\n%s\n\n%s", translated(kChoosingRecords).constData(),
                 translated(kPrinting).constData(),
                 translated(QT_TRANSLATE_NOOP(
                                "BatchCommands",
                                "Status: 0 done, 1 a usage or input error, 2 stopped (Ctrl+C).\n"
                                "Every command takes --help.\n"))
                     .constData());
    std::fprintf(
        out, "%s",
        translated(
            QT_TRANSLATE_NOOP(
                "BatchCommands",
                "Every command takes --language CODE, the language of its messages (such as es\n"
                "or en); by default the locale's ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A\n"
                "language without a translation is English; the data written on standard\n"
                "output stays English.\n"))
            .constData());
}

}  // namespace

int runBatch(const QStringList& arguments, const QString& executableFolder) {
    if (arguments.isEmpty() || arguments[0] == QStringLiteral("--help") ||
        arguments[0] == QStringLiteral("-h")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? kExitError : kExitDone;
    }
    const auto found = commands().find(arguments[0]);
    if (found == commands().end()) {
        std::fprintf(
            stderr, "%s\n",
            QCoreApplication::translate("BatchCommands", "ravenpost-batch: unknown command %1")
                .arg(arguments[0])
                .toLocal8Bit()
                .constData());
        return kExitError;
    }
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fprintf(stdout, "%s\n",
                     QCoreApplication::translate("BatchCommands", "usage: ravenpost-batch %1")
                         .arg(QCoreApplication::translate("BatchCommands", found->second.usage))
                         .toLocal8Bit()
                         .constData());
        if (std::strstr(found->second.usage, "--filter"))
            std::fprintf(stdout, "\n%s\n", translated(kChoosingRecords).constData());
        if (std::strstr(found->second.usage, "--printer"))
            std::fprintf(stdout, "\n%s\n", translated(kPrinting).constData());
        return kExitDone;
    }
    BatchMessages messages(arguments.contains(QStringLiteral("--yes")));
    MessagesScope scope(messages);
    try {
        return found->second.run(arguments, executableFolder);
    } catch (const std::exception& e) {
        // The command's name, then the error's own text.
        std::fprintf(stderr, "ravenpost-batch %s: %s\n", arguments[0].toLocal8Bit().constData(),
                     BatchMessages::oneLine(errorText(e)).toLocal8Bit().constData());
        return kExitError;
    }
}

}  // namespace rp
