#include "data/AddressFile.h"

#include <QFileInfo>

#include "data/AddressLayout.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

bool OpenAddressTable(const QString& path, AddressTable& table,
                      const xbase::ProgressFn& rebuildProgress, QString* cause) {
    table.close();
    if (!QFileInfo::exists(path)) {
        ShowInformation(QStringLiteral("File ") + path + QStringLiteral(" not found"));
        return false;
    }
    const QFileInfo info(path);
    for (int stateWidth : {20, 4}) {
        try {
            table.open(info.path(), info.fileName(), rebuildProgress);
        } catch (const xbase::Error& e) {
            table.close();
            if (cause) *cause = ErrorText(e);
            continue;
        }
        TellIfIndexRebuilt(table.table(), path);
        if (HasAddressLayout(table.table(), stateWidth)) return true;
        table.close();
    }
    return false;
}

bool OpenAddressFile(const QString& path, AddressTable& table,
                     const xbase::ProgressFn& rebuildProgress) {
    QString cause;
    if (!OpenAddressTable(path, table, rebuildProgress, &cause)) {
        ShowInformation(WithCause(QStringLiteral("Unable to open ") + path +
                                      QStringLiteral("\r\n\r\n") +
                                      QStringLiteral(" * May not an Ravenpost file.\r\n") +
                                      QStringLiteral(" * May be in use by another program or user"),
                                  cause));
        return false;
    }
    bool allTags = true;
    for (int i = 0; i < kRequiredTagCount; ++i)
        allTags =
            table->orderNumber(AddressTags()[static_cast<std::size_t>(i)].name) != 0 && allTags;
    if (allTags) {
        table->setOrder("LNAME");
    } else {
        table->setOrder(0);
        ShowInformation(
            QStringLiteral("The index file for ") + path +
            QStringLiteral("\r\nis missing or invalid. Please select [Rebuild Indexes]\r\n") +
            QStringLiteral("from the [File] menu"));
    }
    return true;
}

bool CreateAddressTags(AddressTable& table, const TagProgress& progress) {
    try {
        table->deleteIndexes();
        int n = 0;
        for (const AddressTagDef& tag : AddressTags()) {
            ++n;
            xbase::ProgressFn report;
            if (progress) report = [&progress, n](int percent) { return progress(n, percent); };
            table->createTag(tag.name, tag.key, {}, false, report);
        }
    } catch (const xbase::Error&) {
        ShowInformation(QStringLiteral("Unable to create index files"));
        return false;
    }
    return true;
}

bool CreateAddressFile(const QString& path, AddressTable& table, const TagProgress& progress) {
    table.close();
    try {
        table.engine().create(EnginePath(path), AddressFields());
    } catch (const xbase::Error&) {
        ShowInformation(QStringLiteral("Create failed"));
        return false;
    }
    if (!QFileInfo::exists(path) || !OpenAddressTable(path, table) ||
        !CreateAddressTags(table, progress)) {
        ShowInformation(QStringLiteral("File creation failed"));
        return false;
    }
    return true;
}

}  // namespace rp
