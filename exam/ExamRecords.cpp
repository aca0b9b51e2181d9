#include "ExamRecords.h"

#include "JetDialect.h"
#include "Mod.h"

namespace ExamRecords {

QString StoreSql(int num, const QDateTime& when) {
    return QStringLiteral("insert into record(num,recordtime) values(") + QString::number(num) +
           QStringLiteral(",#") + when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral("#)");
}

void Store(int num, const QDateTime& when) {
    Mod::db.execute(StoreSql(num, when));
}

QList<Score> Latest() {
    Recordset rs = Mod::db.openRecordset(
        QStringLiteral("select top 5 * from record where id in(select top 5 id from record  order "
                       "by recordtime desc) order by num desc"));
    const int count = Mod::GetRecordCount(rs);
    QList<Score> scores;
    for (int i = 0; i < count; ++i) {
        Score s;
        s.num = rs.field(QStringLiteral("num")).toInt();
        const QVariant when = rs.field(QStringLiteral("recordtime"));
        s.recordtime =
            QDateTime::fromString(when.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!s.recordtime.isValid())
            s.recordtime = when.toDateTime();
        scores << s;
        rs.moveNext();
    }
    return scores;
}

void DeleteAll() {
    Mod::db.execute(QStringLiteral("delete from record"));
}

void PruneOld() {
    Mod::db.execute(QStringLiteral("delete from record where datediff('d',recordtime,now)>7"));
}

int QuestionCount(const QString& code) {
    QString sql = QStringLiteral("select count(*) from paper");
    if (!code.isEmpty())
        sql += QStringLiteral("  where licensetype like '*") + JetDialect::quote(code) +
               QStringLiteral("*'");
    return Mod::db.openRecordset(sql).field(0).toInt();
}

} // namespace ExamRecords
