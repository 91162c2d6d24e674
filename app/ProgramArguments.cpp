#include "app/ProgramArguments.h"

#include <QDir>

namespace rp {

QString addressFileArgument(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--home")) {
            ++i;  // its value
            continue;
        }
        if (argument.startsWith(QLatin1Char('-'))) continue;
        return QDir::toNativeSeparators(QDir::current().absoluteFilePath(argument));
    }
    return {};
}

}  // namespace rp
