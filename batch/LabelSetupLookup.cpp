#include "batch/LabelSetupLookup.h"

#include <QStringList>

#include "batch/BatchError.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QString comparable(const QString& description) {
    QString text = description;
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text.toCaseFolded();
}

}  // namespace

LabelSetup findLabelSetup(xbase::Table& setups, const QString& description) {
    QStringList all;
    std::vector<LabelSetup> matches;
    for (setups.goTop(); !setups.eof(); setups.skip()) {
        LabelSetup setup = readLabelSetup(setups);
        all << QStringLiteral("\"%1\"").arg(setup.description.trimmed());
        if (comparable(setup.description) == comparable(description))
            matches.push_back(std::move(setup));
    }
    if (matches.size() == 1) return matches.front();
    throw BatchError(
        QStringLiteral("--setup: %1 label setup is described \"%2\"; there are %3")
            .arg(matches.empty() ? QStringLiteral("no") : QStringLiteral("more than one"))
            .arg(description)
            .arg(all.isEmpty() ? QStringLiteral("none") : all.join(QStringLiteral(", "))));
}

}  // namespace rp
