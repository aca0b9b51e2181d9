#include "Mod.h"
#include "StoreError.h"
#include "StoreKey.h"
#include "TestBank.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bank.write(TestBank::questions(1, 3, false)));
        Mod::SetProgramFolder(bank.programFolder());
        ASSERT_TRUE(Mod::OpenStore(Mod::db));
    }
    void TearDown() override {
        Mod::db.close();
        Mod::SetProgramFolder(QString());
    }
    int paramRows(const QString& key) {
        Recordset rs =
            Mod::db.openRecordset("select count(*) from param where paramid='" + key + "'");
        return rs.field(0).toInt();
    }
    TestBank bank;
};

} // namespace

TEST(OpenStore, RefusesAMissingFileAWrongKeyAndAFileThatIsNoDatabase) {
    TestBank bank;
    Mod::SetProgramFolder(bank.programFolder());
    Database db;
    EXPECT_FALSE(Mod::OpenStore(db));
    EXPECT_FALSE(db.isOpen());
    EXPECT_TRUE(Mod::LastOpenError().contains("images/movra.dll"));

    {
        Database other;
        ASSERT_TRUE(other.create(bank.storePath(), "another key"));
        other.executeNative("CREATE TABLE t(x)");
    }
    EXPECT_FALSE(Mod::OpenStore(db));
    EXPECT_FALSE(db.isOpen());

    QFile garbage(bank.storePath());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    EXPECT_FALSE(Mod::OpenStore(db));

    ASSERT_TRUE(bank.write(TestBank::questions(1, 2, false)));
    EXPECT_TRUE(Mod::OpenStore(db));
    EXPECT_TRUE(db.isOpen());
    Mod::SetProgramFolder(QString());
}

TEST_F(Store, GetParamReadsValuesDefaultsForNullAndEmptyForMissingKeys) {
    // The builder ships both settings with Null values.
    EXPECT_EQ(Mod::GetParam("考试车型", "C"), "C");
    EXPECT_EQ(Mod::GetParam("上次顺序练习最后一题", "1"), "1");
    EXPECT_EQ(Mod::GetParam("没有这个键", "默认"), "");
    Mod::db.execute("update param set paramvalue='B' where paramid='考试车型'");
    EXPECT_EQ(Mod::GetParam("考试车型", "C"), "B");
    Mod::db.close();
    EXPECT_EQ(Mod::GetParam("考试车型", "C"), "");
}

TEST_F(Store, SetParamInsertsOnceThenUpdatesInPlace) {
    Mod::SetParam("新设置", "1");
    EXPECT_EQ(paramRows("新设置"), 1);
    EXPECT_EQ(Mod::GetParam("新设置", "x"), "1");
    Mod::SetParam("新设置", "2");
    EXPECT_EQ(paramRows("新设置"), 1);
    EXPECT_EQ(Mod::GetParam("新设置", "x"), "2");
    Mod::SetParam("考试车型", "A");
    EXPECT_EQ(paramRows("考试车型"), 1);
    EXPECT_EQ(Mod::GetParam("考试车型", "C"), "A");
}

TEST_F(Store, QuotesInKeysAndValuesNeitherBreakNorChangeTheStatements) {
    Mod::SetParam("it's", "a'b");
    EXPECT_EQ(Mod::GetParam("it's", ""), "a'b");
    Mod::SetParam("k", "x'); delete from paper; --");
    EXPECT_EQ(Mod::GetParam("k", ""), "x'); delete from paper; --");
    Recordset rs = Mod::db.openRecordset("select count(*) from paper");
    EXPECT_EQ(rs.field(0).toInt(), 3);
}

TEST_F(Store, GetRecordCountCompletesTheCountAndStaysOnTheFirstRow) {
    Recordset rs = Mod::db.openRecordset("select * from paper order by id");
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(Mod::GetRecordCount(rs), 3);
    EXPECT_EQ(rs.field("id").toInt(), 1);

    Recordset none = Mod::db.openRecordset("select * from paper where id=0");
    EXPECT_EQ(Mod::GetRecordCount(none), 0);
    EXPECT_TRUE(none.eof());
}

