// Answering and moving through a set in the real main window, on a small
// bank of the test's own.
#include "AnswerGrid.h"
#include "BankSource.h"
#include "Database.h"
#include "Mod.h"
#include "QuestionArea.h"
#include "ShapeBox.h"
#include "StyleButton.h"
#include "TestBank.h"
#include "VbColor.h"
#include "WindowColors.h"
#include "frmMain.h"

#include <sqlcipher/sqlite3.h>

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace WindowColors;

namespace {

// Positions 1..15 are 判断 (ids 1..15, 对 for even ids), 16..25 单选
// (ids 101..110, the answer id % 4 as A-D), for vehicle type C.
class Practice : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions = TestBank::questions(1, 15, false, "ABC");
        questions += TestBank::questions(101, 10, true, "C");
        questions[0].imageUrl = "nothere.png";
        questions[1].imageUrl = "broken.png";
        questions[2].imageUrl = "good.png";
        questions[4].imageUrl = "photo.jpg";
        questions[3].explain =
            "驾驶人应当按照交通信号通行，这一条解释比较长，用来检验解析能否完整显示。";
        ASSERT_TRUE(bank.write(questions));
        QFile broken(QDir(bank.imagesFolder()).filePath("broken.png"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG\r\n\x1a\n not really a picture");
        broken.close();
        QImage good(60, 40, QImage::Format_RGB32);
        good.fill(Qt::red);
        ASSERT_TRUE(good.save(QDir(bank.imagesFolder()).filePath("good.png")));
        QImage photo(50, 30, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        ASSERT_TRUE(photo.save(QDir(bank.imagesFolder()).filePath("photo.jpg"), "JPG"));
        w = std::make_unique<frmMain>(bank.programFolder());
        ASSERT_TRUE(w->Loaded());
        w->MsgBox = [this](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return QMessageBox::No;
        };
        w->Wait = [this](int ms) { waits << ms; };
    }
    void TearDown() override {
        w.reset();
        Mod::SetProgramFolder(QString());
    }
    // The bank's mark of a question, read through a connection of its own.
    int errpaper(int id) {
        Database db;
        EXPECT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
        Recordset rs = db.queryNative(QString("SELECT errpaper FROM paper WHERE id=%1").arg(id));
        return rs.eof() ? -1 : rs.field(0).toInt();
    }
    void startSequential() {
        w->cmdK_Click(1);
        ASSERT_EQ(w->qs.paperCount, 25);
    }
    void goTo(int k) {
        w->dg_LeaveCell();
        w->SetCurPaper(k);
        w->dg_Click();
    }
    TestBank bank;
    std::unique_ptr<frmMain> w;
    QStringList messages;
    QList<int> waits;
};

} // namespace

TEST_F(Practice, AFirstWrongAnswerCountsAndMarksTheBookAndARightOneAfterItDoesNot) {
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    goTo(2);           // id 2: 对
    w->cmdYN_Click(1); // 错: wrong
    EXPECT_EQ(w->fra->lblAnswer->text(), "_错_");
    EXPECT_FALSE(w->fra->imgResult[1]->isHidden());
    EXPECT_TRUE(w->fra->imgResult[0]->isHidden());
    EXPECT_EQ(errpaper(2), 1); // at once
    EXPECT_EQ(w->qs.wrongCount, 1);
    EXPECT_EQ(w->GetCurPaper(), 2); // a wrong answer stays
    w->cmdYN_Click(0);              // 对: right now
    EXPECT_EQ(w->fra->lblAnswer->text(), "_对_");
    EXPECT_FALSE(w->fra->imgResult[0]->isHidden());
    EXPECT_TRUE(w->fra->imgResult[1]->isHidden());
    EXPECT_EQ(w->qs.rightCount, 0);
    EXPECT_EQ(w->qs.wrongCount, 1);
    EXPECT_EQ(errpaper(2), 1); // still in the book
    EXPECT_EQ(w->lblFirstOK->text(), "首正率 0.00%");
    EXPECT_EQ(w->lblRE->text(), "正确/答题 0/1");
}

TEST_F(Practice, ARightAnswerMovesOnAfterTheWaitOnlyWithAutoGo) {
    startSequential();
    ASSERT_TRUE(w->fra->chkAutoGo->isChecked());
    w->cmdYN_Click(1); // id 1: 错 is right
    EXPECT_EQ(waits, QList<int>{300});
    EXPECT_EQ(w->GetCurPaper(), 2);
    w->fra->chkAutoGo->setChecked(false);
    w->cmdYN_Click(0); // id 2: 对 is right
    EXPECT_EQ(waits.size(), 1);
    EXPECT_EQ(w->GetCurPaper(), 2);
    EXPECT_EQ(w->lblFirstOK->text(), "首正率 100.00%");
}

TEST_F(Practice, StatisticsAndTheResumePointFollowTheAnswers) {
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    w->cmdYN_Click(1); // 1: right
    goTo(3);
    w->cmdYN_Click(1); // 3: right
    goTo(4);
    w->cmdYN_Click(1); // 4: wrong
    EXPECT_EQ(w->lblFirstOK->text(), "首正率 66.67%");
    EXPECT_EQ(w->lblRE->text(), "正确/答题 2/3");
    EXPECT_EQ(w->pro->width(), qRound(3.0 / 25 * w->shpBk->width()));
    EXPECT_EQ(w->qs.lastSeq, 4);
    w->cmdK_Click(2); // random practice: the resume point stays
    w->cmdAn_Click(0);
    w->cmdYN_Click(0);
    EXPECT_EQ(w->qs.lastSeq, 4);
}

TEST_F(Practice, AQuestionShowsItsOwnButtonsAndAnUnansweredOneTwoUnderscores) {
    startSequential();
    EXPECT_EQ(w->fra->lblAnswer->text(), "__");
    EXPECT_FALSE(w->cmdYN[0]->isHidden());
    for (StyleButton* b : w->cmdAn)
        EXPECT_TRUE(b->isHidden());
    EXPECT_EQ(w->fra->lblAn->text(), "");
    goTo(16);
    for (StyleButton* b : w->cmdAn)
        EXPECT_FALSE(b->isHidden());
    EXPECT_TRUE(w->cmdYN[0]->isHidden());
    EXPECT_TRUE(w->fra->lblAn->text().startsWith("A. 选项101-1\r\n\r\nB. "));
}

TEST_F(Practice, LeftCellsShowWhetherAndHowTheyWereAnswered) {
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    w->cmdYN_Click(0); // 1: wrong
    w->cmdNext_Click();
    w->cmdYN_Click(0); // 2: right
    w->cmdNext_Click();
    w->cmdNext_Click(); // 3 left unanswered
    AnswerGrid* dg = w->dg;
    EXPECT_EQ(dg->CellBackColorAt(0, 0), kLightYellow);
    EXPECT_EQ(dg->CellForeColorAt(0, 0), kRed);
    EXPECT_TRUE(dg->CellStrikeAt(0, 0));
    EXPECT_EQ(dg->CellBackColorAt(0, 1), kLightYellow);
    EXPECT_EQ(dg->CellForeColorAt(0, 1), kNavy);
    EXPECT_FALSE(dg->CellStrikeAt(0, 1));
    EXPECT_EQ(dg->CellBackColorAt(0, 2), kWindowBack);
    EXPECT_EQ(dg->CellBackColorAt(0, 3), kLightCyan); // the current one

    // While an examination runs, an answered cell only turns light yellow.
    w->qs.mode = Mode::Exam;
    w->qs.bShowAnswer = false;
    goTo(5);
    w->cmdYN_Click(0); // 5: wrong, and the examination moves on
    EXPECT_EQ(waits.last(), 100);
    EXPECT_EQ(w->GetCurPaper(), 6);
    EXPECT_EQ(dg->CellBackColorAt(0, 4), kLightYellow);
    EXPECT_NE(dg->CellForeColorAt(0, 4), kRed);
    EXPECT_FALSE(dg->CellStrikeAt(0, 4));
    EXPECT_TRUE(w->fra->imgResult[0]->isHidden());
    EXPECT_TRUE(w->fra->imgResult[1]->isHidden());
    EXPECT_EQ(errpaper(5), 1);
}

TEST_F(Practice, NextOnTheLastAndPreviousOnTheFirstStayPut) {
    startSequential();
    w->cmdPriv_Click();
    EXPECT_EQ(w->GetCurPaper(), 1);
    goTo(25);
    w->cmdNext_Click();
    EXPECT_EQ(w->GetCurPaper(), 25);
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("25. "));
    goTo(10);
    w->cmdNext_Click();
    EXPECT_EQ(w->dg->Row(), 1);
    EXPECT_EQ(w->dg->Col(), 0);
}

