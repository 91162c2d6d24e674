#include "data/AddressFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "data/AddressLayout.h"
#include "xbase/Error.h"

namespace rp {
namespace {

QString engineText(const xbase::Error& e) {
    return QString::fromUtf8(e.what());
}

// A message as written, with the engine's text, when there is one, on a line of its own.
QString withEngineText(const QString& message, const QString& cause) {
    return cause.isEmpty() ? message : message + QStringLiteral("\r\n") + cause;
}

}  // namespace

AddressFileResult openAddressTable(const QString& path, AddressTable& table,
                                   const xbase::ProgressFn& rebuildProgress, xbase::OpenMode mode) {
    AddressFileResult result;
    table.close();
    if (!QFileInfo::exists(path)) {
        result.notices << QCoreApplication::translate("AddressFile", "File %1 not found").arg(path);
        return result;
    }
    const QFileInfo info(path);
    for (int stateWidth : {20, 4}) {
        try {
            table.open(info.path(), info.fileName(), rebuildProgress, mode);
        } catch (const xbase::ReadOnlyError& e) {
            table.close();
            result.cause = engineText(e);
            result.writeRefused = true;
            return result;
        } catch (const xbase::Error& e) {
            table.close();
            result.cause = engineText(e);
            continue;
        }
        if (const auto notice = indexRebuiltNotice(table.table(), path)) result.notices << *notice;
        if (hasAddressLayout(table.table(), stateWidth)) {
            result.ok = true;
            return result;
        }
        table.close();
    }
    return result;
}

AddressFileResult openAddressFileChecked(const QString& path, AddressTable& table,
                                         const xbase::ProgressFn& rebuildProgress,
                                         xbase::OpenMode mode) {
    AddressFileResult result = openAddressTable(path, table, rebuildProgress, mode);
    if (!result && result.writeRefused) return result;
    if (!result) {
        result.notices << withEngineText(
            QCoreApplication::translate("AddressFile",
                                        "Unable to open %1\r\n\r\n"
                                        " * May not an Ravenpost file.\r\n"
                                        " * May be in use by another program or user")
                .arg(path),
            result.cause);
        return result;
    }
    bool allTags = true;
    for (int i = 0; i < kRequiredTagCount; ++i)
        allTags =
            table->orderNumber(addressTags()[static_cast<std::size_t>(i)].name) != 0 && allTags;
    if (allTags) {
        table->setOrder("LNAME");
    } else if (mode == xbase::OpenMode::ReadOnly) {
        table->setOrder(0);
        result.notices << QCoreApplication::translate(
                              "AddressFile",
                              "The index file for %1 is missing or out of date, and it cannot be "
                              "rebuilt while the file is open read-only. The records are shown "
                              "in the order they were added.")
                              .arg(path);
    } else {
        table->setOrder(0);
        result.notices.append(
            QCoreApplication::translate("AddressFile",
                                        "The index file for %1\r\nis missing or invalid. Please "
                                        "select [Rebuild Indexes]\r\nfrom the [File] menu")
                .arg(path));
    }
    return result;
}

QString exclusiveOpenMessage() {
    return QCoreApplication::translate(
        "AddressFile",
        "Unable to open this file exclusively. Possibly in use by another program or user");
}

QString readOnlyOpenQuestion(const QString& path, const QString& cause) {
    return withEngineText(
        QCoreApplication::translate(
            "AddressFile",
            "Ravenpost cannot save changes to %1: the file, its memo or index file, or its "
            "folder is read-only.\r\n\r\nOpen it read-only? You can browse, search and print "
            "its records, but not add, change or delete them.")
            .arg(path),
        cause);
}

AddressFileResult createAddressTags(AddressTable& table, const TagProgress& progress) {
    AddressFileResult result;
    try {
        table->deleteIndexes();
        std::vector<xbase::Table::TagRequest> requests;
        for (const AddressTagDef& tag : addressTags())
            requests.push_back({tag.name, tag.key, {}, false});
        xbase::Table::TagsProgressFn report;
        if (progress)
            report = [&progress](std::size_t tag, int percent) {
                return progress(static_cast<int>(tag) + 1, percent);
            };
        table->createTags(requests, report);
    } catch (const xbase::Error& e) {
        result.cause = engineText(e);
        result.notices << withEngineText(
            QCoreApplication::translate("AddressFile", "Unable to create index files"),
            result.cause);
        return result;
    }
    result.ok = true;
    return result;
}

AddressFileResult createAddressFile(const QString& path, AddressTable& table,
                                    const TagProgress& progress) {
    AddressFileResult result;
    table.close();
    try {
        table.engine().create(enginePath(path), addressFields());
    } catch (const xbase::Error& e) {
        result.cause = engineText(e);
        result.notices << withEngineText(
            QCoreApplication::translate("AddressFile", "Create failed"), result.cause);
        return result;
    }
    // Takes in what a step told; true when it worked.
    const auto step = [&result](AddressFileResult done) {
        result.notices << done.notices;
        if (!done.cause.isEmpty()) result.cause = done.cause;
        return done.ok;
    };
    if (!QFileInfo::exists(path) || !step(openAddressTable(path, table)) ||
        !step(createAddressTags(table, progress))) {
        // The step that failed has told its cause already.
        result.notices << QCoreApplication::translate("AddressFile", "File creation failed");
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace rp
