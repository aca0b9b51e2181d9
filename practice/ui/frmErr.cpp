#include "frmErr.h"

#include "AppFonts.h"
#include "Controls.h"
#include "FrameBox.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "WindowColors.h"
#include "WrongBook.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>

frmErr::frmErr(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmErr"));
    setWindowTitle(QStringLiteral("错题练习"));
    setFont(AppFonts::song(9));
    setFixedSize(380, 236);
    Controls::Colour(this, WindowColors::kButtonFace, WindowColors::kNavy);

    Frame1 = new FrameBox(QStringLiteral("说明与设置"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(10, 6, 360, 180);
    chksetOK = new QCheckBox(QStringLiteral("答对的试题从错题练习中自动除去"), Frame1);
    chksetOK->setObjectName(QStringLiteral("chksetOK"));
    chksetOK->setGeometry(14, 24, 330, 22);
    const QString br = QStringLiteral("\r\n");
    Label1 = Controls::Label(Frame1, "Label1",
                             QStringLiteral("错题练习试题组成:") + br + br +
                                 QStringLiteral("1、\t练习中手工设置为错题的试题") + br + br +
                                 QStringLiteral("2、\t软件自动记录练习中答错的试题") + br + br +
                                 QStringLiteral("3、\t软件自动记录模拟考试中答错的试题"),
                             QRect(14, 52, 336, 122));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    buttons_ = FormButtons::Load(this, QStringLiteral(":/layouts/frmErr.layout"));
    for (int i = 0; i < 3; ++i) {
        StyleButton* b = FormButtons::ButtonOrPlain(buttons_, this, QStringLiteral("cmd"), i);
        cmd[size_t(i)] = b;
        connect(b, &StyleButton::Click, this, [this, i] { cmd_Click(i); });
    }

    MsgBox = [this](const QString& text, QMessageBox::StandardButtons buttons) {
        QMessageBox box(QMessageBox::Question, windowTitle(), text, buttons, this);
        if (QAbstractButton* b = box.button(QMessageBox::Yes))
            b->setText(QStringLiteral("是(&Y)"));
        if (QAbstractButton* b = box.button(QMessageBox::No))
            b->setText(QStringLiteral("否(&N)"));
        return QMessageBox::StandardButton(box.exec());
    };
}

bool frmErr::GetError(bool& bRand, bool& Selected) {
    errRand = false;
    errSelected = false;
    exec();
    bRand = errRand;
    Selected = errSelected;
    return chksetOK->isChecked();
}

void frmErr::cmd_Click(int Index) {
    if (Index == 0 || Index == 1) {
        errSelected = true;
        errRand = Index == 1;
        hide();
        return;
    }
    errSelected = false;
    if (MsgBox(QStringLiteral("你确定要重新设置强化吗?这会将以前的错误记录删除."),
               QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        WrongBook::Reset();
    } catch (const StoreError& e) {
        MsgBox(QStringLiteral("无法清空错题记录：") + QString::fromUtf8(e.what()), QMessageBox::Ok);
        return;
    }
    errRand = true;
    hide();
}

void frmErr::closeEvent(QCloseEvent* event) {
    // Closed by its window button, the dialog is as if made anew next time.
    chksetOK->setChecked(false);
    QDialog::closeEvent(event);
}
