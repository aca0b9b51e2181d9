#include "ExamRules.h"
#include "Database.h"
#include "ExamRecords.h"
#include "JetFunctions.h"
#include "Mod.h"
#include "TestBank.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(ExamRules, NinetyOfAHundredPasses) {
    EXPECT_EQ(ExamRules::kQuestionCount, 100);
    EXPECT_EQ(ExamRules::kSeconds, 2700);
    EXPECT_FALSE(ExamRules::IsPass(89));
    EXPECT_TRUE(ExamRules::IsPass(90));
}

TEST(ExamRecords, PruningDropsScoresOfMoreThanSevenDaysAgo) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 2, false)));
    Mod::SetProgramFolder(bank.programFolder());
    ASSERT_TRUE(Mod::OpenStore(Mod::db));
    const QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
    JetFunctions::setClock([now] { return now; });
    for (int days : {8, 7, 0}) {
        Mod::db.execute(QStringLiteral("insert into record(num,recordtime) values(%1,#%2#)")
                            .arg(days)
                            .arg(now.addDays(-days).toString("yyyy-MM-dd HH:mm:ss")));
    }
    ExamRecords::PruneOld();
    Recordset rs = Mod::db.openRecordset("select num from record order by num");
    QList<int> left;
    for (; !rs.eof(); rs.moveNext())
        left << rs.field(0).toInt();
    EXPECT_EQ(left, QList<int>({0, 7}));
    JetFunctions::setClock({});
    Mod::db.close();
    Mod::SetProgramFolder(QString());
}

#include "AnswerSheet.h"
#include "ExamPaper.h"
#include "QuestionSet.h"
#include "StoreError.h"

#include <QSet>
#include <random>

namespace {

// A sheet without a window, enough for a paper.
class CountingSheet : public AnswerSheet {
public:
    int Rows() const override { return rows; }
    void setRows(int r) override { rows = r; }
    int Row() const override { return row; }
    void setRow(int r) override { row = r; }
    int Col() const override { return col; }
    void setCol(int c) override { col = c; }
    void setText(const QString&) override { ++texts; }
    void setRedraw(bool on) override { redraw = on; }
    void setForeColor(std::uint32_t) override {}
    void setGridColor(std::uint32_t) override {}
    int rows = 0, row = 0, col = 0, texts = 0;
    bool redraw = true;
};

class ExamBank : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions = TestBank::questions(1, 50, false, "ABC");
        questions += TestBank::questions(1001, 110, true, "ABC");
        questions += TestBank::questions(2001, 20, false, "A");
        questions += TestBank::questions(3001, 30, true, "A");
        ASSERT_TRUE(bank.write(questions));
        Mod::SetProgramFolder(bank.programFolder());
        ASSERT_TRUE(Mod::OpenStore(Mod::db));
    }
    void TearDown() override {
        JetFunctions::setClock({});
        Mod::db.close();
        Mod::SetProgramFolder(QString());
    }
    TestBank bank;
};

} // namespace

TEST_F(ExamBank, APaperHolds40TrueFalseThen60ChoiceQuestionsNoneTwice) {
    QuestionSet qs;
    CountingSheet sheet;
    qs.rightCount = 5;
    ExamPaper::InitExam(qs, "A", sheet);
    ASSERT_EQ(qs.paperCount, 100);
    ASSERT_EQ(qs.papers.size(), 101u);
    QSet<qint32> ids;
    for (int k = 1; k <= 100; ++k) {
        const PaperRecord& q = qs.papers[size_t(k)];
        EXPECT_EQ(q.bChoice, k > 40) << k;
        EXPECT_EQ(q.userAnswer, -1);
        EXPECT_TRUE(q.bFirst);
        ids.insert(q.id);
    }
    EXPECT_EQ(ids.size(), 100);
    EXPECT_EQ(sheet.rows, 10);
    EXPECT_EQ(sheet.texts, 100);
    EXPECT_FALSE(sheet.redraw); // the window switches it on once question 1 shows
    EXPECT_EQ(qs.rightCount, 0);

    QuestionSet again;
    ExamPaper::InitExam(again, "A", sheet);
    bool differs = false;
    for (int k = 1; k <= 100; ++k)
        differs |= again.papers[size_t(k)].id != qs.papers[size_t(k)].id;
    EXPECT_TRUE(differs);
}

TEST_F(ExamBank, AnEmptyCodeDrawsFromTheWholeBankAndAShortBankIsRefused) {
    QuestionSet qs;
    CountingSheet sheet;
    bool fromA = false;
    for (int i = 0; i < 20 && !fromA; ++i) {
        ExamPaper::InitExam(qs, "", sheet);
        for (int k = 1; k <= 100; ++k)
            fromA |= qs.papers[size_t(k)].id > 2000;
    }
    EXPECT_TRUE(fromA);

    Mod::db.execute("delete from paper where id>1095 and id<2000"); // 95 单选 left for C
    qs.paperCount = 7;
    try {
        ExamPaper::InitExam(qs, "C", sheet);
        FAIL() << "composed a paper from 95 单选";
    } catch (const ExamPaper::Shortage& s) {
        EXPECT_EQ(s.trueFalse, 50);
        EXPECT_EQ(s.choice, 95);
        EXPECT_TRUE(s.Message().contains("判断题 50 道、单选题 95 道"))
            << s.Message().toStdString();
        EXPECT_TRUE(s.Message().contains("判断题 40 道、单选题 100 道"))
            << s.Message().toStdString();
    }
    EXPECT_EQ(qs.paperCount, 7); // nothing changed
}

