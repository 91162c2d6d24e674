#include "data/AddressFile.h"

#include <QFileInfo>

#include "data/AddressLayout.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

bool openAddressTable(const QString& path, AddressTable& table,
                      const xbase::ProgressFn& rebuildProgress, QString* cause) {
    table.close();
    if (!QFileInfo::exists(path)) {
        showInformation(QStringLiteral("File ") + path + QStringLiteral(" not found"));
        return false;
    }
    const QFileInfo info(path);
    for (int stateWidth : {20, 4}) {
        try {
            table.open(info.path(), info.fileName(), rebuildProgress);
        } catch (const xbase::Error& e) {
            table.close();
            if (cause) *cause = errorText(e);
            continue;
        }
        tellIfIndexRebuilt(table.table(), path);
        if (hasAddressLayout(table.table(), stateWidth)) return true;
        table.close();
    }
    return false;
}

bool openAddressFileChecked(const QString& path, AddressTable& table,
                            const xbase::ProgressFn& rebuildProgress) {
    QString cause;
    if (!openAddressTable(path, table, rebuildProgress, &cause)) {
        showInformation(withCause(QStringLiteral("Unable to open ") + path +
                                      QStringLiteral("\r\n\r\n") +
                                      QStringLiteral(" * May not an Ravenpost file.\r\n") +
                                      QStringLiteral(" * May be in use by another program or user"),
                                  cause));
        return false;
    }
    bool allTags = true;
    for (int i = 0; i < kRequiredTagCount; ++i)
        allTags =
            table->orderNumber(addressTags()[static_cast<std::size_t>(i)].name) != 0 && allTags;
    if (allTags) {
        table->setOrder("LNAME");
    } else {
        table->setOrder(0);
        showInformation(
            QStringLiteral("The index file for ") + path +
            QStringLiteral("\r\nis missing or invalid. Please select [Rebuild Indexes]\r\n") +
            QStringLiteral("from the [File] menu"));
    }
    return true;
}

bool createAddressTags(AddressTable& table, const TagProgress& progress) {
    try {
        table->deleteIndexes();
        int n = 0;
        for (const AddressTagDef& tag : addressTags()) {
            ++n;
            xbase::ProgressFn report;
            if (progress) report = [&progress, n](int percent) { return progress(n, percent); };
            table->createTag(tag.name, tag.key, {}, false, report);
        }
    } catch (const xbase::Error&) {
        showInformation(QStringLiteral("Unable to create index files"));
        return false;
    }
    return true;
}

bool createAddressFile(const QString& path, AddressTable& table, const TagProgress& progress) {
    table.close();
    try {
        table.engine().create(enginePath(path), addressFields());
    } catch (const xbase::Error&) {
        showInformation(QStringLiteral("Create failed"));
        return false;
    }
    if (!QFileInfo::exists(path) || !openAddressTable(path, table) ||
        !createAddressTags(table, progress)) {
        showInformation(QStringLiteral("File creation failed"));
        return false;
    }
    return true;
}

}  // namespace rp