TEST_F(Practice, TheWindowsKeysMoveAndAnswerWhateverHasTheFocus) {
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(w->cmdNext, key);
    EXPECT_EQ(w->GetCurPaper(), 4);
    QTest::keyClick(w->dg, Qt::Key_Down, Qt::ShiftModifier); // Shift does not matter
    EXPECT_EQ(w->GetCurPaper(), 5);
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_Up, Qt::Key_Left})
        QTest::keyClick(w->fra->chkAutoGo, key);
    EXPECT_EQ(w->GetCurPaper(), 2);

    QTest::keyClick(w->dg, Qt::Key_B); // 判断: B is the second button, 错
    EXPECT_EQ(w->qs.papers[2].userAnswer, 1);
    QTest::keyClick(w->dg, Qt::Key_1);
    EXPECT_EQ(w->qs.papers[2].userAnswer, 0);
    QTest::keyClick(w->dg, Qt::Key_C); // no third button here
    EXPECT_EQ(w->qs.papers[2].userAnswer, 0);
    goTo(16);
    QTest::keyClick(w->dg, Qt::Key_C);
    EXPECT_EQ(w->qs.papers[16].userAnswer, 2);
    QTest::keyClick(w->dg, Qt::Key_4);
    EXPECT_EQ(w->qs.papers[16].userAnswer, 3);

    // Keys typed into a dialog are the dialog's.
    QDialog dialog(w.get());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_A);
    QTest::keyClick(&dialog, Qt::Key_PageDown);
    EXPECT_EQ(w->qs.papers[16].userAnswer, 3);
    EXPECT_EQ(w->GetCurPaper(), 16);
}

