#include "batch/WhereOption.h"

#include <QCoreApplication>

#include "batch/BatchError.h"
#include "data/FilterLines.h"

namespace rp {
namespace {

int lineNamed(const QString& name) {
    for (int i = 0; i < kFilterLineCount; ++i) {
        const FilterLineDef& def = filterLineDefs()[static_cast<std::size_t>(i)];
        if (name.compare(QLatin1String(def.label), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String(def.field), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString lineNames() {
    QStringList names;
    for (const FilterLineDef& def : filterLineDefs())
        names << QStringLiteral("%1 (%2)").arg(QLatin1String(def.label), QLatin1String(def.field));
    return names.join(QStringLiteral(", "));
}

BatchError whereError(const QString& option, const QString& why) {
    return BatchError(QStringLiteral("--where \"%1\": %2").arg(option, why));
}

}  // namespace

QString whereExpression(const QStringList& options, const QString& shortDateFmt,
                        const xbase::Table& table) {
    FilterLines lines;
    std::array<QString, kFilterLineCount> givenBy;
    for (const QString& option : options) {
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals < 0)
            throw whereError(option, QCoreApplication::translate("WhereOption", "give LINE=TEXT"));
        const int line = lineNamed(option.left(equals).trimmed());
        if (line < 0)
            throw whereError(option, QCoreApplication::translate(
                                         "WhereOption", "no such Filter line; the lines are %1")
                                         .arg(lineNames()));
        const auto slot = static_cast<std::size_t>(line);
        if (!givenBy[slot].isEmpty())
            throw whereError(option,
                             QCoreApplication::translate(
                                 "WhereOption", "the %1 line is already given by --where \"%2\"")
                                 .arg(QLatin1String(filterLineDefs()[slot].label), givenBy[slot]));
        givenBy[slot] = option;
        lines[slot] = option.mid(equals + 1);
    }

    const FilterBuild built = buildFilterExpression(lines, shortDateFmt);
    if (built.invalidDate) {
        const auto date = static_cast<std::size_t>(
            std::find_if(filterLineDefs().begin(), filterLineDefs().end(),
                         [](const FilterLineDef& def) { return def.date; }) -
            filterLineDefs().begin());
        throw whereError(givenBy[date], invalidDateMessage(shortDateFmt));
    }
    if (built.expression.size() > kMaxFilterLength)
        throw BatchError(QStringLiteral("--where: ") + filterTooComplexMessage());
    for (const LineTerm& term : built.terms) {
        const auto slot = static_cast<std::size_t>(term.line);
        const QString problem = filterLineProblem(table, term, lines[slot]);
        if (!problem.isEmpty())
            throw whereError(givenBy[slot],
                             QCoreApplication::translate("WhereOption",
                                                         "the %1 line cannot be used in a "
                                                         "filter: %2")
                                 .arg(QLatin1String(filterLineDefs()[slot].label), problem));
    }
    return built.expression;
}

}  // namespace rp
