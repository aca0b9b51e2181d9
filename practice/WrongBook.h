#pragma once

#include <QString>

// The wrong-question book: the bank's errpaper mark on each question.
namespace WrongBook {

QString MarkSql(qint32 id);   // "update paper set errpaper=1 where [id]=" + id
QString UnmarkSql(qint32 id); // "update paper set errpaper=0 where [id]=" + id

// Each throws StoreError when the store refuses the write.
void Mark(qint32 id);
void Unmark(qint32 id);
// The learner's own mark: true when the bank holds the question.
bool MarkByHand(qint32 id);
// Empties the book.
void Reset();

} // namespace WrongBook
