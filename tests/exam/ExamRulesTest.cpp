#include "ExamRules.h"
#include "Database.h"
#include "ExamRecords.h"
#include "JetFunctions.h"
#include "Mod.h"
#include "TestBank.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(ExamRules, NinetyOfAHundredPasses) {
    EXPECT_EQ(ExamRules::kQuestionCount, 100);
    EXPECT_EQ(ExamRules::kSeconds, 2700);
    EXPECT_FALSE(ExamRules::IsPass(89));
    EXPECT_TRUE(ExamRules::IsPass(90));
}

TEST(ExamRecords, PruningDropsScoresOfMoreThanSevenDaysAgo) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 2, false)));
    Mod::SetProgramFolder(bank.programFolder());
    ASSERT_TRUE(Mod::OpenStore(Mod::db));
    const QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
    JetFunctions::setClock([now] { return now; });
    for (int days : {8, 7, 0}) {
        Mod::db.execute(QStringLiteral("insert into record(num,recordtime) values(%1,#%2#)")
                            .arg(days)
                            .arg(now.addDays(-days).toString("yyyy-MM-dd HH:mm:ss")));
    }
    ExamRecords::PruneOld();
    Recordset rs = Mod::db.openRecordset("select num from record order by num");
    QList<int> left;
    for (; !rs.eof(); rs.moveNext())
        left << rs.field(0).toInt();
    EXPECT_EQ(left, QList<int>({0, 7}));
    JetFunctions::setClock({});
    Mod::db.close();
    Mod::SetProgramFolder(QString());
}
