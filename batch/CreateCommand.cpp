// "create": a new, empty address file (the table, its memo file and the 21 tags), made as
// File > New makes it, for a script to import into. An existing file is never replaced: neither
// the table nor a memo or index file of its name.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "batch/BatchArgs.h"
#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"

namespace rp {
namespace {

// The table, memo or index file of the address file at path that exists already, in any
// letter case; empty when there is none.
QString existingPart(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.path() + QLatin1Char('/') + info.completeBaseName();
    for (const QString& suffix : {info.suffix(), QStringLiteral("FPT"), QStringLiteral("CDX")})
        if (const QString found = existingFileInAnyCase(base + QLatin1Char('.') + suffix);
            !found.isEmpty())
            return found;
    return {};
}

}  // namespace

int runCreate(const QStringList& arguments, const QString&) {
    OptionNames names;
    // --home is taken like every command's, though a new address file needs no data folder.
    names.withValue = {QStringLiteral("home")};
    const BatchArgs args(arguments, names);
    if (args.positional().size() != 2)
        throw BatchError(
            QCoreApplication::translate("CreateCommand", "create takes one address file"));
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(args.positional()[1]));
    if (QFileInfo(path).suffix().toUpper() != QLatin1String("DBF"))
        throw BatchError(
            QCoreApplication::translate("CreateCommand", "%1 must have a .DBF extension")
                .arg(path));
    if (const QString existing = existingPart(path); !existing.isEmpty())
        throw BatchError(
            QCoreApplication::translate("CreateCommand", "%1 already exists and is not replaced")
                .arg(existing));

    xbase::Engine engine;
    AddressTable table(engine);
    const AddressFileResult created = createAddressFile(path, table);
    if (!created) throw BatchError(created.notices.join(QStringLiteral("\r\n")));
    table.close();
    return kExitDone;
}

}  // namespace rp
