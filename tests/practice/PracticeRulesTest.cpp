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
#include "WrongBook.h"

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

    EXPECT_EQ(PaperText::Explanation(q), "");
    q.explain = "因为……";
    EXPECT_EQ(PaperText::Explanation(q), "解析：因为……");
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

namespace {

// A set of three questions: 1 判断 (对), 2 单选 (C), 3 判断 (错).
QuestionSet threeQuestions(Mode mode) {
    QuestionSet qs;
    qs.mode = mode;
    qs.paperCount = 3;
    qs.papers.assign(4, PaperRecord());
    const qint16 answers[] = {0, 0, 2, 1};
    for (qint32 k = 1; k <= 3; ++k) {
        PaperRecord& q = qs.papers[size_t(k)];
        q.id = 100 + k;
        q.bChoice = k == 2;
        q.answerIndex = answers[k];
        q.userAnswer = -1;
        q.bFirst = true;
    }
    return qs;
}

} // namespace

TEST(Answering, OnlyTheFirstAnswerCountsAndEveryWrongOneGoesIntoTheBook) {
    QuestionSet qs = threeQuestions(Mode::Random);
    AnswerStep step = qs.Answer(2, 1, true); // B: wrong
    EXPECT_TRUE(step.applied);
    EXPECT_FALSE(step.right);
    EXPECT_TRUE(step.showMark);
    EXPECT_EQ(step.book, AnswerStep::Book::Mark);
    EXPECT_EQ(step.id, 102);
    EXPECT_EQ(step.moveAfterMs, -1); // a wrong answer never moves on by itself
    EXPECT_EQ(qs.wrongCount, 1);
    EXPECT_EQ(qs.papers[2].userAnswer, 1);

    step = qs.Answer(2, 2, true); // C: right, second time
    EXPECT_TRUE(step.right);
    EXPECT_EQ(step.book, AnswerStep::Book::None);
    EXPECT_EQ(step.moveAfterMs, QuestionSet::kPracticeMoveMs);
    EXPECT_EQ(qs.rightCount, 0);
    EXPECT_EQ(qs.wrongCount, 1);
    EXPECT_EQ(qs.papers[2].userAnswer, 2);

    step = qs.Answer(2, 0, true); // wrong again: marked again, not counted
    EXPECT_EQ(step.book, AnswerStep::Book::Mark);
    EXPECT_EQ(qs.wrongCount, 1);

    step = qs.Answer(1, 0, false); // right, without moving on
    EXPECT_EQ(step.moveAfterMs, -1);
    EXPECT_EQ(qs.rightCount, 1);
}

TEST(Answering, NoCurrentQuestionChangesNothing) {
    QuestionSet qs = threeQuestions(Mode::Sequential);
    for (qint32 k : {0, 4, -1})
        EXPECT_FALSE(qs.Answer(k, 0, true).applied);
    EXPECT_EQ(qs.rightCount + qs.wrongCount, 0);
    EXPECT_EQ(qs.lastSeq, 0);
}

TEST(Answering, TheResumePointFollowsAnswersInSequentialPracticeOnly) {
    QuestionSet seq = threeQuestions(Mode::Sequential);
    seq.Answer(3, 0, false);
    EXPECT_EQ(seq.lastSeq, 3);
    seq.Answer(1, 1, false); // wrong answers too
    EXPECT_EQ(seq.lastSeq, 1);
    for (Mode m : {Mode::Random, Mode::Chapter, Mode::WrongBook, Mode::Exam}) {
        QuestionSet qs = threeQuestions(m);
        qs.lastSeq = 7;
        qs.Answer(2, 2, false);
        EXPECT_EQ(qs.lastSeq, 7);
    }
}

TEST(Answering, TheExaminationShowsNoMarkAndMovesOnAfterEveryAnswer) {
    QuestionSet qs = threeQuestions(Mode::Exam);
    AnswerStep step = qs.Answer(1, 0, false); // right
    EXPECT_FALSE(step.showMark);
    EXPECT_EQ(step.moveAfterMs, QuestionSet::kExamMoveMs);
    EXPECT_EQ(step.book, AnswerStep::Book::None);
    step = qs.Answer(2, 3, true); // wrong: still marked in the book at once
    EXPECT_FALSE(step.showMark);
    EXPECT_EQ(step.moveAfterMs, QuestionSet::kExamMoveMs);
    EXPECT_EQ(step.book, AnswerStep::Book::Mark);
}

TEST(Answering, ARightAnswerLeavesTheBookOnlyInWrongBookPracticeWithTheOption) {
    QuestionSet qs = threeQuestions(Mode::WrongBook);
    EXPECT_EQ(qs.Answer(3, 1, false).book, AnswerStep::Book::None);
    qs.bRemoveRight = true;
    const AnswerStep step = qs.Answer(3, 1, false);
    EXPECT_EQ(step.book, AnswerStep::Book::Unmark);
    EXPECT_EQ(step.id, 103);
    QuestionSet other = threeQuestions(Mode::Random);
    other.bRemoveRight = true;
    EXPECT_EQ(other.Answer(3, 1, false).book, AnswerStep::Book::None);
}

TEST_F(Bank, TheBookStatementsMarkAndUnmarkOneQuestion) {
    EXPECT_EQ(WrongBook::MarkSql(12), "update paper set errpaper=1 where [id]=12");
    EXPECT_EQ(WrongBook::UnmarkSql(12), "update paper set errpaper=0 where [id]=12");
    WrongBook::Mark(3);
    WrongBook::Mark(101);
    QuestionSet qs;
    PlainSheet sheet;
    qs.LoadPractice("", "", false, true, sheet);
    ASSERT_EQ(qs.paperCount, 2);
    EXPECT_EQ(qs.papers[1].id, 3);
    WrongBook::Unmark(3);
    qs.LoadPractice("", "", false, true, sheet);
    ASSERT_EQ(qs.paperCount, 1);
    EXPECT_EQ(qs.papers[1].id, 101);
}