TEST(Wait, NegativeAndZeroReturnAtOnceWithoutRunningEvents) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer t;
    t.start();
    Mod::Wait(-1);
    Mod::Wait(0);
    EXPECT_FALSE(ran);
    EXPECT_LT(t.elapsed(), 50);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

TEST(Wait, RunsEventsThatArriveWhileItWaits) {
    bool ran = false;
    QTimer::singleShot(10, [&] { ran = true; });
    QElapsedTimer t;
    t.start();
    Mod::Wait(60);
    EXPECT_TRUE(ran);
    EXPECT_GE(t.elapsed(), 60);
}

TEST(StoreKey, BuiltBanksOpenWithThePassphraseAndWithTheKeyDerivedInAdvance) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 2, false)));
    EXPECT_TRUE(StoreKey::hasOurSalt(bank.storePath()));
    // The passphrase alone (what any SQLCipher shell is given) opens it, so
    // the key built in is the one the engine derives from it.
    Database byPassphrase;
    EXPECT_TRUE(byPassphrase.open(bank.storePath(), "tq_wenlo"));
    Database byKey;
    EXPECT_TRUE(
        byKey.openRaw(bank.storePath(), QString::fromLatin1(StoreKey::derivedKey().toHex())));
    Database wrongKey;
    EXPECT_FALSE(wrongKey.openRaw(bank.storePath(), QString(64, '0')));
    EXPECT_FALSE(wrongKey.openRaw(bank.storePath(), "x'; drop table paper; --"));
}

TEST(StoreKey, AFileWithAnotherSaltOpensThroughThePassphrase) {
    TestBank bank;
    {
        Database other;
        ASSERT_TRUE(other.create(bank.storePath(), "tq_wenlo"));
        other.executeNative("CREATE TABLE param(paramid TEXT PRIMARY KEY, paramvalue TEXT)");
        other.executeNative("CREATE TABLE paper(id INTEGER PRIMARY KEY)");
        other.executeNative("CREATE TABLE record(num INTEGER, recordtime TEXT)");
    }
    EXPECT_FALSE(StoreKey::hasOurSalt(bank.storePath()));
    Mod::SetProgramFolder(bank.programFolder());
    Database db;
    EXPECT_TRUE(Mod::OpenStore(db));
    Mod::SetProgramFolder(QString());
}

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(OpenStore, AnEmptyFileOrOneWithoutTheBanksTablesIsNoBankAndStaysAsItWas) {
    TestBank bank;
    Mod::SetProgramFolder(bank.programFolder());
    Database db;

    QFile empty(bank.storePath());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_FALSE(Mod::OpenStore(db));
    EXPECT_FALSE(db.isOpen());
    EXPECT_TRUE(Mod::LastOpenError().contains("images/movra.dll"));
    EXPECT_EQ(QFileInfo(bank.storePath()).size(), 0);

    // Our key, two of the three tables.
    {
        Database partial;
        ASSERT_TRUE(partial.createRaw(bank.storePath(),
                                      QString::fromLatin1(StoreKey::derivedKey().toHex())));
        partial.executeNative("CREATE TABLE paper(id INTEGER PRIMARY KEY)");
        partial.executeNative("CREATE TABLE param(paramid TEXT, paramvalue TEXT)");
    }
    const QByteArray before = contents(bank.storePath());
    EXPECT_FALSE(Mod::OpenStore(db));
    EXPECT_FALSE(db.isOpen());
    EXPECT_TRUE(Mod::LastOpenError().contains("record")) << Mod::LastOpenError().toStdString();
    EXPECT_EQ(contents(bank.storePath()), before);
    Mod::SetProgramFolder(QString());
}
