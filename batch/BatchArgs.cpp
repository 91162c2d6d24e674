#include "batch/BatchArgs.h"

#include <QCoreApplication>

#include "batch/BatchError.h"

namespace rp {

BatchArgs::BatchArgs(const QStringList& arguments, const OptionNames& names) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--")) || argument == QStringLiteral("--")) {
            positional_ << argument;
            continue;
        }
        QString name = argument.mid(2);
        QString value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const bool inline_ = equals >= 0;
        if (inline_) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (names.switches.count(name)) {
            if (inline_)
                throw BatchError(
                    QCoreApplication::translate("BatchArgs", "--%1 takes no value").arg(name));
            values_[name] << QString();
        } else if (names.withValue.count(name)) {
            if (!inline_) {
                if (i + 1 >= arguments.size())
                    throw BatchError(
                        QCoreApplication::translate("BatchArgs", "--%1 needs a value").arg(name));
                value = arguments[++i];
            }
            values_[name] << value;
        } else {
            throw BatchError(
                QCoreApplication::translate("BatchArgs", "unknown option --%1").arg(name));
        }
    }
}

QString BatchArgs::value(const QString& name, const QString& fallback) const {
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second.last();
}

QStringList BatchArgs::values(const QString& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? QStringList() : found->second;
}

int BatchArgs::number(const QString& name, int fallback, int minimum) const {
    if (!has(name)) return fallback;
    bool ok = false;
    const int n = value(name).toInt(&ok);
    if (!ok || n < minimum)
        throw BatchError(QCoreApplication::translate(
                             "BatchArgs", "--%1 must be a whole number of at least %2, not \"%3\"")
                             .arg(name)
                             .arg(minimum)
                             .arg(value(name)));
    return n;
}

}  // namespace rp
