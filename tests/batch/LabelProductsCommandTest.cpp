// "label-products" and "add-label-product" run as processes with a home and configuration
// folder of their own, so that the user's template files are the test's.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "data/FieldText.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

struct ProductRun {
    int status = -1;
    QString out, err;
};

class LabelProductsCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const QDir root(QString::fromStdString(dir.path()));
        ASSERT_TRUE(root.mkpath("config/libglabels/templates"));
        ASSERT_TRUE(root.mkpath("data"));
        QFile file(root.filePath("config/libglabels/templates/mine.template"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Testbrand" part="T1" size="US-Letter" description="Party Labels">
    <Label-rectangle id="0" width="2in" height="1in">
      <Layout nx="4" ny="10" x0="0.25in" y0="0.5in" dx="2in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Testbrand" part="T2" size="US-Letter" description="Round">
    <Label-round id="0" radius="1in"><Layout nx="3" ny="4" x0="0" y0="0" dx="2in" dy="2in"/></Label-round>
  </Template>
</Glabels-templates>)");
    }

    ProductRun batch(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(dir.path()));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.file("config")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(RAVENPOST_BATCH_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    QString home() const { return QString::fromStdString(dir.file("data")); }

    TempDir dir;
};

TEST_F(LabelProductsCommandTest, ListsTheProductsASearchFinds) {
    const ProductRun run = batch({"label-products", "--search", "testbrand"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Testbrand T1\tParty Labels\t2.000 x 1.000 in\t4 x 10\tUS Letter\n");
    EXPECT_EQ(run.err.section('\n', 0, 0), "Products listed: 1.");
    EXPECT_TRUE(run.err.contains("Products of the files left out: ")) << run.err.toStdString();
}

TEST_F(LabelProductsCommandTest, AddsAProductOnceAndRefusesAnUnknownOne) {
    const QString stocks = home() + "/RVPLBLS.DBF";
    const ProductRun added = batch({"add-label-product", "testbrand  t1", "--home", home()});
    EXPECT_EQ(added.status, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "Testbrand T1 added to " + stocks + " as \"Testbrand T1 Party Labels\"\n");
    const ProductRun again = batch({"add-label-product", "Testbrand T1", "--home", home()});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out,
              "Testbrand T1 is already in " + stocks + " as \"Testbrand T1 Party Labels\"\n");

    const ProductRun unknown = batch({"add-label-product", "Testbrand T2", "--home", home()});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err,
              "ravenpost-batch add-label-product: no label product \"Testbrand T2\" in the label "
              "template files (label-products lists them)\n");

    xbase::Engine engine;
    auto table = engine.open(stocks.toStdString());
    table->goBottom();
    EXPECT_EQ(fromFieldBytes(table->text("USERDESC")).trimmed(), "Testbrand T1 Party Labels");
    EXPECT_EQ(table->number("NBRACROSS"), 4);
    EXPECT_EQ(table->number("LEFTMARG"), 0.25);
    EXPECT_EQ(table->logical("USERDEF"), true);
    EXPECT_EQ(table->recordCount(), 141u);
}

}  // namespace
}  // namespace rp
