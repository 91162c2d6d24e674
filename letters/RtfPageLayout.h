#pragma once
// The page a letter is laid out on, kept with its QTextDocument. Lengths in twips (1440 to the
// inch), as RTF states them.
#include <QMetaType>
#include <QStringList>

#include "framework/PageLimits.h"

class QTextDocument;

namespace rp {

struct PageLayout {
    int paperWidth = 12240;  // Letter paper, 8.5 x 11 inches
    int paperHeight = 15840;
    int leftMargin = 1440;
    int rightMargin = 1440;
    int topMargin = 1440;
    int bottomMargin = 1440;
    bool operator==(const PageLayout&) const = default;

    // What an RTF file that states no page size or margins is laid out on.
    static PageLayout rtfDefaults() { return {12240, 15840, 1800, 1800, 1440, 1440}; }
};

inline constexpr int kTwipsInInch = 1440;
inline constexpr int kLargestPageSideTwips =
    static_cast<int>(kLargestPageSideInches * kTwipsInInch);

// The page an RTF file's stated lengths are laid out on. A side of 0 or less gives Letter
// paper; a side larger than a page can be printed is cut to kLargestPageSideTwips; a negative
// margin is the RTF default; two margins that leave no room for text between them are each cut
// to a quarter of that side. What was changed is told in notes, one line each.
PageLayout fitRtfPage(const PageLayout& stated, QStringList& notes);

// The dynamic property of the QTextDocument that holds its PageLayout.
inline constexpr char kPageLayoutProperty[] = "ravenpostPageLayout";

// The layout stored on the document, or a new letter's (PageLayout{}) when none is.
PageLayout pageLayout(const QTextDocument& document);
void setPageLayout(QTextDocument& document, const PageLayout& layout);

}  // namespace rp

Q_DECLARE_METATYPE(rp::PageLayout)
