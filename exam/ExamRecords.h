#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The examination scores kept in the bank's table record.
namespace ExamRecords {

struct Score {
    int num = 0;
    QDateTime recordtime;
};

// Each throws StoreError when the store refuses.
// Stores a score handed in at `when`.
void Store(int num, const QDateTime& when);
QString StoreSql(int num, const QDateTime& when);
// The five most recent scores, best first (more when the fifth place is
// shared).
QList<Score> Latest();
void DeleteAll();
// Drops the scores of more than seven days ago.
void PruneOld();
// How many questions the bank holds for a vehicle code (all for an empty one).
int QuestionCount(const QString& code);

} // namespace ExamRecords
