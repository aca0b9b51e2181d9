#include "ProgressText.h"

#include "Rounding.h"

namespace ProgressText {

QString Rate(Mode mode, qint32 rightCount, qint32 wrongCount) {
    const QString name = mode == Mode::Exam ? QStringLiteral("正确率 ") : QStringLiteral("首正率 ");
    const qint32 answered = rightCount + wrongCount;
    if (answered == 0)
        return name + QStringLiteral("0.00%");
    return name + QString::number(double(rightCount) / answered * 100, 'f', 2) + u'%';
}

QString RightOfAnswered(qint32 rightCount, qint32 wrongCount) {
    return QStringLiteral("正确/答题 ") + QString::number(rightCount) + u'/' +
           QString::number(rightCount + wrongCount);
}

int BarWidth(qint32 rightCount, qint32 wrongCount, qint32 paperCount, int fullWidth) {
    if (paperCount == 0)
        return 0;
    // In single precision, as the bar has always been measured.
    const float part = float(rightCount + wrongCount) / float(paperCount) * float(fullWidth);
    return Rounding::HalfEven(double(part));
}

} // namespace ProgressText
