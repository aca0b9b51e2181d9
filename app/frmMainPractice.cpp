// The main window's handlers of a question set: showing a question,
// answering it and moving through the set.
#include "frmMain.h"

#include "AnswerGrid.h"
#include "Mod.h"
#include "PaperText.h"
#include "ProgressText.h"
#include "QuestionArea.h"
#include "ShapeBox.h"
#include "SheetLook.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "WindowColors.h"
#include "WrongBook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <vector>

using namespace WindowColors;

void frmMain::InitPaper(const QString& Exam, const QString& Chap, bool bRand, bool bError) {
    ShowLoadedSet([&] { qs.LoadPractice(Exam, Chap, bRand, bError, *dg); });
}

void frmMain::ShowLoadedSet(const std::function<void()>& load) {
    try {
        load();
    } catch (...) {
        // Nothing of the set before stays on screen.
        ShowNoPaper();
        ShowProgress();
        throw;
    }
    if (dg->Rows() >= 1) {
        dg->setRow(0);
        dg->setCol(0);
        dg_Click();
    } else {
        ShowNoPaper();
    }
    dg->setRedraw(true);
    ShowProgress();
}

void frmMain::ShowNoPaper() {
    for (StyleButton* b : cmdAn)
        b->hide();
    for (StyleButton* b : cmdYN)
        b->hide();
    fra->lblPaper->clear();
    fra->lblPaper->setToolTip(QString());
    fra->lblAn->clear();
    fra->lblAnswer->clear();
    fra->lblResult->clear();
    lblExplain->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{fra->imgPaper, fra->imgResult[0],
                                                      fra->imgResult[1], fra->lblErrOK})
        w->hide();
}

void frmMain::SetCurPaper(qint32 sequeue) {
    qs.SetCurPaper(*dg, sequeue);
}

qint32 frmMain::GetCurPaper() const {
    return qs.GetCurPaper(*dg);
}

void frmMain::VisbleAnswer(bool bSelect) {
    for (StyleButton* b : cmdAn)
        b->setVisible(bSelect);
    for (StyleButton* b : cmdYN)
        b->setVisible(!bSelect);
}

void frmMain::ShowPaper(qint32 Index) {
    if (Index < 1 || Index > qs.paperCount)
        return;
    const PaperRecord& q = qs.papers[size_t(Index)];
    VisbleAnswer(q.bChoice);
    fra->lblPaper->setText(PaperText::QuestionLine(Index, q));
    fra->lblAn->setText(PaperText::Options(q));
    SetResult(Index);
    fra->lblAnswer->setText(PaperText::UserAnswer(q));
    fra->lblPaper->setToolTip(QString::number(q.id));
    lblExplain->setText(PaperText::Explanation(q));
    for (QWidget* w : std::initializer_list<QWidget*>{fra->imgResult[0], fra->imgResult[1],
                                                      fra->imgPaper, fra->lblErrOK})
        w->hide();
    fra->lblAn->resize(QuestionArea::kOptions.size());
    if (q.ImageUrl.isEmpty())
        return;
    QPixmap picture;
    const QString path =
        QDir(Mod::ProgramFolder()).filePath(QStringLiteral("images/") + q.ImageUrl);
    if (!picture.load(path))
        return;
    QLabel* box = fra->imgPaper;
    if (picture.width() > box->width() || picture.height() > box->height())
        picture = picture.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(picture);
    box->show();
    // The options make room for the picture beside them.
    fra->lblAn->resize(QuestionArea::kOptionsBesidePicture, QuestionArea::kOptions.height());
}

void frmMain::ShowPos(const QString& s) {
    const QString text = PaperText::Position(s, qs.paperCount, cboCar->currentText());
    fra->setTitle(text);
    fra->setToolTip(text);
}

void frmMain::ShowProgress() {
    lblFirstOK->setText(ProgressText::Rate(qs.mode, qs.rightCount, qs.wrongCount));
    lblRE->setText(ProgressText::RightOfAnswered(qs.rightCount, qs.wrongCount));
    pro->resize(ProgressText::BarWidth(qs.rightCount, qs.wrongCount, qs.paperCount, shpBk->width()),
                pro->height());
}

void frmMain::SetResult(qint32 Index) {
    if (Index < 1 || Index > qs.paperCount)
        return;
    fra->lblResult->setText(PaperText::Result(qs.papers[size_t(Index)]));
}

void frmMain::cmdShowAnswer_Click(int) {
    qs.bShowAnswer = !qs.bShowAnswer;
    const qint32 k = GetCurPaper();
    if (k == 0 || qs.paperCount == 0)
        return;
    fra->lblResult->setVisible(qs.bShowAnswer);
    fra->Label7->setVisible(qs.bShowAnswer);
    lblExplain->setVisible(qs.bShowAnswer);
    SetResult(k);
    cmdShowAnswer[qs.bShowAnswer ? 1 : 0]->raise();
}

