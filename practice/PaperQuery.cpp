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

PaperColumns PaperColumns::of(const Recordset& rs) {
    PaperColumns c;
    c.id = rs.fieldIndexOrThrow(QStringLiteral("ID"));
    c.type = rs.fieldIndexOrThrow(QStringLiteral("type"));
    c.question = rs.fieldIndexOrThrow(QStringLiteral("question"));
    for (int i = 0; i < 4; ++i)
        c.an[i] = rs.fieldIndexOrThrow(QStringLiteral("an%1").arg(i + 1));
    c.answertrue = rs.fieldIndexOrThrow(QStringLiteral("answertrue"));
    c.imageUrl = rs.fieldIndexOrThrow(QStringLiteral("ImageUrl"));
    c.explain = rs.fieldIndex(QStringLiteral("explain"));
    return c;
}

void RecordPaper(PaperRecord& record, const Recordset& rs) {
    RecordPaper(record, rs, PaperColumns::of(rs));
}

void RecordPaper(PaperRecord& record, const Recordset& rs, const PaperColumns& c) {
    if (rs.isNull(c.question) || rs.isNull(c.answertrue))
        throw StoreError("题目 " + rs.text(c.id).toStdString() + " 缺少题干或答案。");
    // Filled in place: a load sets every field of every question.
    record.id = qint32(rs.integer(c.id));
    record.question = rs.text(c.question);
    record.an1 = rs.text(c.an[0]);
    record.an2 = rs.text(c.an[1]);
    record.an3 = rs.text(c.an[2]);
    record.an4 = rs.text(c.an[3]);
    record.bChoice = rs.integer(c.type) == 1;
    record.answerIndex = qint16(rs.integer(c.answertrue) - 1);
    record.ImageUrl = rs.text(c.imageUrl);
    record.explain = c.explain >= 0 ? rs.text(c.explain) : QString();
    record.userAnswer = -1;
    record.bFirst = true;
}

} // namespace PaperQuery
