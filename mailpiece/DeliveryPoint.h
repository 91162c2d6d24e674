#pragma once
// The delivery point of a ZIP+4 barcode: the last two digits of the house number.
#include <QString>

namespace rp {

// Two digits from the street line, read from its end toward its start: the digits of the
// first word that holds any, skipping fractions (the 1/2 of 12 1/2) and ordinals (42ND);
// a letter before a single digit counts as 0 (A1 gives 01). "99" when the line names an
// APO or FPO, or holds no such digit.
QString deliveryPointDigits(const QString& street);

}  // namespace rp
