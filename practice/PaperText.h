#pragma once

#include <QString>

struct PaperRecord;

// The texts that show a question: its line, its options, the learner's
// answer and the correct one.
namespace PaperText {

// The platform's line break, as the option texts use it.
inline const QString kLineBreak = QStringLiteral("\r\n");

// "7. " followed by the question.
QString QuestionLine(qint32 index, const PaperRecord& q);
// "A. " … "D. " with two line breaks between options and one after the last;
// empty for a true/false question.
QString Options(const PaperRecord& q);
// The text of an answer index: A-D, or 对/错 for a true/false question;
// empty for any other index (-1, not answered).
QString AnswerName(const PaperRecord& q, qint32 answer);
// The learner's answer between two underscores: "__" when not answered.
QString UserAnswer(const PaperRecord& q);
// The correct answer.
QString Result(const PaperRecord& q);
// The explanation shown with the correct answer: "解析：…"; empty when the
// bank has none for the question.
QString Explanation(const PaperRecord& q);
// The question area's title: "顺序练习(共计1234题)--小车版".
QString Position(const QString& title, qint32 paperCount, const QString& carItem);

} // namespace PaperText
