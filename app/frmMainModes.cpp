// The main window's mode menu, vehicle list, dialogs and links.
#include "frmMain.h"

#include "ChapterList.h"
#include "DescriptionPanel.h"
#include "ExamPaper.h"
#include "ExamRules.h"
#include "PageOpener.h"
#include "PracticeSettings.h"
#include "QuestionArea.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "WebPages.h"
#include "WrongBook.h"
#include "frmErr.h"
#include "frmExam.h"
#include "frmResult.h"
#include "frmSelect.h"

#include <QComboBox>
#include <QLabel>

void frmMain::setDescriptionInFront(bool front) {
    // The panel behind is hidden, so it is not painted where nobody sees it.
    fraDescr->setVisible(front);
    fra->setVisible(!front);
    (front ? static_cast<QWidget*>(fraDescr) : fra)->raise();
}

void frmMain::cmdK_Click(int Index) {
    const Mode mode = ModeOf(Index);
    if (mode == Mode::Exam) {
        // A bank that cannot give a paper says so, and nothing else changes:
        // the mode running goes on.
        try {
            ExamPaper::CheckEnough(qs.carType);
        } catch (const ExamPaper::Shortage& shortage) {
            MsgBox(shortage.Message(), QMessageBox::Ok);
            return;
        } catch (const StoreError& e) {
            MsgBox(QStringLiteral("读取题库时出错，无法开始模拟考试。\n") +
                       QString::fromUtf8(e.what()),
                   QMessageBox::Ok);
            return;
        }
    }
    if (Index >= 1 && Index <= 5 && shown_)
        tmrAd.start();
    else
        tmrAd.stop();
    Timer1.stop();
    clockSeconds = 0;
    ShowTime();
    qs.mode = mode;
    setDescriptionInFront(mode == Mode::About);
    Exam(false);
    title = modeTitles[size_t(Index)];
    cmdSetError->show();

    try {
        switch (mode) {
        case Mode::CarType:
            cmdYN[0]->hide();
            cmdYN[1]->hide();
            cboCar->show();
            cboCar->raise();
            cboCar->setFocus();
            cmdK[0]->hide();
            return;
        case Mode::Sequential:
            qs.bRand = false;
            InitPaper(qs.carType, QString(), false, false);
            if (qs.lastSeq >= 2 && qs.lastSeq < qs.paperCount &&
                MsgBox(QStringLiteral("上次已经练习到第") + QString::number(qs.lastSeq) +
                           QStringLiteral("题，要继续吗？"),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
                dg_LeaveCell();
                SetCurPaper(qs.lastSeq);
                dg_Click();
                ShowPaper(qs.lastSeq);
            }
            break;
        case Mode::Random:
            qs.bRand = true;
            InitPaper(qs.carType, QString(), true, false);
            break;
        case Mode::Chapter: {
            bool selected = false;
            const QString chap =
                SelectDialog()->SelectType(ChapterList::Sql(qs.carType), qs.bRand, selected);
            InitPaper(qs.carType, chap, qs.bRand, false);
            title = QStringLiteral("《") + modeTitles[size_t(Index)] + QStringLiteral("》") + chap;
            break;
        }
        case Mode::WrongBook: {
            bool selected = false;
            qs.bRemoveRight = ErrDialog()->GetError(qs.bRand, selected);
            if (!selected) {
                qs.bRemoveRight = false;
                return;
            }
            InitPaper(qs.carType, QString(), qs.bRand, true);
            cmdSetError->hide();
            if (qs.paperCount == 0)
                MsgBox(QStringLiteral("暂无错题，请在练习中手工设置练习或者进行练习、模拟考试让系统"
                                      "自动记录错题"),
                       QMessageBox::Ok);
            break;
        }
        case Mode::Exam:
            Exam(true);
            InitExam(qs.carType);
            ExamDialog()->Exam(qs.carType);
            break;
        case Mode::Forum:
            PageOpener::Open(WebPages::ForumPage());
            return;
        default: // the description
            return;
        }
    } catch (const StoreError& e) {
        MsgBox(QStringLiteral("读取题库时出错，无法开始练习。\n") + QString::fromUtf8(e.what()),
               QMessageBox::Ok);
        return;
    } catch (const ExamPaper::Shortage& shortage) {
        MsgBox(shortage.Message(), QMessageBox::Ok);
        return;
    }

    ShowPos(title);
    qs.bShowAnswer = true;
    cmdShowAnswer_Click(0);
    clockSeconds = mode == Mode::Exam ? ExamRules::kSeconds : 0;
    Timer1.start();
}

void frmMain::cboCar_Click() {
    const int index = cboCar->currentIndex();
    if (index < 0 || index >= PracticeSettings::kCarCodes.size())
        return;
    const QString code = PracticeSettings::kCarCodes[index];
    if (code != qs.carType) {
        qs.carType = code;
        qs.lastSeq = 1;
    }
    cboCar->hide();
    if (shown_)
        cmdK_Click(IndexOf(Mode::Sequential));
}

void frmMain::cboCar_LostFocus() {
    cboCar->hide();
    cmdK[0]->show();
}

void frmMain::cboCar_Validate() {
    cboCar_LostFocus();
}

void frmMain::cmdSetError_Click() {
    if (qs.paperCount < 1)
        return;
    try {
        if (WrongBook::MarkByHand(qs.papers[size_t(GetCurPaper())].id))
            fra->lblErrOK->show();
    } catch (const StoreError&) {
        TellWriteFailed();
    }
}

frmSelect* frmMain::SelectDialog() {
    if (!select_)
        select_ = new frmSelect(this);
    return select_;
}

frmErr* frmMain::ErrDialog() {
    if (!err_)
        err_ = new frmErr(this);
    return err_;
}

frmExam* frmMain::ExamDialog() {
    if (!exam_)
        exam_ = new frmExam(this);
    return exam_;
}

frmResult* frmMain::ResultDialog() {
    if (!result_)
        result_ = new frmResult(this);
    return result_;
}

void frmMain::ShowAd() {
    PageOpener::Open(WebPages::SiblingPage());
}

void frmMain::tmrAd_Timer() {
    if (bAdDue) {
        ShowAd();
        bAdDue = false;
        tmrAd.stop();
    } else {
        bAdDue = true;
    }
}

void frmMain::Image1_Click() {
    Image2_Click();
}

void frmMain::Image2_Click() {
    PageOpener::Open(WebPages::HomePage());
}
