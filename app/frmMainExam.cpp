// The main window's handlers of the mock examination: the paper and the
// hand-in.
#include "frmMain.h"

#include "AnswerGrid.h"
#include "ExamPaper.h"
#include "ExamRecords.h"
#include "ExamRules.h"
#include "SheetLook.h"
#include "StoreError.h"
#include "frmResult.h"

#include <QDateTime>

void frmMain::InitExam(const QString& Exam) {
    ShowLoadedSet([&] { ExamPaper::InitExam(qs, Exam, *dg); });
}

void frmMain::cmdSubit_Click() {
    Timer1.stop();
    try {
        ExamRecords::Store(qs.rightCount, QDateTime::currentDateTime());
    } catch (const StoreError&) {
        MsgBox(
            QStringLiteral("本次考试成绩未能保存到题库文件（文件可能是只读的、正被另一个程序使用，"
                           "或者磁盘已满）。\n下面仍然显示本次的成绩。"),
            QMessageBox::Ok);
    }
    const int code = ResultDialog()->ExamResult(qs.rightCount);
    if (code == frmResult::Retake) {
        for (qint32 k = 1; k <= qs.paperCount; ++k) {
            qs.papers[size_t(k)].bFirst = true;
            qs.papers[size_t(k)].userAnswer = -1;
        }
        qs.rightCount = 0;
        qs.wrongCount = 0;
        ShowProgress();
        clockSeconds = ExamRules::kSeconds;
        ShowTime();
        Timer1.start();
    } else if (code == frmResult::NewPaper) {
        // A new paper has its own 45 minutes, as a retake does.
        try {
            InitExam(qs.carType);
        } catch (const ExamPaper::Shortage& shortage) {
            MsgBox(shortage.Message(), QMessageBox::Ok);
            return;
        } catch (const StoreError& e) {
            MsgBox(QStringLiteral("读取题库时出错，无法重新出题。\n") + QString::fromUtf8(e.what()),
                   QMessageBox::Ok);
            return;
        }
        clockSeconds = ExamRules::kSeconds;
        ShowTime();
        Timer1.start();
        return;
    } else {
        // The review: the answers shown, the practice look.
        qs.bShowAnswer = false;
        cmdShowAnswer_Click(0);
        Exam(false);
    }
    // Every cell shows how it was answered.
    for (qint32 i = 1; i <= qs.paperCount; ++i) {
        SetCurPaper(i);
        const SheetLook look = SheetLook::Left(qs.papers[size_t(i)], false);
        dg->setCellBackColor(look.back);
        dg->setCellForeColor(look.fore);
        dg->setCellFontStrikeThrough(look.strike);
    }
    SetCurPaper(1);
    dg_Click();
}
