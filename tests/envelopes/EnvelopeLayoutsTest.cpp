// The two layouts as code against the tables delivered beside the program.
#include "EnvelopeFixture.h"

#include <set>

namespace rp {
namespace {

class EnvelopeLayoutsTest : public EnvelopeFixture {
  protected:
    void expectLayout(const EnvelopeTableLayout& layout) {
        auto table =
            engine.open(delivered(layout.file.c_str()).toStdString(), xbase::OpenMode::ReadOnly);
        ASSERT_EQ(table->fieldCount(), static_cast<int>(layout.fields.size())) << layout.file;
        for (int i = 0; i < table->fieldCount(); ++i) {
            const xbase::Field& f = table->field(i + 1);
            const xbase::FieldSpec& wanted = layout.fields[static_cast<std::size_t>(i)];
            EXPECT_EQ(f.name, wanted.name) << layout.file;
            EXPECT_EQ(f.type, wanted.type) << wanted.name;
            if (wanted.type == 'C' || wanted.type == 'N') {
                EXPECT_EQ(f.width, wanted.width) << wanted.name;
            }
            EXPECT_EQ(f.decimals, wanted.decimals) << wanted.name;
            if (wanted.type == 'N' && wanted.decimals > 0) {
                EXPECT_GE(f.decimals, 3) << wanted.name;
            }
        }
        ASSERT_EQ(table->orderCount(), 1) << layout.file;
        EXPECT_EQ(table->tagName(1), layout.tagName);
        table->setOrder(1);
        EXPECT_EQ(table->orderKeyExpression(), layout.tagKey);
    }
};

TEST_F(EnvelopeLayoutsTest, DefinitionFileHasTheFieldsOfTheText) {
    const EnvelopeTableLayout& layout = envelopeDefinitionLayout();
    EXPECT_EQ(layout.file, "RVPENVS.DBF");
    std::vector<std::string> names;
    for (const auto& f : layout.fields) names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::string>{"NAME", "DESC", "WIDTH", "HEIGHT", "USERDEF"}));
    EXPECT_EQ(layout.fields[0].width, 20);
    EXPECT_EQ(layout.fields[1].width, 20);
    EXPECT_EQ(layout.fields[4].type, 'L');
    expectLayout(layout);
}

TEST_F(EnvelopeLayoutsTest, SetupFileHasThe44MembersInOrder) {
    const EnvelopeTableLayout& layout = envelopeSetupLayout();
    EXPECT_EQ(layout.file, "RVPESU.DBF");
    std::vector<std::string> names;
    for (const auto& f : layout.fields) names.push_back(f.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "DESCRIPT",  "ENVNAME",    "USERETURN", "USEMESSAGE", "RETTOP",    "RETLEFT",
                  "RETFNAME",  "RETFSIZE",   "RETFBOLD",  "RETFITALIC", "RETLINE1",  "RETLINE2",
                  "RETLINE3",  "RETLINE4",   "RETLINE5",  "MESSTOP",    "MESSLEFT",  "MESSFNAME",
                  "MESSFSIZE", "MESSFBOLD",  "MESSFITAL", "MESSTEXT",   "DELTOP",    "DELLEFT",
                  "DELFNAME",  "DELFSIZE",   "DELFBOLD",  "DELFITAL",   "BARCODE",   "NAME",
                  "TITLE",     "COMPANY",    "STREET",    "CITYSTATE",  "ZIP",       "PHONE",
                  "COUNTRY",   "ZIPOPTIONS", "UPPERCASE", "ENVWIDTH",   "ENVHEIGHT", "ORIENT",
                  "FACING",    "POSITION"}));
    for (const auto& f : layout.fields) {
        const std::string& n = f.name;
        const int expected = n == "DESCRIPT" || n == "RETFNAME" || n == "MESSFNAME" ||
                                     n == "MESSTEXT" || n == "DELFNAME"
                                 ? 50
                             : n == "ENVNAME"              ? 20
                             : n.rfind("RETLINE", 0) == 0  ? 40
                             : f.type == 'N' && f.decimals ? 8
                             : f.type == 'N'               ? 4
                                                           : 1;
        EXPECT_EQ(f.width, expected) << n;
    }
    expectLayout(layout);
}

TEST_F(EnvelopeLayoutsTest, DeliveredSizesArePredefinedWithTheLongSideAsWidth) {
    auto sizes = open("RVPENVS.DBF");
    std::set<std::string> names;
    int rows = 0;
    for (sizes->goTop(); !sizes->eof(); sizes->skip(), ++rows) {
        EXPECT_EQ(sizes->logical("USERDEF"), std::optional<bool>(false)) << sizes->text("NAME");
        EXPECT_GE(sizes->number("WIDTH"), sizes->number("HEIGHT")) << sizes->text("NAME");
        EXPECT_GE(sizes->number("HEIGHT"), 2.0) << sizes->text("NAME");
        EXPECT_FALSE(sizes->text("DESC").empty());
        names.insert(sizes->text("NAME"));
    }
    EXPECT_EQ(rows, 18);
    EXPECT_EQ(names.size(), 18u);
    EXPECT_TRUE(names.count("Envelope #10"));
}

}  // namespace
}  // namespace rp
