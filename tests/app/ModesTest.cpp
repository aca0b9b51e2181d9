// The mode menu, the vehicle type, the chapter selector, the wrong-question
// book, the clock and the pages, in the real main window.
#include "AnswerGrid.h"
#include "ChapterList.h"
#include "Database.h"
#include "Mod.h"
#include "PageOpener.h"
#include "QuestionArea.h"
#include "StyleButton.h"
#include "TestBank.h"
#include "frmErr.h"
#include "frmMain.h"
#include "frmSelect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Three groups of 10, 20 and 30 questions (the second and third share a
// type under two chapters), all for every vehicle type; five for A only.
class Modes : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions;
        for (const BankQuestion& q : TestBank::questions(301, 30, true, "ABC", "标志"))
            questions << q;
        for (BankQuestion q : TestBank::questions(101, 10, false, "ABC", "记分"))
            questions << q;
        for (BankQuestion q : TestBank::questions(201, 20, false, "ABC", "标志"))
            questions << (q.chap = "第二章", q);
        questions += TestBank::questions(401, 5, false, "A", "客车");
        ASSERT_TRUE(bank.write(questions));
        PageOpener::SetOpener([this](const QUrl& url) { opened << url.fileName(); });
        w = std::make_unique<frmMain>(bank.programFolder());
        ASSERT_TRUE(w->Loaded());
        w->MsgBox = [this](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return answer;
        };
        w->Wait = [](int) {};
    }
    void TearDown() override {
        w.reset();
        PageOpener::SetOpener([](const QUrl&) {});
        Mod::SetProgramFolder(QString());
    }
    // Runs `f` once the next modal dialog has started.
    static void whenShown(std::function<void()> f) { QTimer::singleShot(0, std::move(f)); }
    void show() {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    QString clock() const {
        return w->lblHour->text() + ":" + w->lblMinute->text() + ":" + w->lblSecond->text();
    }
    int errpaper(int id) {
        Recordset rs =
            Mod::db.openRecordset(QString("select errpaper from paper where id=%1").arg(id));
        return rs.field(0).toInt();
    }
    TestBank bank;
    std::unique_ptr<frmMain> w;
    QStringList messages, opened;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

} // namespace

TEST_F(Modes, TheClockCountsUpInPracticeWithoutWrappingTheHours) {
    w->cmdK_Click(1);
    EXPECT_EQ(clock(), "00:00:00");
    for (int i = 0; i < 3725; ++i)
        w->Timer1_Timer();
    EXPECT_EQ(clock(), "01:02:05");
    w->clockSeconds = 25 * 3600 - 1;
    w->Timer1_Timer();
    EXPECT_EQ(clock(), "25:00:00");
    w->cmdK_Click(7);
    EXPECT_EQ(clock(), "00:00:00");
    EXPECT_FALSE(w->Timer1.isActive());
}

TEST_F(Modes, ResumeIsOfferedOnlyBetweenTheSecondAndTheLastQuestion) {
    w->qs.carType = "C"; // 60 questions
    for (int lastSeq : {0, 1, 60, 61}) {
        w->qs.lastSeq = lastSeq;
        w->cmdK_Click(1);
        EXPECT_TRUE(messages.isEmpty()) << lastSeq;
    }
    w->qs.lastSeq = 59;
    w->cmdK_Click(1);
    EXPECT_EQ(messages, QStringList{"上次已经练习到第59题，要继续吗？"});
    EXPECT_EQ(w->GetCurPaper(), 59);
}

TEST_F(Modes, AnotherVehicleTypeResetsTheResumePointAndStartsSequentialPractice) {
    show();
    w->qs.lastSeq = 7;
    w->cmdK_Click(0);
    EXPECT_FALSE(w->cboCar->isHidden());
    EXPECT_TRUE(w->cmdK[0]->isHidden());
    EXPECT_TRUE(w->cmdYN[0]->isHidden());
    answer = QMessageBox::No;
    w->cboCar->setCurrentIndex(0); // the same type: the resume point stays
    w->cboCar_Click();
    EXPECT_EQ(w->qs.lastSeq, 7);
    EXPECT_EQ(w->qs.mode, Mode::Sequential);
    EXPECT_EQ(messages.size(), 1);
    w->cmdK_Click(0);
    w->cboCar->setCurrentIndex(2); // 客车版
    w->cboCar_Click();
    EXPECT_EQ(w->qs.carType, "A");
    EXPECT_EQ(w->qs.lastSeq, 1);
    EXPECT_EQ(w->qs.mode, Mode::Sequential);
    EXPECT_EQ(w->qs.paperCount, 65);
    EXPECT_EQ(w->fra->title(), "顺序练习(共计65题)--客车版");
    EXPECT_TRUE(w->cboCar->isHidden());
}

