#include "QuestionSet.h"
#include "PlainSheet.h"
#include "Recordset.h"

#include <QSet>
#include <gtest/gtest.h>
#include <random>

namespace {

// A result of `n` rows of table paper with ids 1..n; odd ids are 判断.
Recordset bankRows(int n) {
    const QStringList names = {"id",   "type",    "question",   "an1",      "an2",
                               "an3",  "an4",     "answertrue", "ImageUrl", "licensetype",
                               "chap", "strtype", "errpaper"};
    std::vector<QVariant> cells;
    for (int id = 1; id <= n; ++id) {
        const bool choice = id % 2 == 0;
        for (const QVariant& v : QVariantList{
                 qlonglong(id), choice ? 1LL : 2LL, QString("题%1").arg(id),
                 choice ? QVariant("甲") : QVariant(), choice ? QVariant("乙") : QVariant(),
                 choice ? QVariant("丙") : QVariant(), choice ? QVariant("丁") : QVariant(), 1LL,
                 QVariant(), "ABC", "第一章", "类型", 0LL})
            cells.push_back(v);
    }
    return Recordset(names, cells);
}

} // namespace

TEST(Rand16, FollowsTheSquareStepWithTiesToEven) {
    QuestionSet qs;
    float r = 0.9f;
    qs.setUniform([&] { return r; });
    EXPECT_EQ(qs.Rand16(), 1); // 0 + 0.9 rounds to 1
    EXPECT_EQ(qs.Rand16(), 2); // 1 + 0 + 0.9
    EXPECT_EQ(qs.Rand16(), 5); // 4 + 0 + 0.9
    r = 0.5f;
    EXPECT_EQ(qs.Rand16(), 26);  // 25 + 0 + 0.5: the tie goes to the even 26
    EXPECT_EQ(qs.Rand16(), 678); // 676 + 2 + 0.5: the tie stays on the even 678
    r = 0.2f;
    qs.seed = 32767; // 32767^2 + 2520 = 1073678809, mod 32768
    EXPECT_EQ(qs.Rand16(), int((32767LL * 32767 + 32767 / 13) % 32768));
}

