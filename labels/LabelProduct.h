#pragma once
// A label product of the gLabels template files as a label stock of RVPLBLS.DBF: the
// product's name and description, its paper's name, and the stock its geometry converts to.
#include <QString>
#include <optional>

#include "labels/LabelDefinition.h"
#include "labels/LabelTemplateFile.h"

namespace rp {

struct LabelProduct {
    QString brand, part, description, paperName;
    LabelDefinition stock;

    // "BRAND PART", the name the batch command takes.
    QString name() const;
};

// The stock a template's geometry makes on the given paper, named "BRAND PART DESCRIPTION" (cut
// to the stock name's width), lengths rounded to 3 decimals, paper "LTR" or "A4" for those
// sheets and "USERP" with the sheet's size for any other. None when the stock model cannot
// hold it: not exactly one rectangular label shape in one grid, a length or count that could not
// be read, more than 10 across or 30 down, a length over 200 inches, or a definition the label
// definition dialog refuses.
std::optional<LabelDefinition> labelStockOf(const LabelTemplate& geometry, const PaperSheet& paper,
                                            const QString& name);

}  // namespace rp
