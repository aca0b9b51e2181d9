#pragma once

// The examination scores kept in the bank's table record.
namespace ExamRecords {

// Drops the scores of more than seven days ago. Throws StoreError when the
// store refuses.
void PruneOld();

} // namespace ExamRecords
