#pragma once

#include <QList>
#include <QString>

// The groups of the bank a learner can practise on their own: one row per
// chapter and type, in the order of their first question, after a row for
// all questions together.
struct ChapterRow {
    QString text;    // "第一章、交通标志(120题)"; row 0 "所有试题(N题)"
    QString strtype; // empty for row 0: all questions
    qint32 count = 0;
};

namespace ChapterList {

// The grouping query for a vehicle code.
QString Sql(const QString& code);
// The rows the query gives; throws StoreError when it fails.
QList<ChapterRow> Read(const QString& sql);

} // namespace ChapterList
