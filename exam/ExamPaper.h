#pragma once

#include <QString>
#include <stdexcept>

class AnswerSheet;
class QuestionSet;
class Recordset;

// The mock examination's paper: 40 判断 at positions 1..40 and 60 单选 at
// 41..100, each drawn at random from the vehicle type's questions and in a
// random order, no question twice.
namespace ExamPaper {

// A bank that cannot give a paper: how many of each it holds for the type.
struct Shortage : std::runtime_error {
    Shortage(int trueFalse, int choice);
    int trueFalse, choice;
    // "题库中……只有……" for the learner.
    QString Message() const;
};

// The licence filter of both draws: empty for an empty code.
QString Filter(const QString& code);
// How many 判断 and 单选 the bank holds for a vehicle code. Throws
// StoreError when the store fails.
void Count(const QString& code, int* trueFalse, int* choice);
// Throws Shortage when the bank cannot give a paper for the code.
void CheckEnough(const QString& code);

// Composes a paper from every 判断 row and every 单选 row of the type,
// numbers the sheet's ten rows and zeroes the counters. Repainting of the
// sheet stays off; the caller shows question 1 and switches it on.
void Compose(QuestionSet& qs, Recordset& trueFalse, Recordset& choice, AnswerSheet& dg);
// The same from the bank's statements for the vehicle code; throws
// Shortage (nothing changed) or StoreError.
void InitExam(QuestionSet& qs, const QString& code, AnswerSheet& dg);

} // namespace ExamPaper
