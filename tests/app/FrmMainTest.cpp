#include "frmMain.h"
#include "AnswerGrid.h"
#include "Database.h"
#include "DescriptionPanel.h"
#include "JetFunctions.h"
#include "Mod.h"
#include "QuestionArea.h"
#include "ShapeBox.h"
#include "StyleButton.h"
#include "TestBank.h"
#include "VbColor.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions = TestBank::questions(1, 15, false, "ABC");
        questions += TestBank::questions(101, 10, true, "C");
        questions += TestBank::questions(201, 5, true, "AB");
        ASSERT_TRUE(bank.write(questions));
    }
    void TearDown() override {
        JetFunctions::setClock({});
        Mod::db.close();
        Mod::SetProgramFolder(QString());
    }
    // Runs a statement on the bank before the window opens it.
    void prepare(const QString& sql) {
        Database db;
        ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
        db.executeNative(sql);
    }
    QString storedParam(const QString& key) {
        Database db;
        EXPECT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
        Recordset rs = db.queryNative("SELECT paramvalue FROM param WHERE paramid='" + key + "'");
        return rs.eof() ? QString("<no row>") : rs.field(0).toString();
    }
    std::unique_ptr<frmMain> open() {
        auto w = std::make_unique<frmMain>(bank.programFolder());
        w->MsgBox = [this](const QString& text, QMessageBox::StandardButtons) {
            messages << text;
            return answer;
        };
        return w;
    }
    TestBank bank;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
};

bool inFront(QWidget* a, QWidget* b) {
    const QObjectList siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

} // namespace

TEST_F(MainWindow, StartsWithTheDescriptionPanelAndNoQuestionSet) {
    auto w = open();
    ASSERT_TRUE(w->Loaded());
    EXPECT_EQ(w->qs.mode, Mode::About);
    EXPECT_EQ(w->qs.paperCount, 0);
    EXPECT_EQ(w->qs.papers.size(), 1u);
    EXPECT_FALSE(w->qs.bShowAnswer);
    EXPECT_FALSE(w->fraDescr->isHidden());
    EXPECT_TRUE(w->fra->isHidden()); // behind the description, and not painted
    // Nothing to answer before a set is loaded.
    for (StyleButton* b : w->cmdAn)
        EXPECT_TRUE(b->isHidden());
    for (StyleButton* b : w->cmdYN)
        EXPECT_TRUE(b->isHidden());
    EXPECT_FALSE(w->Timer1.isActive());
    EXPECT_FALSE(w->tmrAd.isActive());
    EXPECT_EQ(w->tmrAd.interval(), 60000);
    EXPECT_EQ(w->lblHour->text() + ":" + w->lblMinute->text() + ":" + w->lblSecond->text(),
              "00:00:00");
    EXPECT_EQ(w->modeTitles[3], "章节练习");
    EXPECT_TRUE(w->windowTitle().startsWith("青禾考典 学车更轻松:"));
    EXPECT_TRUE(w->windowTitle().endsWith(" 中国最大的驾校行业网站!"));
}

TEST_F(MainWindow, TheIconFitsTheDisplayConnectionsBuffer) {
    auto w = open();
    const QList<QSize> sizes = w->windowIcon().availableSizes();
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_EQ(sizes[0], QSize(48, 48));
    // What Qt sends for it (width, height and one 32-bit word per pixel)
    // fits in the 16 KB the connection buffers.
    EXPECT_LT((2 + sizes[0].width() * sizes[0].height()) * 4, 16384);
}

TEST_F(MainWindow, NullSettingsGiveTheDefaults) {
    auto w = open();
    EXPECT_EQ(w->qs.lastSeq, 1);
    EXPECT_EQ(w->qs.carType, "C");
    EXPECT_EQ(w->cboCar->currentIndex(), 0);
    EXPECT_EQ(w->cboCar->currentText(), "小车版(C1、C2、C3、C4、C5)");
    EXPECT_TRUE(w->cboCar->isHidden());
}

