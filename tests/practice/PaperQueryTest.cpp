#include "PaperQuery.h"
#include "PaperRecord.h"
#include "Recordset.h"
#include "StoreError.h"

#include <gtest/gtest.h>

using PaperQuery::InitPaperSql;

TEST(InitPaperSql, BuildsTheStatementOfEachMode) {
    EXPECT_EQ(InitPaperSql("C", "", false),
              "select * from paper  where licensetype like '*C*' order by id");
    EXPECT_EQ(InitPaperSql("", "", false), "select * from paper  order by id");
    EXPECT_EQ(
        InitPaperSql("B", "交通标志", false),
        "select * from paper  where licensetype like '*B*' and  strtype='交通标志' order by id");
    EXPECT_EQ(InitPaperSql("A", "", true),
              "select * from paper  where licensetype like '*A*' and  errpaper=true order by id");
    EXPECT_EQ(InitPaperSql("C", "道路通行规定", true),
              "select * from paper  where licensetype like '*C*' and  strtype='道路通行规定' and  "
              "errpaper=true order by id");
}

TEST(InitPaperSql, AllTypesIsTheSameAsNoTypeAndTheBookAloneKeepsItsBlank) {
    EXPECT_EQ(InitPaperSql("C", "所有试题", false), InitPaperSql("C", "", false));
    EXPECT_EQ(InitPaperSql("", "", true), "select * from paper  where  errpaper=true order by id");
    EXPECT_EQ(InitPaperSql("", "类型", false),
              "select * from paper  where  strtype='类型' order by id");
}

TEST(InitPaperSql, QuotesInValuesAreDoubled) {
    EXPECT_EQ(
        InitPaperSql("C'", "it's", false),
        "select * from paper  where licensetype like '*C''*' and  strtype='it''s' order by id");
}

namespace {

Recordset paperRow(const QVariantList& values) {
    const QStringList names = {"id",   "type",    "question",   "an1",      "an2",
                               "an3",  "an4",     "answertrue", "ImageUrl", "licensetype",
                               "chap", "strtype", "errpaper"};
    std::vector<QVariant> cells(values.begin(), values.end());
    return Recordset(names, cells);
}

} // namespace

TEST(RecordPaper, CopiesARowIntoAFreshUnansweredRecord) {
    PaperRecord r;
    r.userAnswer = 3;
    r.bFirst = false;
    PaperQuery::RecordPaper(r, paperRow({7LL, 1LL, "题干", "甲", "乙", QVariant(), "丁", 3LL,
                                         "sign.png", "ABC", "第一章", "类型", 0LL}));
    EXPECT_EQ(r.id, 7);
    EXPECT_TRUE(r.bChoice);
    EXPECT_EQ(r.question, "题干");
    EXPECT_EQ(r.an3, ""); // Null option
    EXPECT_EQ(r.an4, "丁");
    EXPECT_EQ(r.answerIndex, 2);
    EXPECT_EQ(r.ImageUrl, "sign.png");
    EXPECT_EQ(r.userAnswer, -1);
    EXPECT_TRUE(r.bFirst);
}

TEST(RecordPaper, TrueFalseAndOtherTypes) {
    PaperRecord r;
    PaperQuery::RecordPaper(r, paperRow({8LL, 2LL, "判断", QVariant(), QVariant(), QVariant(),
                                         QVariant(), 2LL, QVariant(), "C", "第一章", "类型", 0LL}));
    EXPECT_FALSE(r.bChoice);
    EXPECT_EQ(r.answerIndex, 1); // 错
    EXPECT_EQ(r.ImageUrl, "");
    PaperQuery::RecordPaper(r, paperRow({9LL, 3LL, "其他", QVariant(), QVariant(), QVariant(),
                                         QVariant(), 1LL, QVariant(), "C", "第一章", "类型", 0LL}));
    EXPECT_FALSE(r.bChoice);
}

TEST(RecordPaper, ARowWithoutQuestionOrAnswerFails) {
    PaperRecord r;
    EXPECT_THROW(
        PaperQuery::RecordPaper(
            r,
            paperRow({1LL, 2LL, QVariant(), {}, {}, {}, {}, 1LL, {}, "C", "第一章", "类型", 0LL})),
        StoreError);
    EXPECT_THROW(
        PaperQuery::RecordPaper(
            r,
            paperRow({1LL, 2LL, "题", {}, {}, {}, {}, QVariant(), {}, "C", "第一章", "类型", 0LL})),
        StoreError);
}
