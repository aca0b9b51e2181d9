#include "ExamRules.h"

namespace ExamRules {

QString Notice(int questionCount) {
    const QString gap = QStringLiteral("\r\n\r\n");
    return QStringLiteral("试题数量：100题。") + gap + QStringLiteral("考试时间：45分钟") + gap +
           QStringLiteral("考试内容：本软件中的所有试题，合计") + QString::number(questionCount) +
           QStringLiteral("题。") + gap +
           QStringLiteral("组题方式: 按公安部规定的比例关系随机抽取、组合。") + gap +
           QStringLiteral("合格标准：满分为100分，成绩达到90分的为合格。");
}

QString ScoreLine(int num) {
    return QStringLiteral("考试得分: ") + QString::number(num) + QStringLiteral("分");
}

QString PassLine(int num) {
    return IsPass(num) ? QStringLiteral("恭喜您过关！希望您再接再厉！")
                       : QStringLiteral("您没有过关，希望您继续努力！");
}

} // namespace ExamRules
