#include "PaperText.h"

#include "PaperRecord.h"

namespace PaperText {

QString QuestionLine(qint32 index, const PaperRecord& q) {
    return QString::number(index) + QStringLiteral(". ") + q.question;
}

QString Options(const PaperRecord& q) {
    if (!q.bChoice)
        return {};
    const QString gap = kLineBreak + kLineBreak;
    return QStringLiteral("A. ") + q.an1 + gap + QStringLiteral("B. ") + q.an2 + gap +
           QStringLiteral("C. ") + q.an3 + gap + QStringLiteral("D. ") + q.an4 + kLineBreak;
}

QString AnswerName(const PaperRecord& q, qint32 answer) {
    switch (answer) {
    case 0:
        return q.bChoice ? QStringLiteral("A") : QStringLiteral("对");
    case 1:
        return q.bChoice ? QStringLiteral("B") : QStringLiteral("错");
    case 2:
        return QStringLiteral("C");
    case 3:
        return QStringLiteral("D");
    default:
        return {};
    }
}

QString UserAnswer(const PaperRecord& q) {
    return u'_' + AnswerName(q, q.userAnswer) + u'_';
}

QString Result(const PaperRecord& q) {
    if (q.bChoice)
        return q.answerIndex >= 0 && q.answerIndex <= 3 ? AnswerName(q, q.answerIndex) : QString();
    // A true/false question's answer is 对 only for index 0.
    return q.answerIndex == 0 ? QStringLiteral("对") : QStringLiteral("错");
}

QString Explanation(const PaperRecord& q) {
    return q.explain.isEmpty() ? QString() : QStringLiteral("解析：") + q.explain;
}

QString Position(const QString& title, qint32 paperCount, const QString& carItem) {
    return title + QStringLiteral("(共计") + QString::number(paperCount) + QStringLiteral("题)--") +
           carItem.left(3);
}

} // namespace PaperText