TEST_F(MainWindow, MissingSettingRowsReadAsEmpty) {
    prepare("DELETE FROM param");
    auto w = open();
    ASSERT_TRUE(w->Loaded());
    EXPECT_EQ(w->qs.lastSeq, 0);
    EXPECT_EQ(w->qs.carType, "");
    EXPECT_EQ(w->cboCar->currentIndex(), -1);
    // With no vehicle type every question of the bank is practised.
    w->cmdK_Click(1);
    EXPECT_EQ(w->qs.paperCount, 30);
}

TEST_F(MainWindow, AStoredVehicleTypeIsSelectedWithoutStartingPractice) {
    prepare("UPDATE param SET paramvalue='A' WHERE paramid='考试车型'");
    prepare("UPDATE param SET paramvalue='37' WHERE paramid='上次顺序练习最后一题'");
    auto w = open();
    EXPECT_EQ(w->qs.carType, "A");
    EXPECT_EQ(w->cboCar->currentIndex(), 2);
    EXPECT_EQ(w->cboCar->currentText(), "客车版(A1、A3、B1)");
    EXPECT_EQ(w->qs.lastSeq, 37);
    EXPECT_EQ(w->qs.paperCount, 0);
    EXPECT_EQ(w->qs.mode, Mode::About);
}

TEST_F(MainWindow, AnUnknownStoredCodeIsKeptAndFilters) {
    prepare("UPDATE param SET paramvalue='Z' WHERE paramid='考试车型'");
    prepare("UPDATE param SET paramvalue='abc' WHERE paramid='上次顺序练习最后一题'");
    auto w = open();
    EXPECT_EQ(w->qs.carType, "Z");
    EXPECT_EQ(w->cboCar->currentIndex(), -1);
    EXPECT_EQ(w->qs.lastSeq, 0); // not a number: the step is skipped
    w->cmdK_Click(1);
    EXPECT_EQ(w->qs.paperCount, 0);
}

TEST_F(MainWindow, ScoresOlderThanSevenDaysArePrunedAtStartUp) {
    const QDateTime now(QDate(2026, 12, 9), QTime(9, 0, 0));
    JetFunctions::setClock([now] { return now; });
    prepare("INSERT INTO record(num, recordtime) VALUES(81, '2026-12-01 09:00:00')");
    prepare("INSERT INTO record(num, recordtime) VALUES(82, '2026-12-02 09:00:00')");
    prepare("INSERT INTO record(num, recordtime) VALUES(83, '2026-12-09 08:00:00')");
    auto w = open();
    Recordset rs = Mod::db.openRecordset("select num from record order by num");
    QList<int> kept;
    for (; !rs.eof(); rs.moveNext())
        kept << rs.field(0).toInt();
    EXPECT_EQ(kept, (QList<int>{82, 83}));
}

TEST_F(MainWindow, ClosingStoresBothSettings) {
    auto w = open();
    w->show();
    w->qs.lastSeq = 37;
    w->qs.carType = "B";
    w->close();
    EXPECT_EQ(storedParam("上次顺序练习最后一题"), "37");
    EXPECT_EQ(storedParam("考试车型"), "B");
}

TEST_F(MainWindow, TheStoreStaysOpenUntilTheWindowGoes) {
    auto w = open();
    w->show();
    w->close();
    EXPECT_TRUE(Mod::db.isOpen()); // closing is not the end of the window
    w.reset();
    EXPECT_FALSE(Mod::db.isOpen());
    EXPECT_EQ(storedParam("考试车型"), "C"); // and nothing was lost
}

TEST_F(MainWindow, WithoutItsBankTheWindowDoesNotLoad) {
    TestBank empty;
    frmMain w(empty.programFolder());
    EXPECT_FALSE(w.Loaded());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindow, ExamAppearanceShowsOnlyTheHandIn) {
    auto w = open();
    w->Exam(true);
    EXPECT_FALSE(w->cmdSubit->isHidden());
    for (QWidget* c :
         std::initializer_list<QWidget*>{w->cmdSetError, w->cmdShowAnswer[0], w->cmdShowAnswer[1],
                                         w->lblFirstOK, w->lblRE, w->fra->chkAutoGo})
        EXPECT_TRUE(c->isHidden());
    w->Exam(false);
    EXPECT_TRUE(w->cmdSubit->isHidden());
    for (QWidget* c :
         std::initializer_list<QWidget*>{w->cmdSetError, w->cmdShowAnswer[0], w->cmdShowAnswer[1],
                                         w->lblFirstOK, w->lblRE, w->fra->chkAutoGo})
        EXPECT_FALSE(c->isHidden());
}

