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
    return c;
}

void RecordPaper(PaperRecord& record, const Recordset& rs) {
    RecordPaper(record, rs, PaperColumns::of(rs));
}

void RecordPaper(PaperRecord& record, const Recordset& rs, const PaperColumns& c) {
    const QVariant question = rs.field(c.question);
    const QVariant answer = rs.field(c.answertrue);
    if (question.isNull() || answer.isNull())
        throw StoreError("题目 " + rs.field(c.id).toString().toStdString() + " 缺少题干或答案。");
    PaperRecord r;
    r.id = qint32(rs.field(c.id).toLongLong());
    r.question = question.toString();
    r.an1 = rs.field(c.an[0]).toString();
    r.an2 = rs.field(c.an[1]).toString();
    r.an3 = rs.field(c.an[2]).toString();
    r.an4 = rs.field(c.an[3]).toString();
    r.bChoice = rs.field(c.type).toLongLong() == 1;
    r.answerIndex = qint16(answer.toLongLong() - 1);
    r.ImageUrl = rs.field(c.imageUrl).toString();
    r.userAnswer = -1;
    r.bFirst = true;
    record = std::move(r);
}

} // namespace PaperQuery
