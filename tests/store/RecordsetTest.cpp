#include "Recordset.h"
#include "StoreError.h"

#include <gtest/gtest.h>

namespace {

Recordset threeRows() {
    return Recordset({"id", "Name"}, {1LL, "a", 2LL, QVariant(), 3LL, "c"});
}

} // namespace

TEST(Recordset, CountCoversOnlyTheRowsReachedUntilTheLastIsVisited) {
    Recordset rs = threeRows();
    EXPECT_EQ(rs.recordCount(), 1);
    rs.moveNext();
    EXPECT_EQ(rs.recordCount(), 2);
    rs.moveLast();
    EXPECT_EQ(rs.recordCount(), 3);
    rs.moveFirst();
    EXPECT_EQ(rs.field(0).toInt(), 1);
    EXPECT_EQ(rs.recordCount(), 3);
}

TEST(Recordset, FieldsByNameIgnoreCaseAndNullReadsAsInvalid) {
    Recordset rs = threeRows();
    EXPECT_EQ(rs.field("ID").toInt(), 1);
    EXPECT_EQ(rs.field("name").toString(), "a");
    rs.moveNext();
    EXPECT_TRUE(rs.isNull("Name"));
    EXPECT_THROW(rs.field("missing"), StoreError);
    EXPECT_THROW(rs.field(2), StoreError);
}

TEST(Recordset, EndOfFileAndEmptyResults) {
    Recordset rs = threeRows();
    rs.moveLast();
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.field(0), StoreError);
    EXPECT_THROW(rs.moveNext(), StoreError);

    Recordset empty({"id"}, {});
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.moveLast(), StoreError);
    EXPECT_THROW(empty.field(0), StoreError);
}
