#pragma once

#include <cstdint>

struct PaperRecord;

// How a cell of the answer sheet looks once the learner leaves it.
struct SheetLook {
    std::uint32_t back = 0;
    std::uint32_t fore = 0;
    bool strike = false;
    // False while an examination runs with its answers hidden: the cell's
    // text keeps its colour and nothing gives the judgement away.
    bool textChanges = true;

    // Unanswered cells are white and answered ones light yellow; a wrong
    // answer's number is red and struck through.
    static SheetLook Left(const PaperRecord& q, bool examHidingAnswers);
};