TEST(Rand16, StartsAtZeroOrOneAndIsNeverNegative) {
    QuestionSet first;
    const qint32 v = first.Rand16();
    EXPECT_TRUE(v == 0 || v == 1);

    QuestionSet qs;
    std::mt19937 engine(7);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    qs.setUniform([&] { return uniform(engine); });
    for (int i = 0; i < 200000; ++i) {
        const qint32 value = qs.Rand16();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST(RandPaper, FindsOnlyFreePositionsInsideTheBounds) {
    QuestionSet qs;
    qs.paperCount = 20;
    qs.papers.assign(21, PaperRecord());
    for (int i = 1; i <= 20; ++i)
        qs.papers[size_t(i)].userAnswer = i == 13 ? 0 : -1;
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(qs.RandPaper(1), 13);
    EXPECT_EQ(qs.RandPaper(14, 20), 0); // nothing free there: no endless loop
}

class RandomLoad : public ::testing::TestWithParam<int> {};

TEST_P(RandomLoad, PlacesEveryRowExactlyOnce) {
    const int n = GetParam();
    PlainSheet dg;
    QuestionSet qs;
    Recordset rs = bankRows(n);
    qs.Load(rs, true, dg);
    ASSERT_EQ(qs.paperCount, n);
    QSet<qint32> ids;
    for (int k = 1; k <= n; ++k) {
        ASSERT_EQ(qs.papers[size_t(k)].userAnswer, -1) << "position " << k << " left empty";
        ids.insert(qs.papers[size_t(k)].id);
    }
    EXPECT_EQ(ids.size(), n);
    EXPECT_EQ(dg.TextMatrix((n - 1) / 10, (n - 1) % 10), QString::number(n));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RandomLoad, ::testing::Values(1, 2, 37, 4223, 10000));

TEST(RandomLoad, EndsEvenWhenTheDrawNeverChanges) {
    // r stuck at 0 keeps the generator at 0, which is never a free position.
    PlainSheet dg;
    QuestionSet qs;
    qs.setUniform([] { return 0.0f; });
    Recordset rs = bankRows(500);
    qs.Load(rs, true, dg);
    QSet<qint32> ids;
    for (int k = 1; k <= 500; ++k)
        ids.insert(qs.papers[size_t(k)].id);
    EXPECT_EQ(ids.size(), 500);
}

TEST(RandomLoad, ArrangesTheSetDifferentlyFromBankOrder) {
    PlainSheet dg;
    QuestionSet qs;
    Recordset rs = bankRows(200);
    qs.Load(rs, true, dg);
    int inPlace = 0;
    for (int k = 1; k <= 200; ++k)
        inPlace += qs.papers[size_t(k)].id == k;
    EXPECT_LT(inPlace, 20);
}

TEST(BankOrderLoad, KeepsBankOrderAndNumbersTheCells) {
    PlainSheet dg;
    QuestionSet qs;
    Recordset rs = bankRows(11);
    qs.Load(rs, false, dg);
    EXPECT_EQ(qs.paperCount, 11);
    EXPECT_EQ(dg.Rows(), 2);
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(qs.papers[size_t(k)].id, k);
        EXPECT_EQ(dg.TextMatrix((k - 1) / 10, (k - 1) % 10), QString::number(k));
    }
    for (int c = 1; c < 10; ++c)
        EXPECT_EQ(dg.TextMatrix(1, c), ""); // cells 12..20
    EXPECT_FALSE(qs.papers[1].bChoice);
    EXPECT_TRUE(qs.papers[2].bChoice);
    EXPECT_EQ(dg.ForeColor(), 0x800000u);
    EXPECT_EQ(dg.GridColor(), 0x8000000Fu);
}

TEST(BankOrderLoad, GridRowsFollowTheSize) {
    for (auto [n, rows] : {std::pair{0, 0}, std::pair{10, 1}, std::pair{11, 2}, std::pair{20, 2}}) {
        PlainSheet dg;
        QuestionSet qs;
        Recordset rs = bankRows(n);
        qs.Load(rs, false, dg);
        EXPECT_EQ(qs.paperCount, n);
        EXPECT_EQ(dg.Rows(), rows) << n << " questions";
        EXPECT_EQ(qs.papers.size(), size_t(n) + 1);
    }
}

TEST(BankOrderLoad, ANewLoadReplacesEverythingButTheSeed) {
    PlainSheet dg;
    QuestionSet qs;
    Recordset big = bankRows(25);
    qs.Load(big, true, dg);
    const qint32 seed = qs.seed;
    Recordset small = bankRows(3);
    qs.Load(small, false, dg);
    EXPECT_EQ(qs.paperCount, 3);
    EXPECT_EQ(dg.Rows(), 1);
    EXPECT_EQ(dg.TextMatrix(0, 3), "");
    EXPECT_EQ(qs.seed, seed);
}

TEST(CurrentPaper, MapsPositionsToCellsAndBack) {
    PlainSheet dg;
    QuestionSet qs;
    Recordset rs = bankRows(15);
    qs.Load(rs, false, dg);
    qs.SetCurPaper(dg, 11);
    EXPECT_EQ(dg.Row(), 1);
    EXPECT_EQ(dg.Col(), 0);
    EXPECT_EQ(qs.GetCurPaper(dg), 11);

    qs.SetCurPaper(dg, 0);
    qs.SetCurPaper(dg, 16);
    EXPECT_EQ(qs.GetCurPaper(dg), 11); // outside the set: nothing moves

    dg.setCol(7); // cell of question 18, beyond the set
    EXPECT_EQ(qs.GetCurPaper(dg), 0);

    QuestionSet empty;
    PlainSheet none;
    EXPECT_EQ(empty.GetCurPaper(none), 0);
}
