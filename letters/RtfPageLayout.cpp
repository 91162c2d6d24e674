#include "letters/RtfPageLayout.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <QVariant>
#include <algorithm>

namespace rp {

namespace {

QString inches(qint64 twips) {
    return QString::number(static_cast<double>(twips) / kTwipsInInch, 'f', 2);
}

// Cuts both margins of one side to a quarter of it when together they leave it no room.
bool fitMargins(int side, int& first, int& second) {
    if (qint64{first} + second < side) return false;
    first = std::min(first, side / 4);
    second = std::min(second, side / 4);
    return true;
}

}  // namespace

PageLayout pageLayout(const QTextDocument& document) {
    const QVariant value = document.property(kPageLayoutProperty);
    if (value.canConvert<PageLayout>()) return value.value<PageLayout>();
    return PageLayout{};
}

void setPageLayout(QTextDocument& document, const PageLayout& layout) {
    document.setProperty(kPageLayoutProperty, QVariant::fromValue(layout));
}

PageLayout fitRtfPage(const PageLayout& stated, QStringList& notes) {
    const PageLayout defaults = PageLayout::rtfDefaults();
    PageLayout page = stated;
    if (page.paperWidth <= 0 || page.paperHeight <= 0) {
        notes << QCoreApplication::translate("RtfPageLayout",
                                             "The RTF page size of %1 x %2 twips is not a page "
                                             "size: the letter is laid out on Letter paper.")
                     .arg(stated.paperWidth)
                     .arg(stated.paperHeight);
        page.paperWidth = defaults.paperWidth;
        page.paperHeight = defaults.paperHeight;
    } else if (page.paperWidth > kLargestPageSideTwips ||
               page.paperHeight > kLargestPageSideTwips) {
        page.paperWidth = std::min(page.paperWidth, kLargestPageSideTwips);
        page.paperHeight = std::min(page.paperHeight, kLargestPageSideTwips);
        notes << QCoreApplication::translate("RtfPageLayout",
                                             "The RTF page of %1 x %2 inches is larger than a "
                                             "page can be printed (200 inches a side): it is "
                                             "cut to %3 x %4 inches.")
                     .arg(inches(stated.paperWidth), inches(stated.paperHeight),
                          inches(page.paperWidth), inches(page.paperHeight));
    }
    for (auto [margin, fallback] : {std::pair{&page.leftMargin, defaults.leftMargin},
                                    {&page.rightMargin, defaults.rightMargin},
                                    {&page.topMargin, defaults.topMargin},
                                    {&page.bottomMargin, defaults.bottomMargin}}) {
        if (*margin < 0) *margin = fallback;
    }
    const bool across = fitMargins(page.paperWidth, page.leftMargin, page.rightMargin);
    const bool down = fitMargins(page.paperHeight, page.topMargin, page.bottomMargin);
    if (across || down) {
        notes << QCoreApplication::translate("RtfPageLayout",
                                             "The RTF margins leave no room for text on the "
                                             "page: they are cut to %1 inches left, %2 right, "
                                             "%3 top and %4 bottom.")
                     .arg(inches(page.leftMargin), inches(page.rightMargin), inches(page.topMargin),
                          inches(page.bottomMargin));
    }
    return page;
}

}  // namespace rp
