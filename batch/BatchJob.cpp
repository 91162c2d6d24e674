#include "batch/BatchJob.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <atomic>
#include <csignal>
#include <cstdio>

#include "batch/BatchDataFolder.h"
#include "batch/BatchError.h"
#include "batch/WhereOption.h"
#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "data/DataFolder.h"
#include "data/FieldText.h"
#include "data/IniFile.h"
#include "data/Preferences.h"
#include "data/RecordView.h"
#include "framework/Messages.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

std::atomic<bool> stop{false};

extern "C" void onInterrupt(int) {
    stop = true;
}

// Test hook: with RAVENPOST_BATCH_STOP_AFTER=N in the environment, the process presses Ctrl+C
// for itself once a pass has done N records, so that the tests of the stop stop a run at a
// known record instead of racing it with a signal sent from outside. Unset, it does nothing.
std::uint64_t stopAfter = 0;

}  // namespace

OptionNames commonOptions() {
    return {{QStringLiteral("home"), QStringLiteral("filter"), QStringLiteral("where"),
             QStringLiteral("order")},
            {QStringLiteral("quiet"), QStringLiteral("yes")}};
}

void installStopHandler() {
    std::signal(SIGINT, onInterrupt);
    stopAfter = qEnvironmentVariable("RAVENPOST_BATCH_STOP_AFTER").toULongLong();
}

bool BatchJob::stopRequested() {
    return stop;
}

BatchJob::BatchJob(const BatchArgs& args, const QString& executableFolder, xbase::OpenMode mode)
    : args_(args), table_(engine_), progress_(stderr, ::isatty(STDERR_FILENO) != 0) {
    engine_.settings.hideDeleted = true;
    dataFolder_ = batchDataFolder(args, executableFolder);

    if (args.positional().size() < 2)
        throw BatchError(QCoreApplication::translate("BatchJob", "no address file given"));
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(args.positional()[1]));
    AddressFileResult opened = openAddressTable(path, table_, {}, mode);
    // The jobs that open shared only read: a file that cannot be written serves them as well.
    if (opened.writeRefused && mode == xbase::OpenMode::Shared)
        opened = openAddressTable(path, table_, {}, xbase::OpenMode::ReadOnly);
    if (!opened) {
        QString text = opened.notices.join(QLatin1Char(' '));
        if (opened.writeRefused)
            text = QCoreApplication::translate("BatchJob",
                                               "%1 cannot be changed: the file, its memo or "
                                               "index file, or its folder is read-only")
                       .arg(path);
        else if (text.isEmpty())
            text = mode == xbase::OpenMode::Exclusive
                       ? exclusiveOpenMessage() + QStringLiteral(": ") + path
                       : QCoreApplication::translate("BatchJob", "Unable to open %1").arg(path);
        throw BatchError(withCause(text, opened.cause));
    }
    for (const QString& notice : opened.notices) showInformation(notice);
}

void BatchJob::chooseRecords() {
    xbase::Table& t = table();
    QString user = args_.value(QStringLiteral("filter"));
    if (!user.isEmpty()) {
        QString refused;
        const std::optional<std::string> bytes = toFieldBytes(user, &refused);
        if (!bytes) throw BatchError(QStringLiteral("--filter: ") + unstorableMessage(refused));
        try {
            t.compile(*bytes);
        } catch (const xbase::ExpressionError& e) {
            throw BatchError(QStringLiteral("--filter: ") + errorText(e));  // names the position
        }
    }
    const QString where =
        whereExpression(args_.values(QStringLiteral("where")), shortDateFormat(), t);
    if (!where.isEmpty())
        user = user.isEmpty() ? where : QStringLiteral("(%1) .and. (%2)").arg(user, where);
    // Both parts compile and hold only storable characters, so the joined filter does too.
    t.setFilter(*toFieldBytes(user.isEmpty() ? kStandingCondition : joinedFilter(user)));
    const QString order = args_.value(QStringLiteral("order"));
    if (!order.isEmpty()) {
        if (t.orderNumber(order.toStdString()) == 0)
            throw BatchError(
                QCoreApplication::translate("BatchJob", "--order: the address file has no tag %1")
                    .arg(order));
        t.setOrder(order.toStdString());
    }
    t.goTop();
}

void BatchJob::goToRecordOption() {
    xbase::Table& t = table();
    const auto recno = static_cast<std::uint32_t>(args_.number(QStringLiteral("record"), 1, 1));
    if (recno > t.recordCount())
        throw BatchError(QCoreApplication::translate(
                             "BatchJob", "--record: the address file has no record %1 (it has %2)")
                             .arg(recno)
                             .arg(t.recordCount()));
    // The view of all records, in which a hidden record is out of view.
    t.setFilter(kStandingCondition.toStdString());
    t.go(recno);
    if (!recordInView(t))
        throw BatchError(QCoreApplication::translate(
                             "BatchJob", "--record: record %1 is deleted, and is not printed")
                             .arg(recno));
}

void BatchJob::startPass(const QString& name, std::uint64_t total) {
    progress_.start(name);
    done_ = 0;
    total_ = total;
}

QString BatchJob::shortDateFormat() const {
    return loadPreferences(IniFile(dataFolder_ + QLatin1String(kIniFileName))).shortDateFmt;
}

bool BatchJob::keepGoing(std::uint64_t done, std::uint64_t total) {
    if (!args_.has(QStringLiteral("quiet"))) progress_.report(done, total);
    if (stopAfter != 0 && done >= stopAfter && !stop) std::raise(SIGINT);
    return !stop;
}

}  // namespace rp
