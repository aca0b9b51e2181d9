#pragma once

#include <QString>

// The rules of the mock examination, as the notice states them.
namespace ExamRules {

constexpr int kTrueFalseCount = 40; // 判断 at positions 1..40
constexpr int kChoiceCount = 60;    // 单选 at positions 41..100
constexpr int kQuestionCount = kTrueFalseCount + kChoiceCount;
constexpr int kSeconds = 45 * 60; // the count-down of the clock
constexpr int kPassScore = 90;

constexpr bool IsPass(int score) {
    return score >= kPassScore;
}

// The notice before the examination, with the vehicle type's question count.
QString Notice(int questionCount);
// "考试得分: 92分".
QString ScoreLine(int num);
// Passed or not, in the learner's words.
QString PassLine(int num);

} // namespace ExamRules
