#pragma once
// The page a letter is laid out on, kept with its QTextDocument. Lengths in twips (1440 to the
// inch), as RTF states them.
#include <QMetaType>

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

// The dynamic property of the QTextDocument that holds its PageLayout.
inline constexpr char kPageLayoutProperty[] = "ravenpostPageLayout";

// The layout stored on the document, or a new letter's (PageLayout{}) when none is.
PageLayout pageLayout(const QTextDocument& document);
void setPageLayout(QTextDocument& document, const PageLayout& layout);

}  // namespace rp

Q_DECLARE_METATYPE(rp::PageLayout)
