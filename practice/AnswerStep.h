#pragma once

#include <QtGlobal>

// What an answer to the current question leads to, decided by the rules and
// carried out by the window in this order: the mark shown, the book written,
// the wait and the move, the statistics refreshed.
struct AnswerStep {
    bool applied = false; // false: there was no current question
    bool right = false;
    bool showMark = false; // the right or wrong mark; never in the examination
    // The write to the wrong-question book, if any.
    enum class Book { None, Mark, Unmark } book = Book::None;
    qint32 id = 0;
    // Milliseconds to wait before the move to the next question; -1: no move.
    int moveAfterMs = -1;
};
