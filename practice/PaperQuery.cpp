#include "PaperQuery.h"

#include "JetDialect.h"
#include "PaperRecord.h"
#include "Recordset.h"
#include "StoreError.h"

namespace PaperQuery {

QString InitPaperSql(const QString& Exam, const QString& ChapIn, bool bError) {
    QString condition;
    if (!Exam.isEmpty())
        condition =
            QStringLiteral("licensetype like '*") + JetDialect::quote(Exam) + QStringLiteral("*'");
    const QString Chap = ChapIn == QStringLiteral("所有试题") ? QString() : ChapIn;
    if (!Chap.isEmpty()) {
        if (!condition.isEmpty())
            condition += QStringLiteral(" and ");
        condition += QStringLiteral(" strtype='") + JetDialect::quote(Chap) + u'\'';
    }
    if (bError) {
        if (!condition.isEmpty())
            condition += QStringLiteral(" and ");
        condition += QStringLiteral(" errpaper=true");
    }
    QString sql = QStringLiteral("select * from paper ");
    if (!condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    return sql + QStringLiteral(" order by id");
}

void RecordPaper(PaperRecord& record, const Recordset& rs) {
    const QVariant& question = rs.field(QStringLiteral("question"));
    const QVariant& answer = rs.field(QStringLiteral("answertrue"));
    if (question.isNull() || answer.isNull())
        throw StoreError("题目 " + rs.field(QStringLiteral("ID")).toString().toStdString() +
                         " 缺少题干或答案。");
    PaperRecord r;
    r.id = qint32(rs.field(QStringLiteral("ID")).toLongLong());
    r.question = question.toString();
    r.an1 = rs.field(QStringLiteral("an1")).toString();
    r.an2 = rs.field(QStringLiteral("an2")).toString();
    r.an3 = rs.field(QStringLiteral("an3")).toString();
    r.an4 = rs.field(QStringLiteral("an4")).toString();
    r.bChoice = rs.field(QStringLiteral("type")).toLongLong() == 1;
    r.answerIndex = qint16(answer.toLongLong() - 1);
    r.ImageUrl = rs.field(QStringLiteral("ImageUrl")).toString();
    r.userAnswer = -1;
    r.bFirst = true;
    record = std::move(r);
}

} // namespace PaperQuery
