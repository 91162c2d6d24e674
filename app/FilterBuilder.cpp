#include "app/FilterBuilder.h"

#include <QCoreApplication>

#include "data/AddressLayout.h"
#include "data/FieldText.h"
#include "data/Transliteration.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

namespace {

// The lines as the file stores text: "Nguyễn" picks the records of "Nguyen".
FilterLines spelledLines(FilterLines lines) {
    for (QString& line : lines) line = closeSpelling(line);
    return lines;
}

}  // namespace

int applyAddressFilter(xbase::Table& table, const FilterLines& typedLines,
                       const QString& shortDateFmt, QString& userExpression) {
    const FilterLines lines = spelledLines(typedLines);
    const FilterBuild built = buildFilterExpression(lines, shortDateFmt);
    if (built.invalidDate) showInformation(invalidDateMessage(shortDateFmt));
    const bool tooComplex = built.expression.size() > kMaxFilterLength;
    if (built.expression.isEmpty() || tooComplex) {
        if (tooComplex) showInformation(filterTooComplexMessage());
        table.setFilter(kStandingCondition.toStdString());
        userExpression = built.expression;
        return 0;
    }
    for (const LineTerm& t : built.terms) {
        const QString problem =
            filterLineProblem(table, t, lines[static_cast<std::size_t>(t.line)]);
        if (problem.isEmpty()) continue;
        const FilterLineDef& def = filterLineDefs()[static_cast<std::size_t>(t.line)];
        showInformation(QCoreApplication::translate("FilterBuilder",
                                                    "The %1 line cannot be used in a filter: %2\r\n"
                                                    "The previous filter stays in force.")
                            .arg(QCoreApplication::translate("FilterLines", def.label), problem));
        return userExpression.isEmpty() ? 0 : static_cast<int>(table.visibleCount());
    }
    // Every term compiles (each is a comparison or a chain of them) and holds only characters
    // the file can hold, so the joined filter does too.
    table.setFilter(*toFieldBytes(joinedFilter(built.expression)));
    userExpression = built.expression;
    return static_cast<int>(table.visibleCount());
}

}  // namespace rp