TEST_F(MainWindow, TheQuestionAreaShowsWithTheFirstModeInItsColoursAndTabOrder) {
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->cmdK_Click(1);
    EXPECT_FALSE(w->fra->isHidden());
    EXPECT_TRUE(w->fraDescr->isHidden());
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("1. "));
    for (QWidget* c : std::initializer_list<QWidget*>{
             w.get(), w->Label6, w->lblHour, w->fraDescr, w->fra, w->fra->lblPaper, w->fra->lblAn,
             w->fra->Label1, w->fra->chkAutoGo, w->cmdAn[0]}) {
        EXPECT_EQ(c->palette().color(QPalette::Window), VbColor(0x8000000F))
            << c->objectName().toStdString();
        EXPECT_EQ(c->palette().color(QPalette::WindowText), VbColor(0x800000))
            << c->objectName().toStdString();
    }
    // Tab goes through the area's options and check box, the answer sheet,
    // the menu, the area's buttons in their stored order, the vehicle list.
    std::vector<QWidget*> expected{w->fra->opt.begin(), w->fra->opt.end()};
    expected.push_back(w->fra->chkAutoGo);
    expected.push_back(w->dg);
    expected.insert(expected.end(), w->cmdK.begin(), w->cmdK.end());
    const auto layout = FormLayout::Load(":/layouts/frmMain.layout");
    ASSERT_TRUE(layout);
    for (const ButtonEntry& e : layout->buttons) {
        if (e.name == "cmdK")
            continue;
        const QString name = e.index < 0 ? e.name : QString("%1(%2)").arg(e.name).arg(e.index);
        expected.push_back(w->findChild<StyleButton*>(name));
        ASSERT_TRUE(expected.back()) << name.toStdString();
    }
    expected.push_back(w->cboCar);
    std::vector<QWidget*> chain;
    QWidget* c = w->fra->opt[0];
    for (size_t i = 0; i < expected.size(); ++i, c = c->nextInFocusChain()) {
        while (std::find(expected.begin(), expected.end(), c) == expected.end())
            c = c->nextInFocusChain();
        chain.push_back(c);
    }
    EXPECT_EQ(chain, expected);
}

TEST_F(MainWindow, KeepsItsSize) {
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    EXPECT_EQ(w->size(), QSize(888, 614));
    w->resize(1000, 700);
    EXPECT_EQ(w->size(), QSize(888, 614));
}

TEST_F(MainWindow, TheAnswerSheetStartsAsOneNumberedRow) {
    auto w = open();
    EXPECT_EQ(w->dg->Rows(), 1);
    EXPECT_EQ(w->dg->Cols(), 10);
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(w->dg->TextMatrix(0, c), QString::number(c + 1));
    // (278 * 15 - 330) / 10 = 384 twips, 25.6 pixels: 25 whole ones.
    EXPECT_EQ(w->dg->width(), 278);
    EXPECT_EQ(w->dg->ColWidth(0), 375);
    EXPECT_EQ(w->dg->columnWidth(0), 25);
    EXPECT_EQ(w->dg->columnWidth(9), 25);
    // Numbers up to four digits show whole in their cells.
    EXPECT_LE(QFontMetrics(w->dg->font()).horizontalAdvance("9999") + 2, w->dg->columnWidth(0));
}

TEST_F(MainWindow, SequentialPracticeLoadsTheVehicleTypeInBankOrder) {
    auto w = open();
    w->cmdK_Click(1);
    ASSERT_EQ(w->qs.paperCount, 25); // 15 for all classes, 10 for C
    EXPECT_EQ(w->qs.papers[1].id, 1);
    EXPECT_EQ(w->qs.papers[25].id, 110);
    EXPECT_EQ(w->dg->Rows(), 3);
    EXPECT_EQ(w->GetCurPaper(), 1);
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("1. 题目1"));
    EXPECT_EQ(w->fra->title(), "顺序练习(共计25题)--小车版");
    EXPECT_EQ(w->lblFirstOK->text(), "首正率 0.00%");
    EXPECT_EQ(w->lblRE->text(), "正确/答题 0/0");
    EXPECT_TRUE(w->Timer1.isActive());
    EXPECT_FALSE(w->qs.bShowAnswer);
    EXPECT_FALSE(inFront(w->fraDescr, w->fra));
    EXPECT_FALSE(w->fra->isHidden());
    EXPECT_TRUE(w->fraDescr->isHidden()); // nothing of it shows through the questions
    EXPECT_TRUE(messages.isEmpty());      // lastSeq 1: nothing to resume
}

