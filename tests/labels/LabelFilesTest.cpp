// The two label side tables: the layouts in code agree with the delivered tables, the paper
// size codes, and the delivered catalogue is one the program can work with.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelFiles.h"
#include "labels/LabelSetup.h"

namespace rp {
namespace {

void expectLayout(xbase::Engine& engine, const QString& path,
                  const std::vector<xbase::FieldSpec>& layout, const char* tag, const char* key) {
    SCOPED_TRACE(path.toStdString());
    const auto table = engine.open(enginePath(path), xbase::OpenMode::ReadOnly);
    ASSERT_EQ(table->fieldCount(), static_cast<int>(layout.size()));
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const xbase::Field& f = table->field(static_cast<int>(i) + 1);
        EXPECT_EQ(f.name, layout[i].name);
        EXPECT_EQ(f.type, layout[i].type) << f.name;
        EXPECT_EQ(f.width, layout[i].type == 'L' ? 1 : layout[i].width) << f.name;
        EXPECT_EQ(f.decimals, layout[i].decimals) << f.name;
    }
    ASSERT_EQ(table->orderCount(), 1);
    table->setOrder(1);
    EXPECT_EQ(table->orderTagName(), tag);
    EXPECT_EQ(table->orderKeyExpression(), key);
}

TEST_F(LabelSideTest, LayoutsInCodeAreThoseOfTheDeliveredTables) {
    expectLayout(engine, deliveredPath("RVPLBLS.DBF"), labelStockLayout(), kLabelStockTag,
                 kLabelStockTagKey);
    expectLayout(engine, deliveredPath("RVPLSU.DBF"), labelSetupLayout(), kLabelSetupTag,
                 kLabelSetupTagKey);
    // The setup file's fields in the order of the record's members.
    QStringList names;
    for (const auto& f : labelSetupLayout()) names << QString::fromStdString(f.name);
    EXPECT_EQ(names.join(','),
              "DESCRIPT,PRINTERTYP,FONTNAME,FONTSIZE,FONTBOLD,FONTITALIC,XOFFSET,YOFFSET,BARCODE,"
              "NAME,TITLE,COMPANY,"
              "STREET,CITYSTATE,ZIP,PHONE,COUNTRY,ZIPOPTIONS,UPPERCASE,LBLHEIGHT,LBLWIDTH,"
              "NBRACROSS,NBRDOWN,TOPMARG,"
              "LEFTMARG,HORIZPITCH,VERTPITCH,SHEETWIDTH,SHEETDEPTH,PAPERSIZE,TRIMTEXT,USERLABELN");
}

TEST(labelPaper, CodesListPositionsAndLandscape) {
    const QStringList codes{"LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"};
    for (int i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(paperListIndex(codes[i]), i);
        EXPECT_EQ(paperCodeAt(i), codes[i]);
    }
    EXPECT_EQ(paperListIndex("USER"), 5);
    EXPECT_EQ(paperListIndex("ltr"), -1);
    EXPECT_EQ(paperListIndex(""), -1);
    EXPECT_EQ(paperCodeAt(7), "");
    EXPECT_EQ(paperSizes()[0].caption, "Letter (8.5 x 11\")");
    EXPECT_EQ(paperSizes()[3].caption, "A4 Landscape ( 297 x 210mm)");
    EXPECT_EQ(*paperSizes()[4].width, 5.82f);
    EXPECT_FALSE(paperSizes()[6].width.has_value());
    for (const char* code : {"LTRL", "A4L", "USERL"}) EXPECT_TRUE(isLandscapePaper(code)) << code;
    for (const char* code : {"LTR", "A4", "A5", "USERP", "USER"})
        EXPECT_FALSE(isLandscapePaper(code)) << code;
}

TEST_F(LabelSideTest, EveryDeliveredStockIsValidWithKnownCodesAndPredefined) {
    const auto stocks = open("RVPLBLS.DBF");
    int rows = 0;
    for (; !stocks->eof(); stocks->skip(), ++rows) {
        const LabelDefinition d = readLabelDefinition(*stocks);
        SCOPED_TRACE(d.description.toStdString());
        EXPECT_EQ(validLabel(d), "");
        EXPECT_TRUE(d.printerType == "LJ" || d.printerType == "DM");
        ASSERT_GE(paperListIndex(d.paperSize), 0);
        const PaperSize& paper =
            paperSizes()[static_cast<std::size_t>(paperListIndex(d.paperSize))];
        if (paper.width) {
            EXPECT_EQ(d.sheetWidth, *paper.width);
            EXPECT_EQ(d.sheetDepth, *paper.depth);
        }
        EXPECT_GE(d.across, 1);
        EXPECT_LE(d.across, 10);
        EXPECT_GE(d.down, 1);
        EXPECT_LE(d.down, 30);
        EXPECT_EQ(stocks->logical("USERDEF"), false);
    }
    EXPECT_EQ(rows, 140);
}

// The default setup names the Avery 5160 stock; its geometry is that row's.
TEST_F(LabelSideTest, TheDefaultSetupCarriesTheDeliveredAvery5160Geometry) {
    const auto stocks = open("RVPLBLS.DBF");
    stocks->setOrder(kLabelStockTag);
    ASSERT_TRUE(stocks->seek("AVERY 5160  ADDRESS,   1.00 X 2.63"));
    LabelSetup taken = defaultLabelSetup();
    taken.labelHeight = taken.labelWidth = taken.topMargin = taken.leftMargin = 0;
    taken.horizontalPitch = taken.verticalPitch = taken.sheetWidth = taken.sheetDepth = 0;
    taken.across = taken.down = 0;
    taken.paperSize = taken.printerType = taken.labelTypeName = "?";
    takeLabelStock(*stocks, taken);
    EXPECT_EQ(taken, defaultLabelSetup());
}

}  // namespace
}  // namespace rp
