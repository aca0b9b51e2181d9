#include "QuestionSet.h"

#include "AnswerSheet.h"
#include "AnswerStep.h"
#include "Mod.h"
#include "PaperQuery.h"
#include "Recordset.h"
#include "Rounding.h"
#include "WindowColors.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace {

// The numbers of the answer sheet, made once: a load writes one into every
// cell, and a copy of a shared string costs no allocation.
QString NumberText(qint32 n) {
    static std::vector<QString> texts;
    constexpr qint32 kCached = 1 << 16;
    if (n < 0 || n >= kCached)
        return QString::number(n);
    if (size_t(n) >= texts.size()) {
        const size_t from = texts.size();
        texts.resize(std::min(std::max(size_t(n) + 1, from * 2), size_t(kCached)));
        for (size_t k = from; k < texts.size(); ++k)
            texts[k] = QString::number(qint64(k));
    }
    return texts[size_t(n)];
}

std::function<float()> clockSeededUniform() {
    // Seeded once from the clock and the system's entropy: reseeding from the
    // clock on every draw repeats values within one clock tick. The engine is
    // made at the first draw, so a window that never shuffles (and every
    // start-up) does not pay for it.
    return [engine = std::shared_ptr<std::mt19937>()]() mutable {
        if (!engine)
            engine = std::make_shared<std::mt19937>(
                std::random_device{}() ^
                unsigned(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(*engine);
    };
}

} // namespace

QuestionSet::QuestionSet() : papers(1), uniform_(clockSeededUniform()) {}

AnswerStep QuestionSet::Answer(qint32 k, qint16 index, bool autoGo) {
    AnswerStep step;
    if (k < 1 || k > paperCount)
        return step;
    PaperRecord& q = papers[size_t(k)];
    step.applied = true;
    step.id = q.id;
    q.userAnswer = index; // a later answer replaces an earlier one
    if (mode == Mode::Sequential)
        lastSeq = k;
    step.right = q.userAnswer == q.answerIndex;
    const bool exam = mode == Mode::Exam;
    step.showMark = !exam;
    // Only the first answer counts.
    if (q.bFirst)
        ++(step.right ? rightCount : wrongCount);
    q.bFirst = false;
    if (step.right) {
        if (!exam && mode == Mode::WrongBook && bRemoveRight)
            step.book = AnswerStep::Book::Unmark;
        if (!exam && autoGo)
            step.moveAfterMs = kPracticeMoveMs;
    } else {
        // Every wrong answer, the examination's too, goes into the book.
        step.book = AnswerStep::Book::Mark;
    }
    if (exam)
        step.moveAfterMs = kExamMoveMs;
    return step;
}

qint32 QuestionSet::Rand16() {
    float r = uniform_();
    if (!(r >= 0.0f && r < 1.0f))
        r = 0.0f;
    const qint32 x = seed * seed + seed / 13;
    // Round to nearest, ties to even: x, or x + 1 when r is above one half.
    seed = Rounding::HalfEven(double(x) + double(r)) % 32768;
    return seed;
}

qint32 QuestionSet::RandPaper(qint32 min, qint32 max) {
    if (max == 0)
        max = paperCount;
    const qint32 lo = qMax(min, 0);
    const qint32 hi = qMin(max, paperCount);
    auto isFree = [this](qint32 k) { return papers[size_t(k)].userAnswer == 0; };

    int misses = 0;
    while (true) {
        const qint32 k = Rand16() % (paperCount + 1);
        if (k >= lo && k <= hi && isFree(k))
            return k;
        // The generator cannot reach every position of a large set; after a
        // run of misses, take the next free position after the one drawn.
        if (++misses < kMaxMisses)
            continue;
        if (lo > hi)
            return 0;
        // The search starts at the drawn position, brought into the bounds,
        // so that the positions it fills are as evenly spread as the draws.
        const qint32 span = hi - lo + 1;
        const qint32 start = lo + ((k - lo) % span + span) % span;
        for (qint32 step = 0; step < span; ++step) {
            const qint32 p = lo + (start - lo + step) % span;
            if (isFree(p))
                return p;
        }
        return 0;
    }
}

void QuestionSet::SetCurPaper(AnswerSheet& dg, qint32 sequeue) const {
    if (sequeue < 1 || sequeue > paperCount)
        return;
    dg.setRow((sequeue - 1) / 10);
    dg.setCol((sequeue - 1) % 10);
    dg.setText(NumberText(sequeue));
}

qint32 QuestionSet::GetCurPaper(const AnswerSheet& dg) const {
    const qint32 k = dg.Row() * 10 + dg.Col() + 1;
    return k >= 1 && k <= paperCount ? k : 0;
}

void QuestionSet::Load(Recordset& rs, bool bRandOrder, AnswerSheet& dg) {
    dg.setRedraw(false);
    paperCount = Mod::GetRecordCount(rs);

    dg.setRows(0);
    papers.assign(size_t(paperCount) + 1, PaperRecord());
    dg.setRows(paperCount / 10 + (paperCount % 10 != 0 ? 1 : 0));
    for (qint32 i = 1; i <= paperCount; ++i)
        papers[size_t(i)].userAnswer = 0;

    const PaperQuery::PaperColumns columns =
        paperCount > 0 ? PaperQuery::PaperColumns::of(rs) : PaperQuery::PaperColumns{};
    for (qint32 i = 1; i <= paperCount; ++i) {
        qint32 target = bRandOrder ? RandPaper(1) : i;
        PaperQuery::RecordPaper(papers[size_t(target)], rs, columns);
        rs.moveNext();
        SetCurPaper(dg, target);
    }

    dg.setForeColor(WindowColors::kNavy);
    dg.setGridColor(WindowColors::kButtonFace);
}

void QuestionSet::LoadPractice(const QString& Exam, const QString& Chap, bool bRandOrder,
                               bool bError, AnswerSheet& dg) {
    try {
        Recordset rs = Mod::db.openRecordset(PaperQuery::InitPaperSql(Exam, Chap, bError));
        Load(rs, bRandOrder, dg);
    } catch (...) {
        // A half-loaded set is worse than none.
        Clear(dg);
        throw;
    }
    rightCount = 0;
    wrongCount = 0;
}

void QuestionSet::Clear(AnswerSheet& dg) {
    dg.setRows(0);
    papers.assign(1, PaperRecord());
    paperCount = 0;
    rightCount = 0;
    wrongCount = 0;
    dg.setRedraw(true);
}
