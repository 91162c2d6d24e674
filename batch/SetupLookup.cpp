#include "batch/SetupLookup.h"

#include <QCoreApplication>

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
    const QString text =
        matches.empty()
            ? QCoreApplication::translate("SetupLookup",
                                          "%1: no %2 is described \"%3\"; there are %4")
            : QCoreApplication::translate("SetupLookup",
                                          "%1: more than one %2 is described \"%3\"; there are %4");
    throw BatchError(text.arg(option, what, wanted,
                              listed.isEmpty() ? QCoreApplication::translate("SetupLookup", "none")
                                               : listed.join(QStringLiteral(", "))));
}

LabelSetup findLabelSetup(xbase::Table& setups, const QString& description) {
    std::vector<LabelSetup> all;
    QStringList descriptions;
    for (setups.goTop(); !setups.eof(); setups.skip()) {
        all.push_back(readLabelSetup(setups));
        descriptions << all.back().description;
    }
    return all[findDescribed(descriptions, description, QStringLiteral("--setup"),
                             QCoreApplication::translate("SetupLookup", "label setup"))];
}

EnvelopeSetup findEnvelopeSetup(xbase::Table& setups, const QString& description) {
    std::vector<EnvelopeSetup> all;
    QStringList descriptions;
    for (setups.goTop(); !setups.eof(); setups.skip()) {
        all.push_back(readEnvelopeSetup(setups));
        descriptions << all.back().descript.text();
    }
    return all[findDescribed(descriptions, description, QStringLiteral("--setup"),
                             QCoreApplication::translate("SetupLookup", "envelope setup"))];
}

}  // namespace rp
