#include "batch/SetupLookup.h"

#include <vector>

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

std::size_t findDescribed(const QStringList& descriptions, const QString& wanted,
                          const QString& option, const QString& what) {
    QStringList listed;
    std::vector<std::size_t> matches;
    for (qsizetype i = 0; i < descriptions.size(); ++i) {
        listed << QStringLiteral("\"%1\"").arg(descriptions[i].trimmed());
        if (comparable(descriptions[i]) == comparable(wanted))
            matches.push_back(static_cast<std::size_t>(i));
    }
    if (matches.size() == 1) return matches.front();
    throw BatchError(
        QStringLiteral("%1: %2 %3 is described \"%4\"; there are %5")
            .arg(option)
            .arg(matches.empty() ? QStringLiteral("no") : QStringLiteral("more than one"))
            .arg(what)
            .arg(wanted)
            .arg(listed.isEmpty() ? QStringLiteral("none") : listed.join(QStringLiteral(", "))));
}

LabelSetup findLabelSetup(xbase::Table& setups, const QString& description) {
    std::vector<LabelSetup> all;
    QStringList descriptions;
    for (setups.goTop(); !setups.eof(); setups.skip()) {
        all.push_back(readLabelSetup(setups));
        descriptions << all.back().description;
    }
    return all[findDescribed(descriptions, description, QStringLiteral("--setup"),
                             QStringLiteral("label setup"))];
}

EnvelopeSetup findEnvelopeSetup(xbase::Table& setups, const QString& description) {
    std::vector<EnvelopeSetup> all;
    QStringList descriptions;
    for (setups.goTop(); !setups.eof(); setups.skip()) {
        all.push_back(readEnvelopeSetup(setups));
        descriptions << all.back().descript.text();
    }
    return all[findDescribed(descriptions, description, QStringLiteral("--setup"),
                             QStringLiteral("envelope setup"))];
}

}  // namespace rp
