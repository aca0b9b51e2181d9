#include "ChapterList.h"

#include "JetDialect.h"
#include "Mod.h"

namespace ChapterList {

QString Sql(const QString& code) {
    return QStringLiteral(
               "select  chap,strtype,count(*) ,min(id) from paper where licensetype like "
               "'*") +
           JetDialect::quote(code) + QStringLiteral("*' group by chap,strtype order by min(id)");
}

QList<ChapterRow> Read(const QString& sql) {
    Recordset rs = Mod::db.openRecordset(sql);
    const int count = Mod::GetRecordCount(rs);
    QList<ChapterRow> rows;
    rows.append(ChapterRow());
    qint32 total = 0;
    for (int i = 1; i <= count; ++i) {
        ChapterRow row;
        row.count = rs.field(2).toInt();
        row.strtype = rs.field(1).toString();
        row.text = rs.field(0).toString() + QStringLiteral("、") + row.strtype + u'(' +
                   QString::number(row.count) + QStringLiteral("题)");
        total += row.count;
        rows.append(row);
        rs.moveNext();
    }
    rows[0].text = QStringLiteral("所有试题(") + QString::number(total) + QStringLiteral("题)");
    rows[0].count = total;
    return rows;
}

} // namespace ChapterList
