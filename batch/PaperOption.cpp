#include "batch/PaperOption.h"

#include <QCoreApplication>
#include <QSizeF>
#include <QStringList>

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"
#include "framework/PageLimits.h"

namespace rp {

std::optional<QPageSize> paperOption(const BatchArgs& args) {
    if (!args.has(QStringLiteral("paper"))) return std::nullopt;
    const QString text = args.value(QStringLiteral("paper")).trimmed();
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    const QStringList sides = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (sides.size() == 2) {
        bool wide = false;
        bool high = false;
        const double width = sides[0].toDouble(&wide);
        const double height = sides[1].toDouble(&high);
        if (wide && high && width > 0 && height > 0) {
            if (!isPrintablePageSide(width) || !isPrintablePageSide(height))
                throw BatchError(pageSideTooLargeText(QStringLiteral("--paper")));
            return QPageSize(QSizeF(width, height), QPageSize::Inch, QString(),
                             QPageSize::ExactMatch);
        }
    }
    throw BatchError(
        QCoreApplication::translate(
            "PaperOption", "--paper must be Letter, A4 or WIDTHxHEIGHT in inches, not \"%1\"")
            .arg(args.value(QStringLiteral("paper"))));
}

}  // namespace rp
