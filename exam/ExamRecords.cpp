#include "ExamRecords.h"

#include "Mod.h"

namespace ExamRecords {

void PruneOld() {
    Mod::db.execute(QStringLiteral("delete from record where datediff('d',recordtime,now)>7"));
}

} // namespace ExamRecords
