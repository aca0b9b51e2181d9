#pragma once

#include <QString>

class Recordset;
struct PaperRecord;

// The statements that load question sets, and the copy of one bank row into
// a question record.
namespace PaperQuery {

// The statement of a practice set: licence filter `Exam` (empty = none),
// question type `Chap` (empty or "所有试题" = all), wrong-question book only.
QString InitPaperSql(const QString& Exam, const QString& Chap, bool bError);

// Fills `record` from the current row of a recordset on table paper.
// Throws StoreError when the row lacks its question text or answer.
void RecordPaper(PaperRecord& record, const Recordset& rs);

} // namespace PaperQuery
