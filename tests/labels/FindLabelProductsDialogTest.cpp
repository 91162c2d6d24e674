// "Find More Products" and the two product buttons of "Select Label Definition", offscreen, on
// planted template files and a copy of the delivered RVPLBLS.DBF.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "LabelSideFixture.h"
#include "data/FieldText.h"
#include "data/SideGridModel.h"
#include "labels/FindLabelProductsDialog.h"
#include "labels/LabelProductCatalog.h"
#include "labels/SelectLabelStockDialog.h"
#include "support/ScriptedFileChooser.h"

namespace rp {
namespace {

const QByteArray kTemplates = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="100" size="US-Letter" _description="Address Labels">
    <Label-rectangle id="0" width="2.625in" height="1in">
      <Layout nx="3" ny="10" x0="0.15625in" y0="0.5in" dx="2.78125in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="200" size="A4" _description="Mailing">
    <Label-rectangle id="0" width="63.5mm" height="38.1mm">
      <Layout nx="3" ny="7" x0="7.5mm" y0="15.5mm" dx="66mm" dy="38.1mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="R1" size="US-Letter" _description="Round">
    <Label-round id="0" radius="1in"><Layout nx="3" ny="4" x0="0" y0="0" dx="2in" dy="2in"/></Label-round>
  </Template>
</Glabels-templates>)";

class ProductDialogTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath("glabels"));
        write("glabels/acme-templates.xml", kTemplates);
        folders = {QDir(dir.path()).filePath("glabels"), {}};
        stocks = open("RVPLBLS.DBF");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString currentName() const {
        return stocks->eof() ? "(end)" : fromFieldBytes(stocks->text("USERDESC"));
    }
    static QStringList rows(const FindLabelProductsDialog& d) {
        QStringList out;
        for (int r = 0; r < d.list()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < d.list()->columnCount(); ++c) cells << d.list()->item(r, c)->text();
            out << cells.join('|');
        }
        return out;
    }

    LabelProductFolders folders;
    std::unique_ptr<xbase::Table> stocks;
};

TEST_F(ProductDialogTest, ListsSearchesAndCountsTheProducts) {
    const LabelProductCatalog catalog = LabelProductCatalog::fromFolders(folders);
    FindLabelProductsDialog dialog(catalog);
    EXPECT_EQ(dialog.windowTitle(), "Find More Products");
    EXPECT_EQ(dialog.helpTopic(), HelpTopic::FindLabelProducts);
    QStringList headers;
    for (int c = 0; c < dialog.list()->columnCount(); ++c)
        headers << dialog.list()->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers, QStringList({"Brand", "Product", "Description", "Label Size in.",
                                    "Across x Down", "Paper"}));
    EXPECT_EQ(rows(dialog), QStringList({"Acme|100|Address Labels|2.63 x 1.00|3 x 10|US Letter",
                                         "Acme|200|Mailing|2.50 x 1.50|3 x 7|A4"}));
    EXPECT_EQ(dialog.countLabel()->text(),
              "Products shown: 2. Products of the files left out: 1 (their labels are not "
              "rectangles in one grid that a label definition can hold).");
    EXPECT_EQ(dialog.chosen(), nullptr);
    EXPECT_FALSE(dialog.okButton()->isEnabled());

    dialog.searchBox()->setText("MAIL a4");
    EXPECT_EQ(rows(dialog), QStringList{"Acme|200|Mailing|2.50 x 1.50|3 x 7|A4"});
    EXPECT_EQ(dialog.countLabel()->text().left(18), "Products shown: 1.");
    dialog.list()->selectRow(0);
    ASSERT_NE(dialog.chosen(), nullptr);
    EXPECT_EQ(dialog.chosen()->name(), "Acme 200");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.setSearch("nothing like it");
    EXPECT_EQ(dialog.list()->rowCount(), 0);
    EXPECT_EQ(dialog.chosen(), nullptr);
}

TEST_F(ProductDialogTest, WithoutTemplateFilesTheWindowSaysWhereToGetThem) {
    const LabelProductCatalog catalog =
        LabelProductCatalog::fromFolders({path("nowhere"), {path("nowhere either")}});
    FindLabelProductsDialog dialog(catalog);
    EXPECT_EQ(dialog.list()->rowCount(), 0);
    EXPECT_EQ(dialog.countLabel()->text(),
              "No label template files were found. Install the glabels-data package, or import "
              "a template file.");
}

// The finder as the user answers it: searches, chooses the first row and presses OK.
auto chooseFirst(const QString& search, QStringList* seen = nullptr) {
    return [search, seen](FindLabelProductsDialog& finder) {
        finder.setSearch(search);
        if (seen) *seen << finder.windowTitle();
        finder.list()->selectRow(0);
        finder.okButton()->click();
        return finder.result() == QDialog::Accepted && finder.chosen() != nullptr;
    };
}

TEST_F(ProductDialogTest, FindAddsTheChosenProductOnceAndChoosesIt) {
    SelectLabelStockDialog dialog(*stocks, "", "DM");
    dialog.productFolders = folders;
    QStringList seen;
    dialog.runFinder = chooseFirst("acme 100", &seen);
    const std::uint32_t before = stocks->recordCount();

    QPushButton* find = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Find More Products…") find = b;
    ASSERT_NE(find, nullptr);
    find->click();
    EXPECT_EQ(seen, QStringList{"Find More Products"});
    EXPECT_TRUE(dialog.laserButton()->isChecked());
    EXPECT_EQ(stocks->recordCount(), before + 1);
    EXPECT_EQ(currentName(), "Acme 100 Address Labels");
    EXPECT_EQ(stocks->recNo(), before + 1);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.model()->index(dialog.currentRow(), 0).data().toString(),
              "Acme 100 Address Labels");

    dialog.selectRow(0);
    find->click();
    EXPECT_EQ(stocks->recordCount(), before + 1);
    EXPECT_EQ(stocks->recNo(), before + 1);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(ProductDialogTest, ImportReadsThePickedFileOrTellsWhyNot) {
    write("picked.xml", R"(<Glabels-templates>
  <Template brand="Acme" part="200-B" equiv="200"/>
</Glabels-templates>)");
    write("broken.xml", "<Glabels-templates><Template>\n</Glabels-templates>");
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope(chooser);
    SelectLabelStockDialog dialog(*stocks, "", "LJ");
    dialog.productFolders = folders;
    dialog.runFinder = chooseFirst("");
    QPushButton* import = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Import Label Products…") import = b;
    ASSERT_NE(import, nullptr);

    chooser.answer(path("picked.xml"));
    import->click();
    ASSERT_EQ(chooser.requests().size(), 1u);
    EXPECT_EQ(chooser.requests()[0].caption, "Import Label Products");
    EXPECT_EQ(chooser.requests()[0].filter, "Label Template Files|*.xml *.template");
    EXPECT_EQ(currentName(), "Acme 200-B Mailing");
    EXPECT_EQ(readLabelDefinition(*stocks).paperSize, "A4");

    const std::uint32_t count = stocks->recordCount();
    chooser.answer(path("broken.xml"));
    import->click();
    EXPECT_EQ(messages.texts(),
              QStringList{path("broken.xml") + ", line 2: Opening and ending tag mismatch."});
    chooser.answer(std::nullopt);
    import->click();
    EXPECT_EQ(stocks->recordCount(), count);
    EXPECT_EQ(currentName(), "Acme 200-B Mailing");
}

}  // namespace
}  // namespace rp
