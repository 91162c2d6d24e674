#include "data/SideFileValues.h"

#include <QString>

#include "xbase/Table.h"

namespace rp {
namespace {

QString fixed3(float value) {
    return QString::number(static_cast<double>(value), 'f', 3);
}

}  // namespace

float roundTo3Decimals(float value) {
    return fixed3(value).toFloat();
}

void setInches(xbase::Table& table, const char* field, float value) {
    table.setText(field, fixed3(roundTo3Decimals(value)).toStdString());
}

}  // namespace rp
