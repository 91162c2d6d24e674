#pragma once
// Page lengths as the Page Properties dialog shows and reads them: twips kept, shown and typed
// in inches, centimetres or twips. Plain functions, so that the dialog's arithmetic and its
// refusals can be checked without a window.
#include <QString>
#include <optional>

#include "letters/RtfPageLayout.h"

namespace rp {

enum class PageUnit { Inch, Cm, Twips };

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerCm = 566.929;

// Inches and centimetres with two decimals ("1.00", "2.54"), twips as a whole number ("1440").
QString formatTwips(int twips, PageUnit unit);

// The typed text in twips, rounded to the nearest whole twip (halves away from zero). Digits
// with at most one "." and an optional leading "-"; blanks around it are ignored and an empty
// text is 0. Nothing for any other text, and for a length too large to hold.
std::optional<int> parseToTwips(const QString& text, PageUnit unit);

// The six lengths of a PageLayout, in the order checked on OK.
enum class PageField { Width, Height, Top, Bottom, Left, Right };

struct PageLayoutFault {
    PageField field;  // the box that takes the focus
    QString message;
};

// The first reason the layout cannot be accepted, with the box it belongs to: a paper side of
// no length or longer than the largest printable page, a negative margin, or margins that leave
// no room for text.
std::optional<PageLayoutFault> findPageLayoutFault(const PageLayout& layout);
// The message of findPageLayoutFault alone.
std::optional<QString> pageLayoutFault(const PageLayout& layout);

// The width of the page's text (the paper less the side margins) in pixels at dpi, whole-number
// division: at least 1, and at most what an int holds, whatever the layout.
int textWidthPixels(const PageLayout& page, int dpi);

}  // namespace rp