TEST(ExamPaperDraw, EveryPositionOfAGroupIsAboutEquallyLikelyForAQuestion) {
    // 60 判断 and 120 单选 rows; where do the last rows of the bank land?
    auto rows = [](int first, int n, int type) {
        const QStringList names = {"id",  "type", "question",   "an1",     "an2",
                                   "an3", "an4",  "answertrue", "ImageUrl"};
        std::vector<QVariant> cells;
        for (int id = first; id < first + n; ++id)
            for (const QVariant& v : QVariantList{qlonglong(id), qlonglong(type), "题", "甲", "乙",
                                                  "丙", "丁", 1LL, QVariant()})
                cells.push_back(v);
        return Recordset(names, cells);
    };
    QuestionSet qs;
    std::mt19937 engine(11);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    qs.setUniform([&] { return uniform(engine); });
    CountingSheet sheet;
    constexpr int kPapers = 3000;
    std::vector<int> lastTrueFalse(101), lastChoice(101);
    int inPaper = 0;
    for (int i = 0; i < kPapers; ++i) {
        Recordset tf = rows(1, 60, 2), mc = rows(1001, 120, 1);
        ExamPaper::Compose(qs, tf, mc, sheet);
        for (int k = 1; k <= 100; ++k) {
            if (qs.papers[size_t(k)].id == 60)
                ++lastTrueFalse[size_t(k)], ++inPaper;
            if (qs.papers[size_t(k)].id == 1120)
                ++lastChoice[size_t(k)];
        }
    }
    // In two papers of three; then 1/60 of the papers at each of 1..40.
    EXPECT_NEAR(inPaper / double(kPapers), 40.0 / 60, 0.04);
    // The position generator is a coarse one and its draws hang together,
    // so single positions scatter more than independent draws would; none
    // is far off, and neither group leans to its low or high end.
    auto check = [&](const std::vector<int>& at, int from, int to, double expected) {
        double sum = 0, weighted = 0;
        for (int k = from; k <= to; ++k) {
            EXPECT_GT(at[size_t(k)], 0.35 * expected) << k;
            EXPECT_LT(at[size_t(k)], 2.0 * expected) << k;
            sum += at[size_t(k)];
            weighted += at[size_t(k)] * k;
        }
        EXPECT_NEAR(weighted / sum, (from + to) / 2.0, (to - from) * 0.04);
    };
    check(lastTrueFalse, 1, 40, kPapers / 60.0);
    check(lastChoice, 41, 100, kPapers / 120.0);
}

TEST_F(ExamBank, ScoresAreStoredAndTheFiveMostRecentListedBestFirst) {
    const QDateTime now(QDate(2026, 12, 9), QTime(14, 3, 7));
    EXPECT_EQ(ExamRecords::StoreSql(92, now),
              "insert into record(num,recordtime) values(92,#2026-12-09 14:03:07#)");
    const int nums[] = {99, 70, 85, 91, 60, 88, 75}; // oldest first
    for (int i = 0; i < 7; ++i)
        ExamRecords::Store(nums[i], now.addSecs(-3600 * (7 - i)));
    const QList<ExamRecords::Score> latest = ExamRecords::Latest();
    QList<int> listed;
    for (const auto& s : latest)
        listed << s.num;
    EXPECT_EQ(listed, (QList<int>{91, 88, 85, 75, 60})); // 99 and 70 are older
    EXPECT_EQ(latest[0].recordtime, now.addSecs(-3600 * 4));
    ExamRecords::DeleteAll();
    EXPECT_TRUE(ExamRecords::Latest().isEmpty());
}

TEST_F(ExamBank, TheNoticeCountsTheVehicleTypesQuestions) {
    EXPECT_EQ(ExamRecords::QuestionCount("A"), 210);
    EXPECT_EQ(ExamRecords::QuestionCount("C"), 160);
    EXPECT_EQ(ExamRecords::QuestionCount(""), 210);
    EXPECT_EQ(ExamRules::Notice(800),
              "试题数量：100题。\r\n\r\n考试时间：45分钟\r\n\r\n考试内容：本软件中的所有试题，合计"
              "800题。\r\n\r\n组题方式: 按公安部规定的比例关系随机抽取、组合。\r\n\r\n合格标准："
              "满分为100分，成绩达到90分的为合格。");
    EXPECT_EQ(ExamRules::ScoreLine(92), "考试得分: 92分");
    EXPECT_EQ(ExamRules::PassLine(89), "您没有过关，希望您继续努力！");
    EXPECT_EQ(ExamRules::PassLine(90), "恭喜您过关！希望您再接再厉！");
}
