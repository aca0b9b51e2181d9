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

TEST(Recordset, TextAndWholeNumbersReadEveryKindOfCell) {
    Recordset rs({"n", "t", "d", "nul", "digits"}, {42LL, "题目 ü", 2.5, QVariant(), "7"});
    EXPECT_EQ(rs.text(0), "42");
    EXPECT_EQ(rs.text(1), "题目 ü");
    EXPECT_EQ(rs.text(2), "2.5");
    EXPECT_EQ(rs.text(3), QString());
    EXPECT_EQ(rs.integer(0), 42);
    EXPECT_EQ(rs.integer(3), 0);
    EXPECT_EQ(rs.integer(4), 7); // a number stored as text
    EXPECT_EQ(rs.integer(1), 0);
    EXPECT_THROW(rs.text(5), StoreError);
    rs.moveNext();
    EXPECT_THROW(rs.integer(0), StoreError); // past the last row
}
