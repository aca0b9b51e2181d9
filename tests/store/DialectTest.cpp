// The statement dialect against a real encrypted file.
#include "Database.h"
#include "JetDialect.h"
#include "JetFunctions.h"
#include "StoreError.h"
#include "TestBank.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

class Dialect : public ::testing::Test {
protected:
    void SetUp() override {
        QList<BankQuestion> questions;
        auto q = [&](qint64 id, const QString& licence) {
            BankQuestion b = TestBank::question(id, id % 2 == 0, licence);
            questions << b;
        };
        q(1, "ABC");
        q(2, "C");
        q(3, "AB");
        q(4, "B");
        q(5, "小车C");
        ASSERT_TRUE(bank.write(questions));
        ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    }
    void TearDown() override { JetFunctions::setClock({}); }

    QList<qint64> ids(const QString& sql) {
        QList<qint64> out;
        Recordset rs = db.openRecordset(sql);
        for (; !rs.eof(); rs.moveNext())
            out << rs.field(0).toLongLong();
        return out;
    }

    TestBank bank;
    Database db;
};

} // namespace

TEST(DialectLike, WildcardsMatchWholeCharacters) {
    using JetFunctions::like;
    EXPECT_TRUE(like("*C*", "ABC"));
    EXPECT_FALSE(like("*C*", "AB"));
    EXPECT_TRUE(like("**", ""));
    EXPECT_TRUE(like("?车", "小车")); // one wildcard, one Chinese character
    EXPECT_FALSE(like("??车", "小车"));
    EXPECT_TRUE(like("*c*", "ABC")); // letters without regard to case
    EXPECT_TRUE(like("第#章", "第1章"));
    EXPECT_FALSE(like("第#章", "第一章"));
    EXPECT_TRUE(like("[AB]*", "B2"));
    EXPECT_FALSE(like("[!AB]*", "B2"));
    EXPECT_TRUE(like("a%b", "a%b")); // % is an ordinary character
    EXPECT_FALSE(like("a%b", "axxb"));
    EXPECT_TRUE(like("a[b", "a[b")); // an unclosed list is literal
}

TEST_F(Dialect, LikeStarFindsTheCodeAnywhereAndNullNever) {
    EXPECT_EQ(ids("select id from paper where licensetype like '*C*' order by id"),
              (QList<qint64>{1, 2, 5}));
    EXPECT_EQ(ids("select id from paper where licensetype like '*B*' order by id"),
              (QList<qint64>{1, 3, 4}));
    db.executeNative("update paper set licensetype=NULL where id=4");
    EXPECT_EQ(ids("select id from paper where licensetype like '**' order by id"),
              (QList<qint64>{1, 2, 3, 5}));
}

TEST_F(Dialect, TrueMatchesAMarkSetWithOneAndBracketsNameColumns) {
    db.execute("update paper set errpaper=1 where [id]=3");
    EXPECT_EQ(db.recordsAffected(), 1);
    EXPECT_EQ(ids("select id from paper where errpaper=true"), (QList<qint64>{3}));
    EXPECT_EQ(ids("select [id] from paper where errpaper=false and [type]=2 order by id"),
              (QList<qint64>{1, 5}));
    db.execute("update paper set errpaper=0");
    EXPECT_EQ(db.recordsAffected(), 5);
    EXPECT_TRUE(ids("select id from paper where errpaper=true").isEmpty());
}

TEST_F(Dialect, WordsInsideLiteralsAreLeftAlone) {
    db.execute("insert into param(paramid,paramvalue) values('now true [x] #y#','\"false\"')");
    Recordset rs =
        db.openRecordset("select paramvalue from param where paramid='now true [x] #y#'");
    EXPECT_EQ(rs.field(0).toString(), "\"false\"");
    Recordset dq =
        db.openRecordset("select count(*) from param where paramid=\"now true [x] #y#\"");
    EXPECT_EQ(dq.field(0).toInt(), 1);
}

TEST_F(Dialect, DateLiteralsAreStoredAsTheyAreWritten) {
    db.execute("insert into record(num,recordtime) values(92,#2010-05-28 14:03:07#)");
    Recordset rs = db.openRecordset("select num, recordtime from record");
    EXPECT_EQ(rs.field(0).toInt(), 92);
    EXPECT_EQ(rs.field(1).toString(), "2010-05-28 14:03:07");
    EXPECT_THROW(db.execute("insert into record(num,recordtime) values(1,#28/05/2010#)"),
                 StoreError);
    EXPECT_THROW(db.execute("insert into record(num,recordtime) values(1,#2010-05-28"), StoreError);
}

