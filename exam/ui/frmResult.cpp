#include "frmResult.h"

#include "AppFonts.h"
#include "Controls.h"
#include "ExamRecords.h"
#include "ExamRules.h"
#include "StoreError.h"
#include "StyleButton.h"
#include "Twips.h"
#include "WindowColors.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>

frmResult::frmResult(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmResult"));
    setWindowTitle(QStringLiteral("模拟考试"));
    setFont(AppFonts::song(10.5));
    setFixedSize(440, 360);
    Controls::Colour(this, WindowColors::kButtonFace, WindowColors::kNavy);
    Label1 = Controls::Label(this, "Label1", QStringLiteral("     0分"), QRect(20, 10, 400, 34));
    Label1->setFont(AppFonts::song(15, true));
    Label2 = Controls::Label(this, "Label2", QStringLiteral("您没有过关，希望您继续努力！"),
                             QRect(20, 46, 400, 26));

    dg = new QTableWidget(this);
    dg->setObjectName(QStringLiteral("dg"));
    dg->setGeometry(20, 80, 404, 206);
    dg->setColumnCount(3);
    dg->setHorizontalHeaderLabels(
        {QStringLiteral("名次"), QStringLiteral("分数"), QStringLiteral("考试时间")});
    dg->verticalHeader()->hide();
    dg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dg->setSelectionMode(QAbstractItemView::NoSelection);
    const int widths[] = {1500, 1500, 3000};
    for (int c = 0; c < 3; ++c)
        dg->setColumnWidth(c, Twips::ToPixels(widths[c]));

    buttons_ = FormButtons::Load(this, QStringLiteral(":/layouts/frmResult.layout"));
    for (int i = 0; i < 4; ++i) {
        StyleButton* b = FormButtons::ButtonOrPlain(buttons_, this, QStringLiteral("cmd"), i);
        cmd[size_t(i)] = b;
        connect(b, &StyleButton::Click, this, [this, i] { cmd_Click(i); });
    }
}

int frmResult::ExamResult(int Num) {
    Label1->setText(ExamRules::ScoreLine(Num));
    Label2->setText(ExamRules::PassLine(Num));
    resultCode = Closed;
    fillScores();
    exec();
    return resultCode;
}

void frmResult::fillScores() {
    QList<ExamRecords::Score> scores;
    try {
        scores = ExamRecords::Latest();
    } catch (const StoreError&) {
        // An unreadable list shows empty; the score itself is above it.
    }
    dg->clearContents();
    dg->setRowCount(qMax(1, int(scores.size())));
    // Chinese dates, as every text of the windows is, whatever the system's
    // own language.
    const QLocale locale(QLocale::Chinese, QLocale::China);
    for (int i = 0; i < scores.size(); ++i) {
        const ExamRecords::Score& s = scores[i];
        const QString when = locale.toString(s.recordtime.date(), QLocale::ShortFormat) + u' ' +
                             s.recordtime.time().toString(QStringLiteral("HH:mm:ss"));
        const QString cells[] = {QString::number(i + 1), QString::number(s.num), when};
        for (int c = 0; c < 3; ++c)
            dg->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
}

void frmResult::cmd_Click(int Index) {
    if (Index == 3) {
        try {
            ExamRecords::DeleteAll();
        } catch (const StoreError&) {
        }
        return; // the list stays as it was until the dialog shows again
    }
    resultCode = Index;
    hide();
}
