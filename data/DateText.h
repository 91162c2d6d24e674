#pragma once
// Dates as the program shows and reads them: the short date format's "dd", "mm", "yy" and
// "yyyy" (any letter case) stand for the day, month and year; everything else is literal.
#include <QString>
#include <optional>

#include "xbase/DateUtil.h"

namespace rp {

// The date in the format; empty for 0 (an empty date).
QString formatDate(xbase::JulianDay day, const QString& format);

// The date a text gives in the format: 0 when the text holds no digit (an empty date),
// nothing when it is not a valid date. Two-digit years fall in the hundred years that end
// twenty years after this one.
std::optional<xbase::JulianDay> parseDate(const QString& text, const QString& format);

// A Qt input mask for an edit mask of the form "!99/99/9999;1;_": '9' (a digit that may be
// left out) and '0' (a digit that must be typed) become Qt's '0' and '9'; the blank
// character after the second ';' is kept.
QString qtInputMask(const QString& editMask);

}  // namespace rp
