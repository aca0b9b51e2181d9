// The rules that decide what the window shows, without any window.
#include "Mod.h"
#include "PaperRecord.h"
#include "PaperText.h"
#include "PlainSheet.h"
#include "PracticeSettings.h"
#include "ProgressText.h"
#include "QuestionSet.h"
#include "SheetLook.h"
#include "StoreError.h"
#include "TestBank.h"
#include "WindowColors.h"

#include <gtest/gtest.h>

namespace {

PaperRecord choice() {
    PaperRecord q;
    q.bChoice = true;
    q.question = QStringLiteral("题干");
    q.an1 = "甲";
    q.an2 = "乙";
    q.an3 = "";
    q.an4 = "丁";
    q.answerIndex = 2;
    q.userAnswer = -1;
    return q;
}

PaperRecord trueFalse(qint16 answer) {
    PaperRecord q;
    q.bChoice = false;
    q.answerIndex = answer;
    q.userAnswer = -1;
    return q;
}

} // namespace

TEST(PaperText, AQuestionsLineOptionsAndAnswers) {
    PaperRecord q = choice();
    EXPECT_EQ(PaperText::QuestionLine(7, q), "7. 题干");
    // A Null option shows as its letter alone; the platform's line breaks.
    EXPECT_EQ(PaperText::Options(q), "A. 甲\r\n\r\nB. 乙\r\n\r\nC. \r\n\r\nD. 丁\r\n");
    EXPECT_EQ(PaperText::UserAnswer(q), "__");
    q.userAnswer = 3;
    EXPECT_EQ(PaperText::UserAnswer(q), "_D_");
    EXPECT_EQ(PaperText::Result(q), "C");

    PaperRecord tf = trueFalse(1);
    EXPECT_EQ(PaperText::Options(tf), "");
    EXPECT_EQ(PaperText::Result(tf), "错");
    tf.userAnswer = 1;
    EXPECT_EQ(PaperText::UserAnswer(tf), "_错_");
    tf.userAnswer = 0;
    EXPECT_EQ(PaperText::UserAnswer(tf), "_对_");
    EXPECT_EQ(PaperText::Result(trueFalse(0)), "对");
}

TEST(PaperText, TheTitleNamesTheModeTheCountAndTheVehicleType) {
    EXPECT_EQ(PaperText::Position("顺序练习", 1234, PracticeSettings::kCarItems[0]),
              "顺序练习(共计1234题)--小车版");
    EXPECT_EQ(PaperText::Position("随机练习", 0, QString()), "随机练习(共计0题)--");
}

TEST(ProgressText, RatesCountFirstAnswersAndTheBarGrowsWithThem) {
    EXPECT_EQ(ProgressText::Rate(Mode::Sequential, 0, 0), "首正率 0.00%");
    EXPECT_EQ(ProgressText::Rate(Mode::Exam, 0, 0), "正确率 0.00%");
    EXPECT_EQ(ProgressText::Rate(Mode::Random, 2, 1), "首正率 66.67%");
    EXPECT_EQ(ProgressText::RightOfAnswered(0, 0), "正确/答题 0/0");
    EXPECT_EQ(ProgressText::RightOfAnswered(2, 1), "正确/答题 2/3");
    EXPECT_EQ(ProgressText::BarWidth(2, 1, 0, 278), 0);
    EXPECT_EQ(ProgressText::BarWidth(0, 0, 10, 278), 0);
    EXPECT_EQ(ProgressText::BarWidth(1, 0, 4, 278), 70);  // 69.5: the tie goes to the even 70
    EXPECT_EQ(ProgressText::BarWidth(3, 0, 4, 278), 208); // 208.5: to the even 208
    EXPECT_EQ(ProgressText::BarWidth(5, 5, 10, 278), 278);
}

