#include "labels/LabelFiles.h"

#include <QCoreApplication>

#include "data/SideFileFields.h"

namespace rp {
namespace {

using xbase::FieldSpec;

using rp::sidefields::inches;
using rp::sidefields::logical;
using rp::sidefields::text;
using rp::sidefields::whole;

}  // namespace

const std::vector<FieldSpec>& labelStockLayout() {
    static const std::vector<FieldSpec> layout = [] {
        std::vector<FieldSpec> fields{text("USERDESC", kStockDescriptionWidth)};
        for (FieldSpec& f : rp::sidefields::labelGeometryFields()) fields.push_back(f);
        fields.push_back(text("PRINTER", kPrinterTypeWidth));
        fields.push_back(text("PAPERSIZE", kPaperCodeWidth));
        fields.push_back(logical("USERDEF"));
        return fields;
    }();
    return layout;
}

const std::vector<FieldSpec>& labelSetupLayout() {
    static const std::vector<FieldSpec> layout = [] {
        std::vector<FieldSpec> fields{text("DESCRIPT", kSetupDescriptionWidth),
                                      text("PRINTERTYP", kPrinterTypeWidth),
                                      text("FONTNAME", kFontNameWidth),
                                      whole("FONTSIZE"),
                                      logical("FONTBOLD"),
                                      logical("FONTITALIC"),
                                      inches("XOFFSET"),
                                      inches("YOFFSET"),
                                      logical("BARCODE")};
        for (FieldSpec& f : rp::sidefields::addressContentsFields()) fields.push_back(f);
        for (FieldSpec& f : rp::sidefields::labelGeometryFields()) fields.push_back(f);
        fields.push_back(text("PAPERSIZE", kPaperCodeWidth));
        fields.push_back(logical("TRIMTEXT"));
        fields.push_back(text("USERLABELN", kStockDescriptionWidth));
        return fields;
    }();
    return layout;
}

const std::vector<PaperSize>& paperSizes() {
    static const std::vector<PaperSize> sizes = {
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "Letter (8.5 x 11\")")),
         QStringLiteral("LTR"), 8.5f, 11.0f},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "Letter Landscape (11 x 8.5\")")),
         QStringLiteral("LTRL"), 11.0f, 8.5f},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "A4 (210 x 297mm)")),
         QStringLiteral("A4"), 8.27f, 11.69f},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "A4 Landscape ( 297 x 210mm)")),
         QStringLiteral("A4L"), 11.69f, 8.27f},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "A5 (148 x 210mm)")),
         QStringLiteral("A5"), 5.82f, 8.27f},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "Other Portrait (User Defined)")),
         QStringLiteral("USERP"), std::nullopt, std::nullopt},
        {QString::fromLatin1(QT_TRANSLATE_NOOP("PaperSize", "Other Landscape (User Defined)")),
         QStringLiteral("USERL"), std::nullopt, std::nullopt},
    };
    return sizes;
}

QString paperSizeCaption(const PaperSize& size) {
    return QCoreApplication::translate("PaperSize", size.caption.toLatin1().constData());
}

int paperListIndex(const QString& code) {
    if (code == QLatin1String("USER")) return 5;
    const auto& sizes = paperSizes();
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i].code == code) return static_cast<int>(i);
    return -1;
}

QString paperCodeAt(int index) {
    const auto& sizes = paperSizes();
    return index >= 0 && index < static_cast<int>(sizes.size())
               ? sizes[static_cast<std::size_t>(index)].code
               : QString();
}

bool isLandscapePaper(const QString& code) {
    return code == QLatin1String("LTRL") || code == QLatin1String("A4L") ||
           code == QLatin1String("USERL");
}

}  // namespace rp
