#include "ExamPaper.h"

#include "AnswerSheet.h"
#include "ExamRules.h"
#include "JetDialect.h"
#include "Mod.h"
#include "PaperQuery.h"
#include "QuestionSet.h"
#include "WindowColors.h"

#include <vector>

namespace ExamPaper {

namespace {

QString TrueFalseSql(const QString& code) {
    return QStringLiteral("select * from paper where  [type]=2 ") + Filter(code) +
           QStringLiteral(" order by id");
}

QString ChoiceSql(const QString& code) {
    return QStringLiteral("select * from paper where [type]=1 ") + Filter(code) +
           QStringLiteral(" order by id");
}

// Every row of `rs` placed at a random free position of the set.
void Arrange(QuestionSet& qs, Recordset& rs) {
    qs.paperCount = Mod::GetRecordCount(rs);
    qs.papers.assign(size_t(qs.paperCount) + 1, PaperRecord());
    for (qint32 i = 1; i <= qs.paperCount; ++i)
        qs.papers[size_t(i)].userAnswer = 0;
    if (qs.paperCount == 0)
        return;
    const PaperQuery::PaperColumns columns = PaperQuery::PaperColumns::of(rs);
    for (qint32 i = 1; i <= qs.paperCount; ++i) {
        PaperQuery::RecordPaper(qs.papers[size_t(qs.RandPaper(1))], rs, columns);
        rs.moveNext();
    }
}

} // namespace

Shortage::Shortage(int tf, int mc)
    : std::runtime_error("too few questions for an examination"), trueFalse(tf), choice(mc) {}

QString Shortage::Message() const {
    return QStringLiteral("题库中这个车型只有判断题 %1 道、单选题 %2 道，无法组成模拟考试试卷。\n"
                          "组卷至少需要判断题 %3 道、单选题 %4 道。")
        .arg(trueFalse)
        .arg(choice)
        .arg(ExamRules::kTrueFalseCount)
        .arg(ExamRules::kQuestionCount);
}

QString Filter(const QString& code) {
    if (code.isEmpty())
        return {};
    return QStringLiteral(" and licensetype like '*") + JetDialect::quote(code) +
           QStringLiteral("*'");
}

void Count(const QString& code, int* trueFalse, int* choice) {
    const QString where = code.isEmpty() ? QString()
                                         : QStringLiteral(" and licensetype like '*") +
                                               JetDialect::quote(code) + QStringLiteral("*'");
    *trueFalse =
        Mod::db.openRecordset(QStringLiteral("select count(*) from paper where [type]=2") + where)
            .field(0)
            .toInt();
    *choice =
        Mod::db.openRecordset(QStringLiteral("select count(*) from paper where [type]=1") + where)
            .field(0)
            .toInt();
}

void CheckEnough(const QString& code) {
    int tf = 0, mc = 0;
    Count(code, &tf, &mc);
    // The 单选 part is taken from positions 41..100 of an arrangement of
    // them all, so it needs a hundred.
    if (tf < ExamRules::kTrueFalseCount || mc < ExamRules::kQuestionCount)
        throw Shortage(tf, mc);
}

void Compose(QuestionSet& qs, Recordset& trueFalse, Recordset& choice, AnswerSheet& dg) {
    dg.setRedraw(false);
    dg.setRows(0);
    Arrange(qs, trueFalse);
    std::vector<PaperRecord> scratch(qs.papers.begin() + 1,
                                     qs.papers.begin() + 1 + ExamRules::kTrueFalseCount);
    Arrange(qs, choice);
    qs.paperCount = ExamRules::kQuestionCount;
    qs.papers.resize(size_t(ExamRules::kQuestionCount) + 1);
    dg.setRows(ExamRules::kQuestionCount / 10);
    for (qint32 i = 1; i <= ExamRules::kTrueFalseCount; ++i) {
        qs.papers[size_t(i)] = scratch[size_t(i - 1)];
        qs.SetCurPaper(dg, i);
    }
    for (qint32 i = ExamRules::kTrueFalseCount + 1; i <= ExamRules::kQuestionCount; ++i)
        qs.SetCurPaper(dg, i);
    dg.setForeColor(WindowColors::kNavy);
    dg.setGridColor(WindowColors::kButtonFace);
    qs.rightCount = 0;
    qs.wrongCount = 0;
}

void InitExam(QuestionSet& qs, const QString& code, AnswerSheet& dg) {
    CheckEnough(code);
    Recordset tf = Mod::db.openRecordset(TrueFalseSql(code));
    Recordset mc = Mod::db.openRecordset(ChoiceSql(code));
    try {
        Compose(qs, tf, mc, dg);
    } catch (...) {
        qs.Clear(dg);
        throw;
    }
}

} // namespace ExamPaper