TEST(SheetLook, ACellLeftShowsWhetherAndHowItWasAnswered) {
    using namespace WindowColors;
    PaperRecord q = choice();
    SheetLook look = SheetLook::Left(q, false);
    EXPECT_EQ(look.back, kWindowBack);
    EXPECT_EQ(look.fore, kNavy);
    EXPECT_FALSE(look.strike);

    q.userAnswer = 2; // right
    look = SheetLook::Left(q, false);
    EXPECT_EQ(look.back, kLightYellow);
    EXPECT_EQ(look.fore, kNavy);
    EXPECT_FALSE(look.strike);

    q.userAnswer = 0; // wrong
    look = SheetLook::Left(q, false);
    EXPECT_EQ(look.back, kLightYellow);
    EXPECT_EQ(look.fore, kRed);
    EXPECT_TRUE(look.strike);
    EXPECT_TRUE(look.textChanges);

    // A running examination gives nothing away: answered cells only turn
    // light yellow.
    look = SheetLook::Left(q, true);
    EXPECT_EQ(look.back, kLightYellow);
    EXPECT_FALSE(look.textChanges);
}

TEST(PracticeSettings, VehicleCodesAndTheirListPlaces) {
    EXPECT_EQ(PracticeSettings::CarIndex("C"), 0);
    EXPECT_EQ(PracticeSettings::CarIndex("B"), 1);
    EXPECT_EQ(PracticeSettings::CarIndex("A"), 2);
    EXPECT_EQ(PracticeSettings::CarIndex("D"), -1);
    EXPECT_EQ(PracticeSettings::CarIndex(""), -1);
}

namespace {

class Bank : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions = TestBank::questions(1, 12, false, "ABC");
        questions += TestBank::questions(101, 5, true, "AB");
        ASSERT_TRUE(bank.write(questions));
        Mod::SetProgramFolder(bank.programFolder());
        ASSERT_TRUE(Mod::OpenStore(Mod::db));
    }
    void TearDown() override {
        Mod::db.close();
        Mod::SetProgramFolder(QString());
    }
    TestBank bank;
};

} // namespace

TEST_F(Bank, SettingsAreWrittenAndReadBackAndANonNumberIsRefused) {
    PracticeSettings::WriteLastSeq(37);
    PracticeSettings::WriteCarType("B");
    EXPECT_EQ(PracticeSettings::ReadLastSeq(), 37);
    EXPECT_EQ(PracticeSettings::ReadCarType(), "B");
    Mod::SetParam(PracticeSettings::kLastSeqKey, "三十七");
    EXPECT_THROW(PracticeSettings::ReadLastSeq(), StoreError);
}

TEST_F(Bank, APracticeLoadFiltersByVehicleAndStartsCountingAfresh) {
    QuestionSet qs;
    PlainSheet sheet;
    qs.rightCount = 4;
    qs.wrongCount = 2;
    qs.LoadPractice("C", "", false, false, sheet);
    EXPECT_EQ(qs.paperCount, 12);
    EXPECT_EQ(sheet.Rows(), 2);
    EXPECT_EQ(qs.rightCount, 0);
    EXPECT_EQ(qs.wrongCount, 0);
    qs.LoadPractice("A", "", true, false, sheet);
    EXPECT_EQ(qs.paperCount, 17);
}

TEST_F(Bank, ALoadThatFailsLeavesAnEmptySetAndSheet) {
    QuestionSet qs;
    PlainSheet sheet;
    qs.LoadPractice("", "", false, false, sheet);
    ASSERT_EQ(qs.paperCount, 17);
    qs.rightCount = 3;
    sheet.setRedraw(false);
    Mod::db.close();
    EXPECT_THROW(qs.LoadPractice("", "", false, false, sheet), StoreError);
    EXPECT_EQ(qs.paperCount, 0);
    EXPECT_EQ(qs.papers.size(), 1u);
    EXPECT_EQ(qs.rightCount, 0);
    EXPECT_EQ(sheet.Rows(), 0);
    EXPECT_TRUE(sheet.Redraw());
}
