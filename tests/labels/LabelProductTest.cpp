// Label products of gLabels template files: lengths in their units, planted template files
// (equivalents, shapes and grids the stock model cannot hold, papers), the installed files of
// glabels-data against the delivered stocks, and the product put into RVPLBLS.DBF once.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "LabelSideFixture.h"
#include "data/FieldText.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelProductCatalog.h"
#include "labels/LabelProductStock.h"
#include "labels/LabelTemplateFile.h"

namespace rp {
namespace {

const QString kInstalled = QStringLiteral("/usr/share/libglabels-3.0/templates");

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

TEST(labelLengthInches, EachUnit) {
    const struct {
        const char* text;
        double inches;
    } cases[] = {{"2.625in", 2.625}, {"63.5mm", 2.5},       {"1.27cm", 0.5}, {"36pt", 0.5},
                 {"3pc", 0.5},       {"181.4", 181.4 / 72}, {" 72 ", 1.0},   {"0.0625in", 0.0625}};
    for (const auto& c : cases) {
        const auto inches = labelLengthInches(QString::fromLatin1(c.text));
        ASSERT_TRUE(inches) << c.text;
        EXPECT_NEAR(*inches, c.inches, 1e-9) << c.text;
    }
    for (const char* bad : {"", "in", "3ft", "2.5 inches", "x1mm"})
        EXPECT_FALSE(labelLengthInches(QString::fromLatin1(bad))) << bad;
}

// A folder laid out as glabels-data installs it, with one template file of planted products, a
// paper file, a file that is not a template file, and a user folder.
class PlantedProducts : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath("installed"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("user"));
        writeFile(installed("paper-sizes.xml"), R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
  <Paper-size id="US-Legal" _name="US Legal" width="8.5in" height="14in"/>
</Glabels-paper-sizes>)");
        writeFile(installed("acme-templates.xml"), R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="100" size="US-Letter" _description="Address Labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="3" ny="10" x0="0.15625in" y0="0.5in" dx="2.78125in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="100-W" equiv="100"/>
  <Template brand="Acme" part="200" size="A4" _description="Mailing">
    <Label-rectangle id="0" width="181.4" height="108.0" round="5">
      <Layout nx="3" ny="7" x0="21.2" y0="43.9" dx="187.2" dy="108.0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="300" size="Other" width="4in" height="6in" _description="Card">
    <Label-rectangle id="0" width="3.5in" height="2in">
      <Layout nx="1" ny="2" x0="0.25in" y0="0.5in" dx="0in" dy="3in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="400" size="US-Legal" _description="Legal">
    <Label-rectangle id="0" width="8in" height="1in">
      <Layout nx="1" ny="1" x0="0.25in" y0="0.5in" dx="0" dy="0"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="R1" size="US-Letter" _description="Round">
    <Label-round id="0" radius="1in"><Layout nx="3" ny="4" x0="0" y0="0" dx="2in" dy="2in"/></Label-round>
  </Template>
  <Template brand="Acme" part="R1-X" equiv="R1"/>
  <Template brand="Acme" part="TWO" size="US-Letter" _description="Two grids">
    <Label-rectangle id="0" width="2in" height="1in">
      <Layout nx="2" ny="5" x0="0.5in" y0="0.5in" dx="2.5in" dy="1in"/>
      <Layout nx="1" ny="5" x0="6in" y0="0.5in" dx="2.5in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="WIDE" size="US-Letter" _description="Eleven across">
    <Label-rectangle id="0" width="0.6in" height="0.5in">
      <Layout nx="11" ny="10" x0="0.1in" y0="0.5in" dx="0.7in" dy="0.5in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="TINY" size="US-Letter" _description="Too small">
    <Label-rectangle id="0" width="0.4in" height="0.5in">
      <Layout nx="2" ny="2" x0="0.1in" y0="0.5in" dx="0.5in" dy="0.5in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="ODD" size="US-Letter" _description="Furlongs">
    <Label-rectangle id="0" width="2furlong" height="1in">
      <Layout nx="2" ny="2" x0="0.1in" y0="0.5in" dx="2.5in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="LOST" equiv="NONE"/>
  <Template brand="Acme" part="NOPAPER" size="B99" _description="Unknown paper">
    <Label-rectangle id="0" width="2in" height="1in">
      <Layout nx="1" ny="1" x0="0" y0="0" dx="2in" dy="1in"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
        writeFile(installed("vendors.xml"),
                  "<Glabels-vendors><Vendor name=\"Acme\"/></Glabels-vendors>");
        writeFile(user("mine.template"), R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="100" size="US-Letter" description="My own 100">
    <Label-rectangle id="0" width="2.5in" height="1in">
      <Layout nx="3" ny="10" x0="0.25in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Zeta" part="Z1" size="A4" description="Zeta labels">
    <Label-rectangle id="0" width="70mm" height="37mm">
      <Layout nx="3" ny="8" x0="0mm" y0="0.5mm" dx="70mm" dy="37mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
    }

    QString installed(const QString& name) const {
        return QDir(dir.path()).filePath("installed/" + name);
    }
    QString user(const QString& name) const { return QDir(dir.path()).filePath("user/" + name); }
    LabelProductFolders folders(bool withUser) const {
        LabelProductFolders f{installed(""), {}};
        if (withUser) f.userFolders << user("");
        return f;
    }

    QTemporaryDir dir;
};

LabelDefinition stock(const char* name, float w, float h, int across, int down, float left,
                      float top, float hPitch, float vPitch, const char* paper, float sheetW,
                      float sheetD) {
    LabelDefinition d;
    d.description = QString::fromLatin1(name);
    d.labelWidth = w, d.labelHeight = h, d.across = across, d.down = down;
    d.leftMargin = left, d.topMargin = top, d.horizontalPitch = hPitch, d.verticalPitch = vPitch;
    d.paperSize = QString::fromLatin1(paper), d.sheetWidth = sheetW, d.sheetDepth = sheetD;
    d.printerType = "LJ";
    return d;
}

TEST_F(PlantedProducts, ConvertsWhatTheStockModelHoldsAndCountsTheRest) {
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders(folders(false));
    EXPECT_TRUE(catalog.problems().isEmpty()) << catalog.problems().join('\n').toStdString();
    const struct {
        const char* name;
        const char* paper;
        LabelDefinition stock;
    } expected[] = {
        {"Acme 100", "US Letter",
         stock("Acme 100 Address Labels", 2.625f, 1, 3, 10, 0.156f, 0.5f, 2.781f, 1, "LTR", 8.5f,
               11)},
        {"Acme 100-W", "US Letter",
         stock("Acme 100-W Address Labels", 2.625f, 1, 3, 10, 0.156f, 0.5f, 2.781f, 1, "LTR", 8.5f,
               11)},
        {"Acme 200", "A4",
         stock("Acme 200 Mailing", 2.519f, 1.5f, 3, 7, 0.294f, 0.61f, 2.6f, 1.5f, "A4", 8.27f,
               11.69f)},
        {"Acme 300", "Other",
         stock("Acme 300 Card", 3.5f, 2, 1, 2, 0.25f, 0.5f, 3.5f, 3, "USERP", 4, 6)},
        {"Acme 400", "US Legal",
         stock("Acme 400 Legal", 8, 1, 1, 1, 0.25f, 0.5f, 8, 1, "USERP", 8.5f, 14)},
    };
    ASSERT_EQ(catalog.products().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const LabelProduct& p = catalog.products()[i];
        EXPECT_EQ(p.name(), expected[i].name);
        EXPECT_EQ(p.paperName, expected[i].paper);
        EXPECT_EQ(p.stock, expected[i].stock) << expected[i].name;
    }
    // R1, R1-X (round), TWO (two grids), WIDE (11 across), TINY (label width under 0.5 inch),
    // ODD (a length without a known unit), LOST (equivalent of nothing), NOPAPER.
    EXPECT_EQ(catalog.skipped(), 8);
}

TEST_F(PlantedProducts, UserTemplatesComeFirstAndSearchMatchesEveryWord) {
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders(folders(true));
    ASSERT_NE(catalog.find("  acme   100 "), nullptr);
    EXPECT_EQ(catalog.find("Acme 100")->description, "My own 100");
    EXPECT_EQ(catalog.find("Acme 100")->stock.labelWidth, 2.5f);
    EXPECT_EQ(catalog.find("Acme 999"), nullptr);
    EXPECT_EQ(catalog.products().back().name(), "Zeta Z1");

    const auto names = [&](const QString& text) {
        QStringList found;
        for (const LabelProduct* p : catalog.search(text)) found << p->name();
        return found;
    };
    EXPECT_EQ(names("zeta"), QStringList{"Zeta Z1"});
    EXPECT_EQ(names("acme a4"), QStringList{"Acme 200"});
    EXPECT_EQ(names("ADDRESS"), QStringList{"Acme 100-W"});
    EXPECT_EQ(names("acme 100"), (QStringList{"Acme 100", "Acme 100-W"}));
    EXPECT_EQ(names("").size(), 6);
}

TEST_F(PlantedProducts, AnImportedFileUsesTheInstalledPapersAndProducts) {
    writeFile(user("picked.xml"), R"(<Glabels-templates>
  <Template brand="Acme" part="500" equiv="200"/>
  <Template brand="Acme" part="600" size="US-Legal" _description="Picked">
    <Label-rectangle id="0" width="4in" height="2in">
      <Layout nx="2" ny="6" x0="0.25in" y0="0.5in" dx="4in" dy="2in"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
    const LabelProductCatalog catalog =
        LabelProductCatalog::fromFile(user("picked.xml"), folders(false));
    ASSERT_EQ(catalog.products().size(), 2u);
    EXPECT_EQ(catalog.products()[0].stock.description, "Acme 500 Mailing");
    EXPECT_EQ(catalog.products()[0].stock.paperSize, "A4");
    EXPECT_EQ(catalog.products()[1].stock.sheetDepth, 14.0f);
    EXPECT_EQ(catalog.skipped(), 0);
}

TEST_F(PlantedProducts, UnreadableFilesAreToldWithTheirCause) {
    writeFile(user("broken.template"), "<Glabels-templates><Template brand=\"X\">\n</Glabels");
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders(folders(true));
    ASSERT_EQ(catalog.problems().size(), 1);
    EXPECT_EQ(catalog.problems()[0].toStdString(),
              (user("broken.template") + ", line 2: Premature end of document.").toStdString());
    EXPECT_EQ(catalog.products().size(), 6u);

    try {
        LabelProductCatalog::fromFile(user("missing.xml"), folders(false));
        FAIL() << "no error";
    } catch (const LabelTemplateError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()),
                  user("missing.xml") + " cannot be read: No such file or directory");
    }
}

// The installed glabels-data files.
class InstalledProducts : public LabelSideTest {
  protected:
    void SetUp() override {
        if (!QFile::exists(kInstalled + "/avery-us-templates.xml"))
            GTEST_SKIP() << "glabels-data is not installed (" << kInstalled.toStdString()
                         << "); scripts/deps.sh installs it";
        LabelSideTest::SetUp();
    }
};

TEST_F(InstalledProducts, EverySingleGridRectangularAveryUsProductConverts) {
    const auto templates = readLabelTemplates(kInstalled + "/avery-us-templates.xml");
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders({kInstalled, {}});
    EXPECT_TRUE(catalog.problems().isEmpty()) << catalog.problems().join('\n').toStdString();
    std::map<QString, const LabelTemplate*> geometry;
    for (const LabelTemplate& t : templates)
        if (t.equivalentPart.isEmpty()) geometry[t.part] = &t;
    int holdable = 0;
    for (const LabelTemplate& t : templates) {
        const LabelTemplate* g = t.equivalentPart.isEmpty() ? &t : geometry.at(t.equivalentPart);
        const bool fits = g->shapes.size() == 1 && g->shapes[0] == "Label-rectangle" &&
                          g->grids.size() == 1 && g->grids[0].across <= 10 &&
                          g->grids[0].down <= 30 &&
                          // Spine labels narrower than the definition dialog allows.
                          g->labelWidth >= 0.5 && g->labelHeight >= 0.3;
        if (!fits) continue;
        ++holdable;
        const LabelProduct* p = catalog.find("Avery " + t.part);
        ASSERT_NE(p, nullptr) << t.part.toStdString();
        EXPECT_EQ(validLabel(p->stock), "") << t.part.toStdString();
        EXPECT_EQ(p->stock.across, g->grids[0].across) << t.part.toStdString();
        EXPECT_NEAR(p->stock.labelWidth, g->labelWidth, 0.0005) << t.part.toStdString();
    }
    EXPECT_GT(holdable, 100);
    // Product numbers in numeric order.
    EXPECT_LT(catalog.find("Avery 5160"), catalog.find("Avery 15160"));
}

TEST_F(InstalledProducts, CommonProductsMatchTheDeliveredStocks) {
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders({kInstalled, {}});
    const auto stocks = open("RVPLBLS.DBF");
    for (const char* part : {"5163", "5167", "L7160", "5161", "5162", "5164", "5168"}) {
        const LabelProduct* product = catalog.find(QStringLiteral("Avery ") + part);
        ASSERT_NE(product, nullptr) << part;
        ASSERT_NE(findLabelProductStock(*stocks, *product), 0u) << part;
        const LabelDefinition delivered = readLabelDefinition(*stocks);
        const LabelDefinition& made = product->stock;
        const struct {
            const char* what;
            float made, delivered;
        } lengths[] = {{"width", made.labelWidth, delivered.labelWidth},
                       {"height", made.labelHeight, delivered.labelHeight},
                       {"left", made.leftMargin, delivered.leftMargin},
                       {"top", made.topMargin, delivered.topMargin},
                       {"horizontal pitch", made.horizontalPitch, delivered.horizontalPitch},
                       {"vertical pitch", made.verticalPitch, delivered.verticalPitch},
                       {"sheet width", made.sheetWidth, delivered.sheetWidth},
                       {"sheet depth", made.sheetDepth, delivered.sheetDepth}};
        for (const auto& l : lengths)
            EXPECT_NEAR(l.made, l.delivered, 0.002) << part << ' ' << l.what;
        EXPECT_EQ(made.across, delivered.across) << part;
        EXPECT_EQ(made.down, delivered.down) << part;
        EXPECT_EQ(made.paperSize, delivered.paperSize) << part;
    }
}

TEST_F(InstalledProducts, AProductIsAddedOnceAndADeliveredOneIsChosen) {
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders({kInstalled, {}});
    auto stocks = open("RVPLBLS.DBF");
    const std::uint32_t before = stocks->recordCount();

    const LabelProduct* delivered = catalog.find("Avery 5163");
    ASSERT_NE(delivered, nullptr);
    const AddedLabelProduct chosen = addLabelProduct(*stocks, *delivered);
    EXPECT_TRUE(chosen.alreadyThere);
    EXPECT_EQ(stocks->recNo(), chosen.record);
    EXPECT_EQ(fromFieldBytes(stocks->text("USERDESC")).left(11), "Avery 5163 ");

    const LabelProduct* fresh = catalog.find("Avery 3274.1");
    ASSERT_NE(fresh, nullptr);
    const AddedLabelProduct added = addLabelProduct(*stocks, *fresh);
    EXPECT_FALSE(added.alreadyThere);
    EXPECT_EQ(added.record, before + 1);
    EXPECT_EQ(readLabelDefinition(*stocks), fresh->stock);
    EXPECT_EQ(stocks->logical("USERDEF"), true);

    const AddedLabelProduct again = addLabelProduct(*stocks, *fresh);
    EXPECT_TRUE(again.alreadyThere);
    EXPECT_EQ(again.record, added.record);
    EXPECT_EQ(stocks->recordCount(), before + 1);
}

}  // namespace
}  // namespace rp