void frmMain::SetAnswer(qint16 Index) {
    const qint32 k = GetCurPaper();
    const AnswerStep step = qs.Answer(k, Index, fra->chkAutoGo->isChecked());
    if (!step.applied)
        return;
    fra->lblAnswer->setText(PaperText::UserAnswer(qs.papers[size_t(k)]));
    if (step.showMark) {
        fra->imgResult[0]->setVisible(step.right);
        fra->imgResult[1]->setVisible(!step.right);
    }
    WriteBook(step);
    if (step.moveAfterMs >= 0) {
        // Events go on while it waits; the window may go with them.
        const QPointer<frmMain> self(this);
        Wait(step.moveAfterMs);
        if (!self)
            return;
        cmdNext_Click();
    }
    ShowProgress();
}

void frmMain::WriteBook(const AnswerStep& step) {
    try {
        if (step.book == AnswerStep::Book::Mark)
            WrongBook::Mark(step.id);
        else if (step.book == AnswerStep::Book::Unmark)
            WrongBook::Unmark(step.id);
    } catch (const StoreError&) {
        TellWriteFailed();
    }
}

void frmMain::TellWriteFailed() {
    if (toldWriteFailed_)
        return;
    toldWriteFailed_ = true;
    MsgBox(QStringLiteral("无法把答题结果保存到题库文件（文件可能是只读的、正被另一个程序使用，"
                          "或者磁盘已满）。\n练习可以继续，但这次运行中的错题标记不会保存；"
                          "已经保存的内容不受影响。"),
           QMessageBox::Ok);
}

void frmMain::cmdAn_Click(int Index) {
    SetAnswer(qint16(Index));
}

void frmMain::cmdYN_Click(int Index) {
    SetAnswer(qint16(Index));
}

void frmMain::cmdNext_Click() {
    dg_LeaveCell();
    SetCurPaper(GetCurPaper() + 1);
    dg_Click();
}

void frmMain::cmdPriv_Click() {
    dg_LeaveCell();
    SetCurPaper(GetCurPaper() - 1);
    dg_Click();
}

bool frmMain::Form_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift) {
    switch (KeyCode) {
    case Qt::Key_PageDown:
    case Qt::Key_Down:
    case Qt::Key_Right:
        cmdNext_Click();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_Up:
    case Qt::Key_Left:
        cmdPriv_Click();
        return true;
    default:
        break;
    }
    // A-D and 1-4 answer; with Ctrl or Alt they are left to the controls.
    if (Shift & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (KeyCode >= Qt::Key_A && KeyCode <= Qt::Key_D) {
        PressShownAnswer(KeyCode - Qt::Key_A);
        return true;
    }
    if (KeyCode >= Qt::Key_1 && KeyCode <= Qt::Key_4) {
        PressShownAnswer(KeyCode - Qt::Key_1);
        return true;
    }
    return false;
}

void frmMain::PressShownAnswer(int place) {
    // The buttons shown, left to right: A-D, or 对 and 错.
    std::vector<std::pair<StyleButton*, int>> shown;
    for (int i = 0; i < 4; ++i)
        if (cmdAn[size_t(i)]->isVisibleTo(this))
            shown.emplace_back(cmdAn[size_t(i)], i);
    for (int i = 0; i < 2; ++i)
        if (cmdYN[size_t(i)]->isVisibleTo(this))
            shown.emplace_back(cmdYN[size_t(i)], 4 + i);
    std::sort(shown.begin(), shown.end(), [this](const auto& a, const auto& b) {
        return a.first->mapTo(this, QPoint()).x() < b.first->mapTo(this, QPoint()).x();
    });
    if (place >= int(shown.size()) || !shown[size_t(place)].first->isEnabled())
        return;
    const int which = shown[size_t(place)].second;
    if (which < 4)
        cmdAn_Click(which);
    else
        cmdYN_Click(which - 4);
}

void frmMain::dg_Click() {
    try {
        dg->setCellBackColor(kLightCyan);
        ShowPaper(GetCurPaper());
        if (!dg->RowIsVisible(dg->Row()))
            dg->setTopRow(dg->Row());
    } catch (...) {
    }
}

void frmMain::dg_LeaveCell() {
    const qint32 cur = GetCurPaper();
    if (cur < 1 || cur > qs.paperCount)
        return;
    const SheetLook look =
        SheetLook::Left(qs.papers[size_t(cur)], qs.mode == Mode::Exam && !qs.bShowAnswer);
    dg->setCellBackColor(look.back);
    if (!look.textChanges)
        return;
    dg->setCellForeColor(look.fore);
    dg->setCellFontStrikeThrough(look.strike);
}