TEST_F(Practice, TheToggleOffersWhatIsNotShownAndTheExplanationComesWithTheAnswer) {
    auto front = [&] {
        const QObjectList order = w->cmdShowAnswer[0]->parentWidget()->children();
        return order.indexOf(w->cmdShowAnswer[0]) > order.indexOf(w->cmdShowAnswer[1]) ? 0 : 1;
    };
    EXPECT_EQ(front(), 0); // 显示答案 from the start
    w->cmdK_Click(0);      // the vehicle list over an empty area
    EXPECT_EQ(front(), 0);
    w->cmdShowAnswer_Click(0); // an empty set: only the flag changes
    EXPECT_TRUE(w->qs.bShowAnswer);
    EXPECT_TRUE(w->fra->lblResult->isHidden());

    startSequential();
    EXPECT_EQ(front(), 0);
    EXPECT_TRUE(w->fra->lblResult->isHidden());
    EXPECT_TRUE(w->lblExplain->isHidden());
    goTo(4);
    w->cmdShowAnswer_Click(0);
    EXPECT_EQ(front(), 1); // 隐藏答案
    EXPECT_FALSE(w->fra->lblResult->isHidden());
    EXPECT_FALSE(w->lblExplain->isHidden());
    EXPECT_EQ(w->fra->lblResult->text(), "对");
    EXPECT_TRUE(w->lblExplain->text().startsWith("解析：驾驶人应当按照交通信号通行"));
    EXPECT_LE(w->lblExplain->heightForWidth(w->lblExplain->width()), w->lblExplain->height());
    w->cmdNext_Click(); // stays shown, with the next question's explanation
    EXPECT_FALSE(w->lblExplain->isHidden());
    EXPECT_EQ(w->lblExplain->text(), "解析：解析5");
    w->cmdShowAnswer_Click(1);
    EXPECT_EQ(front(), 0);
    EXPECT_TRUE(w->lblExplain->isHidden());
}

