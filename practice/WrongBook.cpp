#include "WrongBook.h"

#include "Mod.h"

namespace WrongBook {

QString MarkSql(qint32 id) {
    return QStringLiteral("update paper set errpaper=1 where [id]=") + QString::number(id);
}

QString UnmarkSql(qint32 id) {
    return QStringLiteral("update paper set errpaper=0 where [id]=") + QString::number(id);
}

void Mark(qint32 id) {
    Mod::db.execute(MarkSql(id));
}

void Unmark(qint32 id) {
    Mod::db.execute(UnmarkSql(id));
}

bool MarkByHand(qint32 id) {
    Mod::db.execute(QStringLiteral("update paper set errpaper=1 where id=") + QString::number(id));
    return Mod::db.recordsAffected() >= 1;
}

void Reset() {
    Mod::db.execute(QStringLiteral("update paper set errpaper=0"));
}

} // namespace WrongBook