TEST_F(MainWindow, SequentialPracticeOffersToResume) {
    prepare("UPDATE param SET paramvalue='7' WHERE paramid='上次顺序练习最后一题'");
    auto w = open();
    w->cmdK_Click(1);
    ASSERT_EQ(messages, QStringList{"上次已经练习到第7题，要继续吗？"});
    EXPECT_EQ(w->GetCurPaper(), 7);
    EXPECT_TRUE(w->fra->lblPaper->text().startsWith("7. "));

    answer = QMessageBox::No;
    w->cmdK_Click(1);
    EXPECT_EQ(w->GetCurPaper(), 1);
}

TEST_F(MainWindow, RandomPracticeHoldsEveryQuestionOnce) {
    auto w = open();
    w->cmdK_Click(2);
    ASSERT_EQ(w->qs.paperCount, 25);
    QSet<qint32> ids;
    for (int k = 1; k <= 25; ++k)
        ids.insert(w->qs.papers[size_t(k)].id);
    EXPECT_EQ(ids.size(), 25);
    EXPECT_EQ(w->fra->title(), "随机练习(共计25题)--小车版");
}

TEST_F(MainWindow, TheDescriptionComesBackAndStopsTheClock) {
    auto w = open();
    w->cmdK_Click(1);
    w->Timer1_Timer();
    w->cmdK_Click(7);
    EXPECT_TRUE(inFront(w->fraDescr, w->fra));
    EXPECT_TRUE(w->fra->isHidden());
    EXPECT_FALSE(w->fraDescr->isHidden());
    EXPECT_FALSE(w->Timer1.isActive());
    EXPECT_EQ(w->lblSecond->text(), "00");
    EXPECT_EQ(w->qs.paperCount, 25); // the set of the mode before stays loaded
}

TEST_F(MainWindow, StaticTextsFitTheirControls) {
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->wordWrap() || l->text().isEmpty())
            continue;
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width())
            << l->text().toStdString();
        EXPECT_LE(l->fontMetrics().height(), l->height()) << l->text().toStdString();
    }
    EXPECT_LE(w->fra->chkAutoGo->sizeHint().width(), w->fra->chkAutoGo->width());
    for (int i = 0; i < w->cboCar->count(); ++i)
        EXPECT_LE(w->cboCar->fontMetrics().horizontalAdvance(w->cboCar->itemText(i)) + 30,
                  w->cboCar->width());
    // Each button's caption lies inside the button, clear of its picture.
    for (StyleButton* b : w->findChildren<StyleButton*>()) {
        b->Redraw();
        const PixelRect caption = b->CaptionRect(); // widened by 2 left, 1 right
        EXPECT_GE(caption.left + 2, b->Picture() ? b->PictureWidth() + 4 : 0)
            << b->Caption().toStdString();
        EXPECT_LE(caption.right - 1, b->ControlWidth()) << b->Caption().toStdString();
        EXPECT_LE(caption.bottom - 1, b->ControlHeight()) << b->Caption().toStdString();
    }
    // Wrapped descriptions need no more height than their labels have, and
    // lie inside their frame.
    for (QLabel* l : w->fraDescr->lblDescr) {
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
        EXPECT_TRUE(w->fraDescr->rect().contains(l->geometry()));
    }
}