TEST_F(Practice, AMissingOrBrokenPictureStaysHiddenAndTheRestShows) {
    startSequential();
    EXPECT_TRUE(w->fra->imgPaper->isHidden()); // nothere.png
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("1. 题目1"));
    w->cmdNext_Click(); // broken.png
    EXPECT_TRUE(w->fra->imgPaper->isHidden());
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("2. 题目2"));
    EXPECT_FALSE(w->cmdYN[0]->isHidden());
    w->cmdNext_Click(); // good.png
    EXPECT_FALSE(w->fra->imgPaper->isHidden());
    EXPECT_EQ(w->fra->imgPaper->pixmap().size(), QSize(60, 40));
    w->cmdNext_Click();
    EXPECT_TRUE(w->fra->imgPaper->isHidden());
    w->cmdNext_Click(); // photo.jpg
    EXPECT_FALSE(w->fra->imgPaper->isHidden());
    EXPECT_EQ(w->fra->imgPaper->pixmap().size(), QSize(50, 30));
}

TEST_F(Practice, AStoreThatRefusesWritesIsToldOnceAndPracticeGoesOn) {
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    // As a read-only file: every write fails.
    sqlite3_exec(Mod::db.handle(), "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    w->cmdYN_Click(0); // 1: wrong
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("无法把答题结果保存")) << messages[0].toStdString();
    EXPECT_EQ(w->qs.wrongCount, 1);
    w->cmdNext_Click();
    w->cmdYN_Click(1); // 2: wrong again: not told twice
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(w->qs.wrongCount, 2);
    EXPECT_EQ(w->GetCurPaper(), 2);
    EXPECT_EQ(errpaper(1), 0);
}

TEST_F(Practice, ABankAnotherConnectionHoldsLockedIsToldAndNothingStoredIsLost) {
    startSequential();
    w->fra->chkAutoGo->setChecked(false);
    w->cmdYN_Click(0); // 1: wrong, stored
    ASSERT_EQ(errpaper(1), 1);
    sqlite3_busy_timeout(Mod::db.handle(), 20); // the test need not wait long
    Database other;
    ASSERT_TRUE(other.open(bank.storePath(), "tq_wenlo"));
    other.executeNative("BEGIN EXCLUSIVE");
    w->cmdNext_Click();
    w->cmdYN_Click(1); // 2: wrong, cannot be stored now
    ASSERT_EQ(messages.size(), 1);
    other.executeNative("ROLLBACK");
    other.close();
    EXPECT_EQ(errpaper(1), 1);
    EXPECT_EQ(errpaper(2), 0);
    w->cmdNext_Click();
    w->cmdYN_Click(0); // 3: wrong, stored again once the file is free
    EXPECT_EQ(errpaper(3), 1);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(Practice, EveryExplanationOfTheShippedBankShowsWhole) {
    QList<BankFault> faults;
    const QList<BankQuestion> shipped =
        BankSource::readFolder(QStringLiteral(QK_BANK_SOURCES), &faults);
    ASSERT_GT(shipped.size(), 900);
    QLabel* l = w->lblExplain;
    int longest = 0;
    for (const BankQuestion& q : shipped) {
        l->setText(QStringLiteral("解析：") + q.explain);
        longest = qMax(longest, int(q.explain.size()));
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << q.id;
    }
    EXPECT_GT(longest, 100);
    // Beside the statistics, clear of the sheet, its legend and the bar.
    for (QWidget* other : std::initializer_list<QWidget*>{w->dg, w->lblRE, w->shpBk, w->Label6})
        EXPECT_FALSE(l->geometry().intersects(other->geometry()));
    EXPECT_TRUE(w->rect().contains(l->geometry()));
}
