#include "utilities/CopyOut.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <array>
#include <stdexcept>

#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "data/TableRestore.h"
#include "data/WholeFile.h"
#include "framework/Messages.h"
#include "utilities/CopyTarget.h"
#include "xbase/FilePaths.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// The character fields the DBF copy carries over; DATE and MEMO follow their own rules.
constexpr std::array<const char*, 15> kDbfTextFields = {
    "PREFIX", "FNAME", "MIDDLE",  "LNAME", "TITLE", "ORG", "STREET", "CITY",
    "STATE",  "ZIP",   "COUNTRY", "PHONE", "EMAIL", "FAX", "NOTES"};

// Calls write for every record of the source's view, from the first, reporting progress;
// the source's query and record are put back afterwards.
CopyResult walkView(xbase::Table& source, const BulkHooks& hooks,
                    const std::function<void()>& write) {
    TableRestore restore(source);
    BulkProgress progress(hooks, source.visibleCount());
    CopyResult result;
    for (source.goTop(); !source.eof();) {
        write();
        progress.recordDone();
        result.records = progress.done();
        source.skip();
        if (!progress.keepGoing()) {
            result.status = CopyResult::Status::Stopped;
            break;
        }
    }
    return result;
}

CopyResult refused() {
    return {CopyResult::Status::Failed, 0,
            QCoreApplication::translate("CopyOut", "Cannot copy a file to itself!")};
}

// A free name for the copy in the target's folder, ending in .dbf.
std::string temporaryDbfPath(const QString& target) {
    QTemporaryFile reserve(QFileInfo(target).absolutePath() + QStringLiteral("/~copyXXXXXX.dbf"));
    if (!reserve.open()) throw std::runtime_error(reserve.errorString().toStdString());
    reserve.setAutoRemove(false);
    return enginePath(reserve.fileName());
}

CopyResult cannotWrite(const QString& target, std::uint32_t records, const QString& cause) {
    return {CopyResult::Status::Failed, records,
            QCoreApplication::translate("CopyOut", "The file %1 cannot be written: %2")
                .arg(QDir::toNativeSeparators(target), cause)};
}

void removeIfThere(const std::string& path) {
    if (!path.empty() && xbase::fileExists(path)) xbase::removeFile(path);
}

void copyRecord(const xbase::Table& from, xbase::Table& to) {
    to.appendBlank();
    for (const char* field : kDbfTextFields) to.setText(field, from.text(field));
    if (const xbase::JulianDay date = from.date("DATE"); date > 0) to.setDate("DATE", date);
    to.setMemo("MEMO", memoForCopy(from.memo("MEMO")));
    to.post();
}

}  // namespace

namespace {

// The text fields of a comma-delimited line before the date; NOTES follows the date.
constexpr const char* kCsvFieldsBeforeDate[] = {"PREFIX",  "FNAME",  "MIDDLE", "LNAME", "TITLE",
                                                "ORG",     "STREET", "CITY",   "STATE", "ZIP",
                                                "COUNTRY", "PHONE",  "EMAIL",  "FAX"};

// Appends text in double quotes to line, after a comma unless it is the first value.
void appendQuoted(std::string& line, const std::string& text) {
    if (!line.empty()) line += ',';
    line += '"';
    line += text;
    line += '"';
}

}  // namespace

std::string csvRecordLine(const xbase::Table& source, const DateTextFn& dateText) {
    std::string line;
    auto quoted = [&line](const std::string& text) { appendQuoted(line, text); };
    for (const char* field : kCsvFieldsBeforeDate) quoted(source.text(field));
    const QString date = dateText(source.date("DATE"));
    quoted(toFieldBytes(date).value_or(date.toLatin1().toStdString()));
    quoted(source.text("NOTES"));
    line += "\r\n";
    return line;
}

std::string csvHeaderLine() {
    std::string line;
    for (const char* field : kCsvFieldsBeforeDate) appendQuoted(line, field);
    appendQuoted(line, "DATE");
    appendQuoted(line, "NOTES");
    line += "\r\n";
    return line;
}

std::string memoForCopy(std::string memo) {
    if (!memo.empty() && memo.size() % 4 == 0) memo += ' ';
    return memo;
}

CopyResult copyToDbf(xbase::Table& source, const QString& target, const BulkHooks& hooks) {
    if (isPartOfTable(target, source)) return refused();
    const std::string memoExtension =
        QFileInfo(QFile::decodeName(source.memoPath().c_str())).suffix().toLower().toStdString();
    std::string temporary, temporaryMemo;
    try {
        temporary = temporaryDbfPath(target);
        source.copyStructure(temporary);
        if (!memoExtension.empty()) temporaryMemo = xbase::companionPath(temporary, memoExtension);
        CopyResult result;
        {
            auto copy = source.engine().open(temporary, xbase::OpenMode::Exclusive);
            result = walkView(source, hooks, [&] { copyRecord(source, *copy); });
            copy->close();
        }
        if (result.status == CopyResult::Status::Copied) {
            const std::string dbf = enginePath(target);
            if (!temporaryMemo.empty())
                xbase::renameFile(temporaryMemo, xbase::newCompanionPath(dbf, memoExtension));
            xbase::renameFile(temporary, dbf);
            // An index left from an earlier file of that name does not belong to the copy.
            removeIfThere(xbase::companionPath(dbf, "cdx"));
            return result;
        }
        removeIfThere(temporary);
        removeIfThere(temporaryMemo);
        return result;
    } catch (const std::exception& e) {
        removeIfThere(temporary);
        removeIfThere(temporaryMemo);
        return {CopyResult::Status::Failed, 0, errorText(e)};
    }
}

CopyResult copyToAscii(xbase::Table& source, const QString& target, const DateTextFn& dateText,
                       const BulkHooks& hooks, bool withHeader) {
    return copyToTextFile(
        source, target, withHeader ? csvHeaderLine() : std::string(),
        [&] { return csvRecordLine(source, dateText); }, hooks);
}

CopyResult copyToTextFile(xbase::Table& source, const QString& target, std::string first,
                          const std::function<std::string()>& recordText, const BulkHooks& hooks) {
    if (isPartOfTable(target, source)) return refused();
    WholeFile file(target);
    if (!file.open()) return cannotWrite(target, 0, file.cause());
    // Lines are gathered and written a stretch at a time.
    constexpr std::size_t kStretch = 64 * 1024;
    struct WriteFailed {};
    std::string pending = std::move(first);
    const auto writePending = [&] {
        if (!file.write(pending.data(), static_cast<qint64>(pending.size()))) throw WriteFailed{};
        pending.clear();
    };
    CopyResult result;
    try {
        result = walkView(source, hooks, [&] {
            pending += recordText();
            if (pending.size() >= kStretch) writePending();
        });
        if (result.status == CopyResult::Status::Copied) writePending();
    } catch (const WriteFailed&) {
        return cannotWrite(target, 0, file.cause());
    } catch (const std::exception& e) {
        return {CopyResult::Status::Failed, 0, errorText(e)};  // the engine names its own file
    }
    if (result.status != CopyResult::Status::Copied) return result;
    if (!file.commit()) return cannotWrite(target, result.records, file.cause());
    return result;
}

}  // namespace rp
