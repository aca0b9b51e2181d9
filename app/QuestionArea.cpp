#include "QuestionArea.h"

#include "AppFonts.h"
#include "AppPictures.h"
#include "Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

QuestionArea::QuestionArea(QWidget* parent) : FrameBox(QStringLiteral("顺序练习"), parent) {
    setObjectName(QStringLiteral("fra"));
    setGeometry(kFrame);

    lblPaper = Controls::Label(this, "lblPaper", QString(), kPaper);
    lblPaper->setWordWrap(true);
    lblPaper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPaper->setFont(AppFonts::song(12, true));
    imgPaper = Controls::Label(this, "imgPaper", QString(), kPicture);
    imgPaper->setAlignment(Qt::AlignCenter);
    imgPaper->hide();
    lblAn = Controls::Label(this, "lblAn", QString(), kOptions);
    lblAn->setWordWrap(true);
    lblAn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAn->setFont(AppFonts::song(11));
    for (int i = 0; i < 4; ++i) {
        auto* o = new QRadioButton(this);
        o->setObjectName(Controls::ArrayName("opt", i));
        o->setGeometry(10, 104 + i * 24, 200, 22);
        o->hide();
        opt[size_t(i)] = o;
    }
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(10, 296, 448, 50);
    Frame1->setFrameShape(QFrame::NoFrame);

    Label1 = Controls::Label(this, "Label1", QStringLiteral("您的答案:"), QRect(10, 356, 76, 24));
    lblAnswer = Controls::Label(this, "lblAnswer", QStringLiteral("__"), QRect(88, 356, 56, 24));
    const char* marks[] = {"result-right", "result-wrong"};
    for (int i = 0; i < 2; ++i) {
        QLabel* mark = Controls::Label(this, "imgResult", QString(), QRect(146, 352, 28, 28));
        mark->setObjectName(Controls::ArrayName("imgResult", i));
        mark->setAlignment(Qt::AlignCenter);
        mark->setPixmap(AppPictures::get(QString::fromLatin1(marks[i])));
        mark->hide();
        imgResult[size_t(i)] = mark;
    }
    Label7 = Controls::Label(this, "Label7", QStringLiteral("答案:"), QRect(190, 356, 46, 24));
    lblResult = Controls::Label(this, "lblResult", QString(), QRect(238, 356, 56, 24));
    // The correct answer starts hidden; the toggle shows it.
    Label7->hide();
    lblResult->hide();
    lblErrOK =
        Controls::Label(this, "lblErrOK", QStringLiteral("设置成功"), QRect(226, 397, 90, 22));
    lblErrOK->hide();
    chkAutoGo = new QCheckBox(QStringLiteral("正确答题后跳转到下一题"), this);
    chkAutoGo->setObjectName(QStringLiteral("chkAutoGo"));
    chkAutoGo->setGeometry(10, 434, 260, 24);
    chkAutoGo->setChecked(true);
}