TEST_F(MainWindow, ButtonsComeFromTheStoredLayout) {
    auto w = open();
    const QStringList menu = {"车型选择", "顺序练习", "随机练习", "章节练习",
                              "错题练习", "模拟考试", "学车交流", "软件说明"};
    for (int i = 0; i < 8; ++i) {
        StyleButton* b = w->cmdK[size_t(i)];
        EXPECT_EQ(b->Caption(), menu[i]);
        EXPECT_EQ(b->parentWidget(), w->fraC);
        EXPECT_EQ(b->ButtonStyle(), 4);
        EXPECT_EQ(b->BackColor(), 0xE3E3E3u);
        ASSERT_TRUE(b->Picture());
        EXPECT_EQ(b->PictureSize(), 2);
        EXPECT_EQ(b->Font()->Size(), 9.75);
    }
    // Menu buttons stack top to bottom in index order.
    for (int i = 1; i < 8; ++i)
        EXPECT_GT(w->cmdK[size_t(i)]->y(), w->cmdK[size_t(i - 1)]->y());
    for (StyleButton* b : w->cmdAn) {
        EXPECT_EQ(b->parentWidget(), w->fra->Frame1);
        EXPECT_FALSE(b->Picture());
        EXPECT_EQ(b->Font()->Size(), 14.25);
        EXPECT_TRUE(b->Font()->Bold());
    }
    EXPECT_EQ(w->cmdYN[0]->Caption(), "对");
    EXPECT_EQ(w->cmdYN[1]->Caption(), "错");
    EXPECT_EQ(w->cmdSubit->Caption(), "交  卷");
    EXPECT_EQ(w->cmdShowAnswer[1]->Caption(), "隐藏答案");
    // A picture compiled into the program is decoded once and shared.
    EXPECT_EQ(w->cmdNext->Picture(), StylePicture::Load(":/pictures/next.png"));
    EXPECT_EQ(w->cmdNext->Picture()->kind(), StylePicture::Kind::Icon);
}

TEST_F(MainWindow, AClickOnAMenuButtonStartsItsMode) {
    auto w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseClick(w->cmdK[2], Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(w->qs.mode, Mode::Random);
    EXPECT_EQ(w->qs.paperCount, 25);
    EXPECT_TRUE(w->qs.bRand);
}

TEST_F(MainWindow, EveryControlExistsFromConstructionUnderItsName) {
    auto w = open();
    const QStringList names = {"fraC",
                               "cboCar",
                               "fraT",
                               "lblHour",
                               "lblMinute",
                               "lblSecond",
                               "lbl1",
                               "lbl2",
                               "fra",
                               "lblPaper",
                               "imgPaper",
                               "lblAn",
                               "opt(0)",
                               "opt(3)",
                               "Frame1",
                               "cmdAn(0)",
                               "cmdAn(3)",
                               "cmdYN(0)",
                               "cmdYN(1)",
                               "Label1",
                               "lblAnswer",
                               "imgResult(0)",
                               "imgResult(1)",
                               "Label7",
                               "lblResult",
                               "cmdShowAnswer(0)",
                               "cmdShowAnswer(1)",
                               "cmdSetError",
                               "lblErrOK",
                               "chkAutoGo",
                               "cmdPriv",
                               "cmdNext",
                               "cmdSubit",
                               "dg",
                               "Label3",
                               "Label4",
                               "Label5",
                               "Label6",
                               "shpCur",
                               "shpYD",
                               "shpWD",
                               "pro",
                               "shpBk",
                               "lblRE",
                               "lblFirstOK",
                               "fraDescr",
                               "lblDescr(0)",
                               "Image1",
                               "Image2",
                               "cmdK(0)",
                               "cmdK(7)"};
    for (const QString& name : names)
        EXPECT_NE(w->findChild<QWidget*>(name), nullptr) << name.toStdString();
    // And the window's members are those controls.
    EXPECT_EQ(w->findChild<QWidget*>("lblPaper"), w->fra->lblPaper);
    EXPECT_EQ(w->findChild<QWidget*>("cmdSubit"), w->cmdSubit);
    for (QWidget* c : std::initializer_list<QWidget*>{
             w->fraDescr, w->fraC,    w->fraT,     w->lblHour,    w->lblMinute, w->lblSecond,
             w->lbl1,     w->lbl2,    w->Image2,   w->fra,        w->dg,        w->Label3,
             w->Label4,   w->Label5,  w->Label6,   w->shpCur,     w->shpYD,     w->shpWD,
             w->shpBk,    w->pro,     w->lblRE,    w->lblFirstOK, w->Image1,    w->cmdSetError,
             w->cmdPriv,  w->cmdNext, w->cmdSubit, w->cboCar})
        EXPECT_NE(c, nullptr);
    for (auto* b : w->cmdK)
        EXPECT_NE(b, nullptr);
    for (auto* b : w->cmdAn)
        EXPECT_NE(b, nullptr);
    EXPECT_EQ(w->findChildren<StyleButton*>().size(), 20);
}

TEST_F(MainWindow, AScreenReaderReadsEveryButtonByItsCaption) {
    auto w = open();
    for (StyleButton* b : w->findChildren<StyleButton*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Button) << b->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << b->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).contains(u'&'));
    }
    QAccessibleInterface* random = QAccessible::queryAccessibleInterface(w->cmdK[2]);
    EXPECT_EQ(random->text(QAccessible::Name), "随机练习");
    random->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w->qs.mode, Mode::Random);
}

