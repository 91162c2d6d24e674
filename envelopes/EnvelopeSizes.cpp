#include "envelopes/EnvelopeSizes.h"

#include <QCoreApplication>
#include <exception>
#include <stdexcept>

#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "data/PendingRecord.h"
#include "envelopes/EnvelopeLayouts.h"
#include "envelopes/EnvelopeSetup.h"
#include "envelopes/SideRows.h"
#include "framework/Messages.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

namespace {

void writeText(xbase::Table& t, const char* field, const QString& value) {
    QString refused;
    const std::optional<std::string> bytes = toFieldBytes(value, &refused);
    if (!bytes) throw std::runtime_error(unstorableMessage(refused).toStdString());
    t.setText(field, *bytes);
}

// WIDTH, HEIGHT, NAME, DESC in that order, as the dialog's values are taken over.
void writeSize(xbase::Table& t, const EnvelopeSize& size) {
    t.setNumber("WIDTH", size.width);
    t.setNumber("HEIGHT", size.height);
    writeText(t, "NAME", size.name);
    writeText(t, "DESC", size.description);
}

bool currentIsUserDefined(const xbase::Table& sizes) {
    const std::optional<EnvelopeSize> size = currentEnvelopeSize(sizes);
    return size && size->userDefined;
}

}  // namespace

std::optional<EnvelopeSize> currentEnvelopeSize(const xbase::Table& t) {
    if (!hasCurrentRecord(t)) return std::nullopt;
    EnvelopeSize size;
    size.name = fromFieldBytes(t.text("NAME"));
    size.description = fromFieldBytes(t.text("DESC"));
    size.width = t.number("WIDTH");
    size.height = t.number("HEIGHT");
    size.userDefined = t.logical("USERDEF").value_or(false);
    return size;
}

bool locateEnvelopeSize(xbase::Table& sizes, const QString& name) {
    for (goFirstListed(sizes); !sizes.eof(); sizes.skip()) {
        if (sizes.deleted()) continue;
        if (fromFieldBytes(sizes.text("NAME")) == name) return true;
    }
    return false;
}

void appendEnvelopeSize(xbase::Table& sizes, const EnvelopeSize& size) {
    const PendingRecord added(sizes, PendingRecord::Target::NewRecord);
    writeSize(sizes, size);
    sizes.setLogical("USERDEF", true);
    sizes.post();
}

void overwriteEnvelopeSize(xbase::Table& sizes, const EnvelopeSize& size) {
    const PendingRecord change(sizes, PendingRecord::Target::CurrentRecord);
    writeSize(sizes, size);
    sizes.post();
}

EnvelopeSize newEnvelopeSizeTemplate() {
    EnvelopeSize size;
    size.name = QStringLiteral("[enter new name]");
    size.description = QStringLiteral("[enter description]");
    size.width = 9.5;
    size.height = 4.13;
    return size;
}

EnvelopeSizeCommands::EnvelopeSizeCommands(xbase::Table& sizes, EditEnvelopeSizeFn editSize)
    : sizes_(sizes), editSize_(std::move(editSize)) {}

bool EnvelopeSizeCommands::createNew() {
    const std::optional<EnvelopeSize> saved =
        editSize_ ? editSize_(newEnvelopeSizeTemplate(), false) : std::nullopt;
    if (!saved) return false;
    try {
        appendEnvelopeSize(sizes_, *saved);
    } catch (const std::exception& e) {
        showInformation(errorText(e));
        return false;
    }
    return true;
}

bool EnvelopeSizeCommands::editCurrent() {
    if (!currentIsUserDefined(sizes_)) {
        showInformation(QCoreApplication::translate("EnvelopeSizes", kEditOnlyUserDefined));
        return false;
    }
    const std::optional<EnvelopeSize> saved =
        editSize_ ? editSize_(*currentEnvelopeSize(sizes_), true) : std::nullopt;
    if (!saved) return false;
    try {
        overwriteEnvelopeSize(sizes_, *saved);
    } catch (const std::exception& e) {
        showInformation(errorText(e));
        return false;
    }
    return true;
}

bool EnvelopeSizeCommands::deleteCurrent() {
    if (!currentIsUserDefined(sizes_)) {
        showInformation(QCoreApplication::translate("EnvelopeSizes", kDeleteOnlyUserDefined));
        return false;
    }
    if (!askYesNo(QCoreApplication::translate("EnvelopeSizes", kDeleteEnvelopeQuestion)))
        return false;
    try {
        deleteCurrentRecord(sizes_);
    } catch (const std::exception& e) {
        showInformation(errorText(e));
        return false;
    }
    return true;
}

std::unique_ptr<xbase::Table> openEnvelopeDefinitions(xbase::Engine& engine,
                                                      const QString& programFolder) {
    const QString path = programFolder + QString::fromLatin1(kEnvelopeDefinitionFile);
    try {
        auto table = openSideTable(engine, path);
        if (const auto notice = indexRebuiltNotice(*table, path)) showInformation(*notice);
        goFirstListed(*table);
        return table;
    } catch (const std::exception& e) {
        showInformation(
            withCause(QCoreApplication::translate("EnvelopeSizes", kEnvelopeDefinitionOpenFailed),
                      errorText(e)));
        return nullptr;
    }
}

}  // namespace rp
