#include "utilities/CopyOut.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <array>
#include <stdexcept>

#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "data/TableRestore.h"
#include "framework/Messages.h"
#include "utilities/CopyTarget.h"
#include "xbase/File.h"
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
    return {CopyResult::Status::Failed, 0, QStringLiteral("Cannot copy a file to itself!")};
}

// A free name for the copy in the target's folder, ending in .dbf.
std::string temporaryDbfPath(const QString& target) {
    QTemporaryFile reserve(QFileInfo(target).absolutePath() + QStringLiteral("/~copyXXXXXX.dbf"));
    if (!reserve.open()) throw std::runtime_error(reserve.errorString().toStdString());
    reserve.setAutoRemove(false);
    return enginePath(reserve.fileName());
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

std::string csvRecordLine(const xbase::Table& source, const DateTextFn& dateText) {
    static const char* const before[] = {"PREFIX",  "FNAME",  "MIDDLE", "LNAME", "TITLE",
                                         "ORG",     "STREET", "CITY",   "STATE", "ZIP",
                                         "COUNTRY", "PHONE",  "EMAIL",  "FAX"};
    std::string line;
    auto quoted = [&line](const std::string& text) {
        if (!line.empty()) line += ',';
        line += '"';
        line += text;
        line += '"';
    };
    for (const char* field : before) quoted(source.text(field));
    const QString date = dateText(source.date("DATE"));
    quoted(toFieldBytes(date).value_or(date.toLatin1().toStdString()));
    quoted(source.text("NOTES"));
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
                       const BulkHooks& hooks) {
    if (isPartOfTable(target, source)) return refused();
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {CopyResult::Status::Failed, 0, file.errorString()};
    CopyResult result;
    try {
        result = walkView(source, hooks, [&] {
            const std::string line = csvRecordLine(source, dateText);
            if (file.write(line.data(), static_cast<qint64>(line.size())) !=
                static_cast<qint64>(line.size()))
                throw std::runtime_error(file.errorString().toStdString());
        });
    } catch (const std::exception& e) {
        file.cancelWriting();
        return {CopyResult::Status::Failed, 0, errorText(e)};
    }
    if (result.status != CopyResult::Status::Copied) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) return {CopyResult::Status::Failed, result.records, file.errorString()};
    return result;
}

}  // namespace rp
