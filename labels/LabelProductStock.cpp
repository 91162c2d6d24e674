#include "labels/LabelProductStock.h"

#include "data/FieldText.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelProduct.h"
#include "xbase/Table.h"

namespace rp {

std::uint32_t findLabelProductStock(xbase::Table& stocks, const LabelProduct& product) {
    const QString wanted = product.name().simplified();
    for (stocks.goTop(); !stocks.eof(); stocks.skip()) {
        if (stocks.deleted()) continue;
        const QString name = fromFieldBytes(stocks.text("USERDESC")).simplified();
        if (name.startsWith(wanted, Qt::CaseInsensitive) &&
            (name.size() == wanted.size() || name[wanted.size()] == QLatin1Char(' ')))
            return stocks.recNo();
    }
    return 0;
}

AddedLabelProduct addLabelProduct(xbase::Table& stocks, const LabelProduct& product) {
    if (const std::uint32_t found = findLabelProductStock(stocks, product)) {
        stocks.go(found);
        return {found, true};
    }
    if (!appendLabelDefinition(stocks, product.stock)) return {};
    return {stocks.recNo(), false};
}

}  // namespace rp
