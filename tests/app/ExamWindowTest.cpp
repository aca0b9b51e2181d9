// The mock examination in the real main window: the notice, the count-down,
// the hand-in, the result and the three choices after it.
#include "AnswerGrid.h"
#include "Database.h"
#include "Mod.h"
#include "QuestionArea.h"
#include "StyleButton.h"
#include "TestBank.h"
#include "WindowColors.h"
#include "frmExam.h"
#include "frmMain.h"
#include "frmResult.h"

#include <sqlcipher/sqlite3.h>

#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace WindowColors;

namespace {

class ExamWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions = TestBank::questions(1, 45, false, "ABC");
        questions += TestBank::questions(1001, 105, true, "ABC");
        questions += TestBank::questions(5001, 10, true, "A");
        ASSERT_TRUE(bank.write(questions));
        w = std::make_unique<frmMain>(bank.programFolder());
        ASSERT_TRUE(w->Loaded());
        w->MsgBox = [this](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::Ok;
        };
        w->Wait = [](int) {};
    }
    void TearDown() override {
        w.reset();
        Mod::SetProgramFolder(QString());
    }
    // Starts the examination, pressing 开始考试 on the notice.
    void start() {
        QTimer::singleShot(0, [this] {
            notice = w->ExamDialog()->lblExam->text();
            w->ExamDialog()->cmdNext->Click();
        });
        w->cmdK_Click(5);
    }
    // The result dialog's next showing answers with `code`.
    void answerResult(int code) {
        QTimer::singleShot(0, [this, code] {
            frmResult* r = w->ResultDialog();
            scoreLine = r->Label1->text();
            passLine = r->Label2->text();
            listed.clear();
            for (int row = 0; row < r->dg->rowCount(); ++row)
                listed << (r->dg->item(row, 1) ? r->dg->item(row, 1)->text() : QString());
            if (code < 0)
                r->close();
            else
                r->cmd_Click(code);
        });
    }
    QString clock() const {
        return w->lblHour->text() + ":" + w->lblMinute->text() + ":" + w->lblSecond->text();
    }
    int records() { return Mod::db.openRecordset("select count(*) from record").field(0).toInt(); }
    // Answers question k right or wrong (the examination moves on by itself).
    void answer(int k, bool right) {
        w->dg_LeaveCell();
        w->SetCurPaper(k);
        w->dg_Click();
        const PaperRecord& q = w->qs.papers[size_t(k)];
        const qint16 a = right ? q.answerIndex : qint16(q.answerIndex == 0 ? 1 : 0);
        if (q.bChoice)
            w->cmdAn_Click(a);
        else
            w->cmdYN_Click(a);
    }
    TestBank bank;
    std::unique_ptr<frmMain> w;
    QStringList messages, listed;
    QString notice, scoreLine, passLine;
};

} // namespace

TEST_F(ExamWindow, TheNoticeCountsTheTypesQuestionsAndTheClockCountsDown) {
    start();
    EXPECT_TRUE(notice.contains("考试内容：本软件中的所有试题，合计150题。"))
        << notice.toStdString();
    EXPECT_EQ(w->qs.mode, Mode::Exam);
    EXPECT_EQ(w->qs.paperCount, 100);
    EXPECT_FALSE(w->cmdSubit->isHidden());
    EXPECT_TRUE(w->lblFirstOK->isHidden());
    EXPECT_EQ(w->clockSeconds, 2700);
    EXPECT_EQ(clock(), "00:00:00"); // not redrawn until the first tick
    EXPECT_TRUE(w->Timer1.isActive());
    w->Timer1_Timer();
    EXPECT_EQ(clock(), "00:44:59");
    for (int i = 1; i < 2700; ++i)
        w->Timer1_Timer();
    EXPECT_EQ(clock(), "00:00:00");
    EXPECT_EQ(records(), 0);
    answerResult(frmResult::Review);
    w->Timer1_Timer(); // time is up: handed in
    EXPECT_EQ(records(), 1);
    EXPECT_EQ(scoreLine, "考试得分: 0分");
    EXPECT_EQ(passLine, "您没有过关，希望您继续努力！");
    EXPECT_FALSE(w->Timer1.isActive());
}

TEST_F(ExamWindow, ARetakeAfterTheTimeIsUpStartsAfreshOnTheSamePaper) {
    start();
    answer(1, true);
    answer(2, false);
    QList<qint32> ids;
    for (int k = 1; k <= 100; ++k)
        ids << w->qs.papers[size_t(k)].id;
    w->clockSeconds = 0;
    answerResult(frmResult::Retake);
    w->Timer1_Timer();
    EXPECT_EQ(clock(), "00:45:00");
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_EQ(w->qs.rightCount + w->qs.wrongCount, 0);
    EXPECT_EQ(w->lblRE->text(), "正确/答题 0/0");
    for (int k = 1; k <= 100; ++k) {
        EXPECT_EQ(w->qs.papers[size_t(k)].id, ids[k - 1]);
        EXPECT_EQ(w->qs.papers[size_t(k)].userAnswer, -1);
    }
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) {
            if (r == 0 && c == 0)
                continue; // the current question
            EXPECT_EQ(w->dg->CellBackColorAt(r, c), kWindowBack);
            EXPECT_EQ(w->dg->CellForeColorAt(r, c), kNavy);
            EXPECT_FALSE(w->dg->CellStrikeAt(r, c));
        }
    EXPECT_EQ(w->GetCurPaper(), 1);
    w->Timer1_Timer();
    EXPECT_EQ(clock(), "00:44:59");
}

