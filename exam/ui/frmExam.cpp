#include "frmExam.h"

#include "AppFonts.h"
#include "Controls.h"
#include "ExamRecords.h"
#include "ExamRules.h"
#include "FrameBox.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "WindowColors.h"

#include <QLabel>

frmExam::frmExam(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmExam"));
    setWindowTitle(QStringLiteral("模拟考试"));
    setFont(AppFonts::song(10.5));
    setFixedSize(420, 340);
    Controls::Colour(this, WindowColors::kButtonFace, WindowColors::kNavy);
    Frame1 = new FrameBox(QStringLiteral("考试说明"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(10, 8, 400, 268);
    lblExam =
        Controls::Label(Frame1, "lblExam", QStringLiteral("考试说明"), QRect(16, 28, 370, 230));
    lblExam->setWordWrap(true);
    lblExam->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    buttons_ = FormButtons::Load(this, QStringLiteral(":/layouts/frmExam.layout"));
    cmdNext = FormButtons::ButtonOrPlain(buttons_, this, QStringLiteral("cmdNext"));
    connect(cmdNext, &StyleButton::Click, this, &QWidget::hide);
}

void frmExam::Exam(const QString& examType) {
    int count = 0;
    try {
        count = ExamRecords::QuestionCount(examType);
    } catch (const StoreError&) {
        // The notice still shows; only its count is unknown.
    }
    lblExam->setText(ExamRules::Notice(count));
    exec();
}