TEST_F(Dialect, DateDiffCountsDayBoundariesInLocalTime) {
    const QDateTime now(QDate(2026, 12, 9), QTime(0, 1, 0));
    JetFunctions::setClock([now] { return now; });
    auto add = [&](int num, const QDateTime& t) {
        db.execute(QString("insert into record(num,recordtime) values(%1,#%2#)")
                       .arg(num)
                       .arg(t.toString("yyyy-MM-dd HH:mm:ss")));
    };
    add(1, now.addDays(-8));                                  // 8 boundaries: dropped
    add(2, QDateTime(QDate(2026, 12, 1), QTime(23, 59, 59))); // 8 boundaries, under 8 days
    add(3, now.addDays(-7));                                  // 7: kept
    add(4, QDateTime(QDate(2026, 12, 2), QTime(0, 0, 0)));    // 7: kept
    add(5, now);
    db.execute("delete from record where datediff('d',recordtime,now)>7");
    EXPECT_EQ(db.recordsAffected(), 2);
    EXPECT_EQ(ids("select num from record order by num"), (QList<qint64>{3, 4, 5}));

    Recordset rs = db.openRecordset("select datediff('h', #2026-12-08 23:59:00#, "
                                    "#2026-12-09 00:00:00#), datediff('m', #2026-01-31#, "
                                    "#2026-02-01#), datediff('yyyy', #2025-12-31#, #2026-01-01#)");
    EXPECT_EQ(rs.field(0).toInt(), 1);
    EXPECT_EQ(rs.field(1).toInt(), 1);
    EXPECT_EQ(rs.field(2).toInt(), 1);
    EXPECT_THROW(db.openRecordset("select datediff('x', now, now)"), StoreError);
}

TEST_F(Dialect, TopKeepsTheRowsTiedWithTheLastOne) {
    // Seven examinations on seven days; the latest five ranked by score.
    const int scores[7] = {99, 80, 85, 70, 91, 60, 95};
    for (int i = 0; i < 7; ++i)
        db.execute(QString("insert into record(num,recordtime) values(%1,#2026-12-0%2 10:00:00#)")
                       .arg(scores[i])
                       .arg(i + 1));
    const QString latest = "select top 5 * from record where id in(select top 5 id from record  "
                           "order by recordtime desc) order by num desc";
    QList<qint64> nums;
    Recordset rs = db.openRecordset(latest);
    EXPECT_EQ(rs.fieldCount(), 3); // no helper columns leak out
    for (; !rs.eof(); rs.moveNext())
        nums << rs.field("num").toLongLong();
    EXPECT_EQ(nums, (QList<qint64>{95, 91, 85, 70, 60})); // 99 and 80 are older

    // A sixth examination in the same second as the fifth latest, with the
    // same score as the fifth best: both limits keep the tied rows.
    db.execute("insert into record(num,recordtime) values(60,#2026-12-03 10:00:00#)");
    Recordset tied = db.openRecordset(latest);
    int count = 0;
    for (; !tied.eof(); tied.moveNext())
        ++count;
    EXPECT_EQ(count, 6);

    EXPECT_EQ(ids("select top 2 num from record order by num"), (QList<qint64>{60, 60}));
    EXPECT_EQ(ids("select top 1 num from record order by num"), (QList<qint64>{60, 60}));
    EXPECT_EQ(ids("select top 0 num from record order by num"), QList<qint64>{});
    EXPECT_EQ(ids("select top 2 num from record order by 1 desc"), (QList<qint64>{99, 95}));
}

TEST_F(Dialect, InsertRefusedByAUniqueKeyIsSkippedSilently) {
    db.execute("insert into param(paramid,paramvalue) values('考试车型','A')");
    EXPECT_EQ(db.recordsAffected(), 0);
    db.execute("insert into param(paramid,paramvalue) values('新键','1')");
    EXPECT_EQ(db.recordsAffected(), 1);
}

TEST_F(Dialect, OneStatementAtATime) {
    EXPECT_THROW(db.execute("update paper set errpaper=1; delete from paper"), StoreError);
    Recordset rs = db.openRecordset("select count(*) from paper where errpaper=true");
    EXPECT_EQ(rs.field(0).toInt(), 0);
    EXPECT_THROW(db.execute("select * from paper"), StoreError);
    EXPECT_THROW(db.openRecordset("select * from nosuchtable"), StoreError);
}

TEST(DialectTranslate, StatementsKeepTheirTextOutsideTheFeatures) {
    EXPECT_EQ(
        JetDialect::translate("select * from paper  where licensetype like '*C*' order by id"),
        "select * from paper  where licensetype like '*C*' order by id");
    EXPECT_EQ(JetDialect::translate("delete from record where datediff('d',recordtime,now)>7"),
              "delete from record where datediff('d',recordtime,now())>7");
    EXPECT_EQ(JetDialect::translate("update paper set errpaper=1 where [id]=7"),
              "update or ignore paper set errpaper=1 where [id]=7");
    EXPECT_EQ(JetDialect::quote("a'b''c"), "a''b''''c");
}
