#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "AnswerStep.h"
#include "Mode.h"
#include "PaperRecord.h"

class AnswerSheet;
class Recordset;

// The questions the learner is working through, with the answers, the
// first-answer counters and the mode state. Positions are 1-based: position
// k is question k on screen and in the answer sheet; papers[0] is unused.
class QuestionSet {
public:
    QuestionSet();

    std::vector<PaperRecord> papers;
    qint32 paperCount = 0;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    Mode mode = Mode::CarType;
    bool bRand = false;
    QString carType;
    qint32 lastSeq = 0;
    bool bShowAnswer = false;
    bool bRemoveRight = false;
    qint32 seed = 0;

    // Fills the set from every row of `rs` (steps of a load that need no
    // window): sizes and numbers the answer sheet, places each row at its
    // position (bank order, or a random free position), sets the sheet's
    // colours. Repainting of the sheet stays off; the caller switches it on.
    void Load(Recordset& rs, bool bRand, AnswerSheet& dg);
    // Runs the statement of a practice mode on the bank and loads its rows
    // with both counters at zero. A load that fails leaves an empty set and
    // an empty sheet (with repainting on) and passes the StoreError on.
    void LoadPractice(const QString& Exam, const QString& Chap, bool bRand, bool bError,
                      AnswerSheet& dg);
    // An empty set: no questions, no rows, counters at zero.
    void Clear(AnswerSheet& dg);

    // The learner answers question k (0 = no current question) with index
    // 0..3 (A-D; 对/错 as 0/1): records it, counts a first answer, follows
    // the resume point in sequential practice, and says what follows. With
    // `autoGo` a right answer in practice moves on by itself.
    AnswerStep Answer(qint32 k, qint16 index, bool autoGo);
    // Waits before the move after an answer.
    static constexpr int kPracticeMoveMs = 300;
    static constexpr int kExamMoveMs = 100;

    // The next value of the position generator, 0..32767.
    qint32 Rand16();
    // A free position (userAnswer 0) in [min, max]; max 0 means paperCount.
    // Returns 0 when there is none.
    qint32 RandPaper(qint32 min = 0, qint32 max = 0);

    // The answer sheet's current cell <-> position.
    void SetCurPaper(AnswerSheet& dg, qint32 sequeue) const;
    qint32 GetCurPaper(const AnswerSheet& dg) const;

    // The uniform draw r in [0, 1) behind Rand16; tests pin it.
    void setUniform(std::function<float()> uniform) { uniform_ = std::move(uniform); }

    // Draws without a free position before RandPaper takes the next free one.
    static constexpr int kMaxMisses = 64;

private:
    std::function<float()> uniform_;
};
