// The program's readers and writers of label stocks and label setups against the delivered
// files: every row read and written back leaves the table's bytes as they were.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelSetup.h"
#include "support/TableBytes.h"
#include "xbase/Table.h"

namespace rp {
namespace {

TEST_F(LabelSideTest, EveryDeliveredRowWrittenBackKeepsItsBytes) {
    {
        auto stocks = open("RVPLBLS.DBF");
        stocks->setOrder(0);
        for (std::uint32_t r = 1; r <= stocks->recordCount(); ++r) {
            stocks->go(r);
            ASSERT_TRUE(writeLabelDefinition(*stocks, readLabelDefinition(*stocks))) << r;
        }
        auto setups = open("RVPLSU.DBF");
        setups->setOrder(0);
        for (std::uint32_t r = 1; r <= setups->recordCount(); ++r) {
            setups->go(r);
            ASSERT_TRUE(writeLabelSetup(*setups, readLabelSetup(*setups))) << r;
        }
    }
    for (const char* name : {"RVPLBLS.DBF", "RVPLSU.DBF"})
        EXPECT_EQ(tableBytesWithoutDateAndCounter(path(name)),
                  tableBytesWithoutDateAndCounter(deliveredPath(name)))
            << name;
}

}  // namespace
}  // namespace rp
