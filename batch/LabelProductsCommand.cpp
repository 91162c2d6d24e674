// "label-products": the label products of the gLabels template files on this system, one a
// line; "add-label-product": puts one of them into the label definition file RVPLBLS.DBF as a
// label stock, or names the stock that is already there.
#include <QCoreApplication>
#include <cstdio>

#include "batch/BatchArgs.h"
#include "batch/BatchCommands.h"
#include "batch/BatchDataFolder.h"
#include "batch/BatchError.h"
#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "labels/LabelFiles.h"
#include "labels/LabelProductCatalog.h"
#include "labels/LabelProductStock.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

void printLine(std::FILE* out, const QString& line) {
    std::fprintf(out, "%s\n", line.toLocal8Bit().constData());
}

// The products of the system's template files, the files that could not be read told on
// standard error.
LabelProductCatalog systemCatalog() {
    LabelProductCatalog catalog = LabelProductCatalog::fromFolders(systemLabelProductFolders());
    for (const QString& problem : catalog.problems()) printLine(stderr, problem);
    return catalog;
}

}  // namespace

int runLabelProducts(const QStringList& arguments, const QString&) {
    const BatchArgs args(arguments, {{QStringLiteral("search")}, {}});
    if (args.positional().size() > 1)
        throw BatchError(
            QCoreApplication::translate("LabelProductsCommand", "unexpected argument %1")
                .arg(args.positional()[1]));
    const LabelProductCatalog catalog = systemCatalog();
    const auto found = catalog.search(args.value(QStringLiteral("search")));
    for (const LabelProduct* p : found) {
        const LabelDefinition& s = p->stock;
        // Standard output: data for scripts, not translated.
        printLine(stdout,
                  QStringList{p->name(), p->description,
                              QStringLiteral("%1 x %2 in")
                                  .arg(QString::number(s.labelWidth, 'f', 3),
                                       QString::number(s.labelHeight, 'f', 3)),
                              QStringLiteral("%1 x %2").arg(s.across).arg(s.down), p->paperName}
                      .join(QLatin1Char('\t')));
    }
    printLine(stderr, QCoreApplication::translate("LabelProductsCommand", "Products listed: %n.",
                                                  nullptr, static_cast<int>(found.size())));
    if (catalog.skipped() > 0)
        printLine(stderr,
                  QCoreApplication::translate("LabelProductsCommand",
                                              "Products of the files left out: %n (their labels "
                                              "are not rectangles in one grid that a label "
                                              "definition can hold).",
                                              nullptr, catalog.skipped()));
    return kExitDone;
}

int runAddLabelProduct(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, {{QStringLiteral("home")}, {}});
    if (args.positional().size() != 2)
        throw BatchError(QCoreApplication::translate(
            "LabelProductsCommand", "give the product as one argument: \"BRAND PRODUCT\""));
    const QString name = args.positional()[1];
    const LabelProductCatalog catalog = systemCatalog();
    const LabelProduct* product = catalog.find(name);
    if (!product)
        throw BatchError(
            QCoreApplication::translate(
                "LabelProductsCommand",
                "no label product \"%1\" in the label template files (label-products lists them)")
                .arg(name));
    const QString path = batchDataFolder(args, executableFolder) + QLatin1String(kLabelStockFile);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    const auto stocks = openSideTable(engine, path);
    const AddedLabelProduct added = addLabelProduct(*stocks, *product);
    if (added.record == 0)
        throw BatchError(QCoreApplication::translate("LabelProductsCommand", "%1 was not added")
                             .arg(product->name()));
    const QString stock = fromFieldBytes(stocks->text("USERDESC")).trimmed();
    printLine(
        stdout,
        added.alreadyThere
            ? QCoreApplication::translate("LabelProductsCommand", "%1 is already in %2 as \"%3\"")
                  .arg(product->name(), path, stock)
            : QCoreApplication::translate("LabelProductsCommand", "%1 added to %2 as \"%3\"")
                  .arg(product->name(), path, stock));
    return kExitDone;
}

}  // namespace rp
