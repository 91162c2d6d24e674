#include "letters/RtfPageLayout.h"

#include <QTextDocument>
#include <QVariant>

namespace rp {

PageLayout pageLayout(const QTextDocument& document) {
    const QVariant value = document.property(kPageLayoutProperty);
    if (value.canConvert<PageLayout>()) return value.value<PageLayout>();
    return PageLayout{};
}

void setPageLayout(QTextDocument& document, const PageLayout& layout) {
    document.setProperty(kPageLayoutProperty, QVariant::fromValue(layout));
}

}  // namespace rp