TEST_F(Modes, TheVehicleListGivesItsPlaceBackWhenTheLearnerLeavesIt) {
    show();
    w->cmdK_Click(0);
    ASSERT_TRUE(w->cmdK[0]->isHidden());
    QTest::mouseClick(w.get(), Qt::LeftButton, {}, QPoint(700, 560)); // the bare window
    EXPECT_TRUE(w->cboCar->isHidden());
    EXPECT_FALSE(w->cmdK[0]->isHidden());
    w->cmdK_Click(0);
    w->cboCar->setFocus();
    w->dg->setFocus(); // the focus leaves the list
    EXPECT_TRUE(w->cboCar->isHidden());
    EXPECT_FALSE(w->cmdK[0]->isHidden());
}

TEST_F(Modes, TheChapterSelectorListsAllQuestionsThenEachGroupByItsFirstQuestion) {
    bool random = true, chosen = true;
    frmSelect* select = w->SelectDialog();
    whenShown([select] {
        ASSERT_EQ(select->List1->count(), 4);
        EXPECT_EQ(select->List1->item(0)->text(), "所有试题(60题)");
        EXPECT_EQ(select->List1->item(1)->text(), "第一章、记分(10题)");
        EXPECT_EQ(select->List1->item(2)->text(), "第二章、标志(20题)");
        EXPECT_EQ(select->List1->item(3)->text(), "第一章、标志(30题)");
        EXPECT_EQ(select->List1->toolTip(), "双击默认为顺序练习");
        select->List1->setCurrentRow(2);
        select->cmdRand->Click();
    });
    EXPECT_EQ(select->SelectType(ChapterList::Sql("C"), random, chosen), "标志");
    EXPECT_TRUE(random);
    EXPECT_TRUE(chosen);

    whenShown([select] {
        select->List1->setCurrentRow(1);
        emit select->List1->itemDoubleClicked(select->List1->item(1));
    });
    EXPECT_EQ(select->SelectType(ChapterList::Sql("C"), random, chosen), "记分");
    EXPECT_FALSE(random);

    whenShown([select] {
        select->List1->setCurrentRow(3);
        select->close(); // its window button: no choice
    });
    EXPECT_EQ(select->SelectType(ChapterList::Sql("C"), random, chosen), "");
    EXPECT_FALSE(random);
    EXPECT_FALSE(chosen);
}

TEST_F(Modes, ChapterPracticeLoadsTheChosenTypeUnderEveryChapterAndTitlesIt) {
    frmSelect* select = w->SelectDialog();
    whenShown([select] {
        select->List1->setCurrentRow(3);
        select->cmdOrder->Click();
    });
    w->cmdK_Click(3);
    EXPECT_EQ(w->qs.paperCount, 50); // 标志 in both chapters
    EXPECT_FALSE(w->qs.bRand);
    EXPECT_EQ(w->fra->title(), "《章节练习》标志(共计50题)--小车版");
    EXPECT_TRUE(w->Timer1.isActive());

    whenShown([select] { select->List1->setCurrentRow(0), select->cmdOrder->Click(); });
    w->cmdK_Click(3);
    EXPECT_EQ(w->qs.paperCount, 60);
    EXPECT_EQ(w->fra->title(), "《章节练习》(共计60题)--小车版");
}

TEST_F(Modes, AVehicleTypeWithoutQuestionsListsOnlyTheFirstRow) {
    bool random = false, chosen = false;
    frmSelect* select = w->SelectDialog();
    whenShown([select] {
        EXPECT_EQ(select->List1->count(), 1);
        EXPECT_EQ(select->List1->item(0)->text(), "所有试题(0题)");
        select->cmdOrder->Click();
    });
    EXPECT_EQ(select->SelectType(ChapterList::Sql("Z"), random, chosen), "");
}

TEST_F(Modes, TheWrongBookDialogClosedByItsWindowButtonStartsNothing) {
    w->cmdK_Click(1);
    frmErr* err = w->ErrDialog();
    err->chksetOK->setChecked(true);
    whenShown([err] { err->close(); });
    w->cmdK_Click(4);
    EXPECT_FALSE(w->qs.bRemoveRight);
    EXPECT_FALSE(w->Timer1.isActive());
    EXPECT_EQ(w->qs.paperCount, 60);          // the set before stays
    EXPECT_FALSE(err->chksetOK->isChecked()); // the next use starts unchecked
}

TEST_F(Modes, AnEmptyBookIsSaidAndShownWithTheClockRunning) {
    frmErr* err = w->ErrDialog();
    whenShown([err] { err->cmd_Click(0); });
    w->cmdK_Click(4);
    EXPECT_EQ(messages,
              QStringList{"暂无错题，请在练习中手工设置练习或者进行练习、模拟考试让系统自动"
                          "记录错题"});
    EXPECT_EQ(w->qs.paperCount, 0);
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_TRUE(w->cmdSetError->isHidden());
}

