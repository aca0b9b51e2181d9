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

// Where the columns a question record needs stand in a result of table
// paper; looked up once per load rather than once per row.
struct PaperColumns {
    int id, type, question, an[4], answertrue, imageUrl;
    int explain;                                 // -1 for a bank without explanations
    static PaperColumns of(const Recordset& rs); // throws StoreError for a missing column
};

// Fills `record` from the current row of a recordset on table paper.
// Throws StoreError when the row lacks its question text or answer.
void RecordPaper(PaperRecord& record, const Recordset& rs);
void RecordPaper(PaperRecord& record, const Recordset& rs, const PaperColumns& columns);

} // namespace PaperQuery