TEST_F(ExamWindow, TheReviewShowsWrongAnswersRedAndTheCorrectAnswers) {
    start();
    answer(3, false); // wrong: in the book at once
    EXPECT_EQ(Mod::db
                  .openRecordset(
                      QString("select errpaper from paper where id=%1").arg(w->qs.papers[3].id))
                  .field(0)
                  .toInt(),
              1);
    EXPECT_NE(w->dg->CellForeColorAt(0, 2), kRed); // nothing given away while it runs
    EXPECT_FALSE(w->dg->CellStrikeAt(0, 2));
    answer(5, true);
    answerResult(frmResult::Review);
    w->cmdSubit_Click();
    EXPECT_EQ(scoreLine, "考试得分: 1分");
    EXPECT_EQ(w->dg->CellForeColorAt(0, 2), kRed);
    EXPECT_TRUE(w->dg->CellStrikeAt(0, 2));
    EXPECT_EQ(w->dg->CellBackColorAt(0, 2), kLightYellow);
    EXPECT_EQ(w->dg->CellForeColorAt(0, 4), kNavy);
    EXPECT_EQ(w->dg->CellBackColorAt(0, 5), kWindowBack);
    EXPECT_TRUE(w->qs.bShowAnswer);
    EXPECT_FALSE(w->fra->lblResult->isHidden());
    EXPECT_FALSE(w->lblExplain->isHidden());
    EXPECT_TRUE(w->cmdSubit->isHidden());
    EXPECT_EQ(w->GetCurPaper(), 1);
    EXPECT_FALSE(w->Timer1.isActive());
}

TEST_F(ExamWindow, ClosingTheResultIsTheReviewAndANewPaperHasItsOwnTime) {
    start();
    answerResult(frmResult::Closed);
    w->cmdSubit_Click();
    EXPECT_TRUE(w->qs.bShowAnswer);

    start();
    QList<qint32> before;
    for (int k = 1; k <= 100; ++k)
        before << w->qs.papers[size_t(k)].id;
    answerResult(frmResult::NewPaper);
    w->clockSeconds = 0;
    w->Timer1_Timer();
    EXPECT_EQ(w->qs.paperCount, 100);
    bool differs = false;
    for (int k = 1; k <= 100; ++k)
        differs |= w->qs.papers[size_t(k)].id != before[k - 1];
    EXPECT_TRUE(differs);
    EXPECT_EQ(w->clockSeconds, 2700);
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_FALSE(w->cmdSubit->isHidden());
}

TEST_F(ExamWindow, TheResultListsTheFiveMostRecentScoresBestFirstAndCanEmptyThem) {
    const int nums[] = {99, 70, 85, 91, 60, 88};
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < 6; ++i)
        Mod::db.execute(QString("insert into record(num,recordtime) values(%1,#%2#)")
                            .arg(nums[i])
                            .arg(now.addSecs(-600 * (6 - i)).toString("yyyy-MM-dd HH:mm:ss")));
    start();
    answerResult(frmResult::Review);
    w->cmdSubit_Click(); // a seventh: 0, the most recent
    EXPECT_EQ(listed, (QStringList{"91", "88", "85", "60", "0"}));
    frmResult* r = w->ResultDialog();
    EXPECT_EQ(r->dg->horizontalHeaderItem(0)->text(), "名次");
    EXPECT_EQ(r->dg->horizontalHeaderItem(2)->text(), "考试时间");
    EXPECT_EQ(r->dg->item(0, 0)->text(), "1");
    EXPECT_TRUE(r->dg->item(4, 2)->text().contains(now.toString("HH:mm")));
    // In Chinese whatever the system's language: year, month, day.
    EXPECT_TRUE(r->dg->item(4, 2)->text().startsWith(
        QString("%1/%2/%3").arg(now.date().year()).arg(now.date().month()).arg(now.date().day())))
        << r->dg->item(4, 2)->text().toStdString();
    r->cmd_Click(3);
    EXPECT_EQ(records(), 0);
}

TEST_F(ExamWindow, NinetyPasses) {
    start();
    for (int k = 1; k <= 90; ++k)
        answer(k, true);
    answerResult(frmResult::Review);
    w->cmdSubit_Click();
    EXPECT_EQ(scoreLine, "考试得分: 90分");
    EXPECT_EQ(passLine, "恭喜您过关！希望您再接再厉！");
}

TEST_F(ExamWindow, AScoreThatCannotBeStoredIsSaidAndStillShown) {
    start();
    answer(1, true);
    sqlite3_exec(Mod::db.handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    answerResult(frmResult::Review);
    w->cmdSubit_Click();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().contains("成绩未能保存")) << messages.last().toStdString();
    EXPECT_EQ(scoreLine, "考试得分: 1分");
}

TEST(ExamWindowShortBank, TooFewQuestionsForAPaperIsSaidAndNothingChanges) {
    TestBank bank;
    QList<BankQuestion> questions = TestBank::questions(1, 30, false, "ABC");
    questions += TestBank::questions(1001, 120, true, "ABC");
    ASSERT_TRUE(bank.write(questions));
    frmMain w(bank.programFolder());
    QStringList messages;
    w.MsgBox = [&](const QString& text, QMessageBox::StandardButtons) {
        messages << text;
        return QMessageBox::Ok;
    };
    w.cmdK_Click(1);
    w.Timer1_Timer();
    w.cmdK_Click(5);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("判断题 30 道、单选题 120 道")) << messages[0].toStdString();
    EXPECT_EQ(w.qs.mode, Mode::Sequential);
    EXPECT_EQ(w.qs.paperCount, 150);
    EXPECT_TRUE(w.Timer1.isActive());
    EXPECT_EQ(w.clockSeconds, 1);
    EXPECT_TRUE(w.cmdSubit->isHidden());
    Mod::db.close();
    Mod::SetProgramFolder(QString());
}