TEST_F(MainWindow, AnEmptySetShowsAnEmptyQuestionArea) {
    auto w = open();
    w->cmdK_Click(1);
    ASSERT_TRUE(w->fra->lblPaper->text().startsWith("1. "));
    w->qs.carType = "Z"; // no question is for it
    w->cmdK_Click(2);
    EXPECT_EQ(w->qs.paperCount, 0);
    EXPECT_EQ(w->dg->Rows(), 0);
    EXPECT_EQ(w->fra->lblPaper->text(), "");
    EXPECT_EQ(w->fra->lblAn->text(), "");
    EXPECT_EQ(w->fra->lblResult->text(), "");
    EXPECT_TRUE(w->fra->imgPaper->isHidden());
    for (StyleButton* b : w->cmdAn)
        EXPECT_TRUE(b->isHidden());
    for (StyleButton* b : w->cmdYN)
        EXPECT_TRUE(b->isHidden());
    EXPECT_EQ(w->lblRE->text(), "正确/答题 0/0");
    EXPECT_EQ(w->pro->width(), 0);
}

TEST_F(MainWindow, ALoadThatFailsLeavesNothingOfTheSetBefore) {
    auto w = open();
    w->cmdK_Click(1); // starts on a 判断 question: 对 and 错 show
    ASSERT_FALSE(w->cmdYN[0]->isHidden());
    w->qs.rightCount = 3;
    w->ShowProgress();
    ASSERT_GT(w->pro->width(), 0);
    Mod::db.close(); // every statement fails from here on
    messages.clear();
    w->cmdK_Click(2);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("读取题库时出错")) << messages[0].toStdString();
    EXPECT_EQ(w->qs.paperCount, 0);
    EXPECT_EQ(w->dg->Rows(), 0);
    EXPECT_EQ(w->fra->lblPaper->text(), "");
    EXPECT_EQ(w->lblFirstOK->text(), "首正率 0.00%");
    EXPECT_EQ(w->lblRE->text(), "正确/答题 0/0");
    EXPECT_EQ(w->pro->width(), 0);
    EXPECT_TRUE(w->cmdYN[0]->isHidden());
    EXPECT_TRUE(w->cmdYN[1]->isHidden());
}

namespace {

// The right edge of the sheet's last column and its grid line, in the view.
void expectTenWholeColumns(AnswerGrid* dg) {
    const int right = dg->columnViewportPosition(9) + dg->columnWidth(9);
    EXPECT_LE(right, dg->viewport()->width());
    // The grid line that closes the last column is drawn.
    const QImage shot = dg->viewport()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(right - 1, 5)), VbColor(dg->GridColor()));
}

} // namespace

TEST(MainWindowSheet, TenColumnsAreWholeWithAndWithoutTheScrollBar) {
    for (int count : {30, 250}) {
        TestBank bank;
        ASSERT_TRUE(bank.write(TestBank::questions(1, count, false, "ABC")));
        frmMain w(bank.programFolder());
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.cmdK_Click(2);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.dg->verticalScrollBar()->isVisible(), count > 160) << count;
        expectTenWholeColumns(w.dg);
        w.close();
        Mod::db.close();
        Mod::SetProgramFolder(QString());
    }
}