TEST_F(Modes, ARightAnswerInTheBookRemovesItsMarkOnlyWithTheOption) {
    w->cmdK_Click(1);
    w->fra->chkAutoGo->setChecked(false);
    w->cmdYN_Click(w->qs.papers[1].answerIndex == 0 ? 1 : 0); // question 1 wrong
    w->cmdNext_Click();
    w->cmdSetError_Click(); // question 2 by hand
    EXPECT_FALSE(w->fra->lblErrOK->isHidden());
    const int first = w->qs.papers[1].id, second = w->qs.papers[2].id;
    ASSERT_EQ(errpaper(first), 1);
    ASSERT_EQ(errpaper(second), 1);

    frmErr* err = w->ErrDialog();
    whenShown([err] { err->cmd_Click(0); });
    w->cmdK_Click(4); // option off
    ASSERT_EQ(w->qs.paperCount, 2);
    EXPECT_EQ(w->fra->title(), "错题练习(共计2题)--小车版");
    w->cmdYN_Click(w->qs.papers[1].answerIndex);
    EXPECT_EQ(errpaper(w->qs.papers[1].id), 1);

    whenShown([err] {
        err->chksetOK->setChecked(true);
        err->cmd_Click(1);
    });
    w->cmdK_Click(4);
    EXPECT_TRUE(w->qs.bRemoveRight);
    EXPECT_TRUE(w->qs.bRand);
    const int k = w->GetCurPaper();
    w->cmdYN_Click(w->qs.papers[size_t(k)].answerIndex);
    EXPECT_EQ(errpaper(w->qs.papers[size_t(k)].id), 0);
    EXPECT_EQ(w->qs.paperCount, 2);          // still in the running set
    EXPECT_TRUE(err->chksetOK->isChecked()); // kept for the run
}

TEST_F(Modes, ResettingTheBookAsksFirst) {
    Mod::db.execute("update paper set errpaper=1");
    frmErr* err = w->ErrDialog();
    QStringList asked;
    QMessageBox::StandardButton reply = QMessageBox::No;
    err->MsgBox = [&](const QString& text, QMessageBox::StandardButtons) {
        asked << text;
        return reply;
    };
    bool random = false, selected = true;
    whenShown([&] {
        err->cmd_Click(2); // No: the dialog stays open
        EXPECT_TRUE(err->isVisible());
        reply = QMessageBox::Yes;
        err->cmd_Click(2);
    });
    err->GetError(random, selected);
    EXPECT_EQ(asked, QStringList(2, "你确定要重新设置强化吗?这会将以前的错误记录删除."));
    EXPECT_FALSE(selected);
    EXPECT_TRUE(random);
    Recordset rs = Mod::db.openRecordset("select count(*) from paper where errpaper=1");
    EXPECT_EQ(rs.field(0).toInt(), 0);
}

TEST_F(Modes, TheSiblingPageOpensOnTheSecondTickAndOnClosing) {
    show();
    w->cmdK_Click(1);
    EXPECT_TRUE(w->tmrAd.isActive());
    w->tmrAd_Timer();
    EXPECT_TRUE(opened.isEmpty());
    w->tmrAd_Timer();
    EXPECT_EQ(opened, QStringList{"more.html"});
    EXPECT_FALSE(w->tmrAd.isActive());
    EXPECT_FALSE(w->bAdDue);

    // One tick, then the description: the next mode pops up after one more.
    w->cmdK_Click(2);
    w->tmrAd_Timer();
    w->cmdK_Click(7);
    EXPECT_FALSE(w->tmrAd.isActive());
    EXPECT_TRUE(w->bAdDue);
    w->cmdK_Click(2);
    w->tmrAd_Timer();
    EXPECT_EQ(opened.size(), 2);

    opened.clear();
    w->close();
    EXPECT_EQ(opened, QStringList{"more.html"});
}

TEST_F(Modes, ASessionThatEndsKeepsTheSettingsButOpensNoPage) {
    show();
    w->qs.lastSeq = 12;
    w->CloseForSessionEnd();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(Mod::GetParam("上次顺序练习最后一题", "1"), "12");
}

TEST_F(Modes, BeforeTheWindowShowsNoModeStartsThePopUpTimer) {
    w->cmdK_Click(1);
    EXPECT_FALSE(w->tmrAd.isActive());
}

TEST_F(Modes, TheBannerTheSidePictureAndTheForumOpenTheirPages) {
    show();
    EXPECT_EQ(w->Image1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w->Image2->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(w->Image1, Qt::LeftButton);
    QTest::mouseClick(w->Image2, Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{"index.html", "index.html"}));
    w->cmdK_Click(6);
    EXPECT_EQ(opened.last(), "forum.html");
    EXPECT_FALSE(w->Timer1.isActive());
}

TEST(ModesBanner, ABannerBesideTheProgramReplacesTheBuiltInOne) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 3, false)));
    QImage banner(468, 96, QImage::Format_RGB32);
    banner.fill(QColor(10, 200, 30));
    ASSERT_TRUE(banner.save(QDir(bank.imagesFolder()).filePath("banner.jpg"), "JPG"));
    frmMain w(bank.programFolder());
    const QImage shown = w.Image1->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(468, 96));
    EXPECT_LT(qAbs(QColor(shown.pixel(200, 50)).green() - 200), 8);
    Mod::db.close();
    Mod::SetProgramFolder(QString());
}
