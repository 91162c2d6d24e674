// "labels --households": one label per household, the pieces saved on standard error.
#include <gtest/gtest.h>

#include "BatchFixture.h"

namespace rp {
namespace {

class HouseholdsCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"FNAME", "Ann"}, {"LNAME", "Young"}, {"STREET", "1 Elm St"}, {"ZIP", "83702"}});
        add({{"FNAME", "Bo"}, {"LNAME", "YOUNG"}, {"STREET", "1 ELM ST."}, {"ZIP", "83702-0001"}});
        add({{"FNAME", "Bob"}, {"LNAME", "Adams"}, {"STREET", "2 Oak Ave"}, {"ZIP", "89501"}});
        handOver();
        pdf = QString::fromStdString(dir.file("labels.pdf"));
    }

    BatchRun labels(bool households) {
        QStringList arguments{"labels",   file, "--setup", "Address labels, 30 per sheet",
                              "--output", pdf,  "--quiet"};
        if (households) arguments << "--households";
        return batch(arguments);
    }

    QString pdf;
};

TEST_F(HouseholdsCommandTest, OneLabelPerHouseholdAndThePiecesSaved) {
    const BatchRun plain = labels(false);
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_EQ(plain.err, "");
    const QString all = pdfText(pdf);
    EXPECT_TRUE(all.contains("Ann Young")) << all.toStdString();
    EXPECT_TRUE(all.contains("Bo YOUNG")) << all.toStdString();

    const BatchRun households = labels(true);
    ASSERT_EQ(households.status, 0) << households.err.toStdString();
    EXPECT_EQ(households.err, "Pieces saved by One per household: 1\n");
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("The Young Family")) << text.toStdString();
    EXPECT_TRUE(text.contains("Bob Adams")) << text.toStdString();
    EXPECT_FALSE(text.contains("Ann Young")) << text.toStdString();
    EXPECT_FALSE(text.contains("Bo YOUNG")) << text.toStdString();
}

}  // namespace
}  // namespace rp
