// The program itself, started as a learner starts it.
#include "Database.h"
#include "TestBank.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Program, WithoutItsBankItEndsWithOneLineNamingTheFile) {
    QTemporaryDir dir;
    const QString program = QDir(dir.path()).filePath("qinghe-kaodian");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QK_PROGRAM_PATH), program));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(program, {});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_NE(p.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    QStringList ours;
    for (const QString& l : lines)
        if (!l.startsWith("QStandardPaths"))
            ours << l;
    ASSERT_EQ(ours.size(), 1) << ours.join('\n').toStdString();
    EXPECT_TRUE(ours[0].contains(QDir(dir.path()).filePath("images/movra.dll")))
        << ours[0].toStdString();
}

namespace {

QStringList everythingBelow(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

TEST(Program, AStartAndACloseWriteNothingIntoTheHomeFolderAndKeepTheSettings) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 5, false)));
    const QString program = QDir(bank.programFolder()).filePath("qinghe-kaodian");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QK_PROGRAM_PATH), program));
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(program, {});
    ASSERT_TRUE(p.waitForStarted(10000));
    // Running, not ended of itself.
    EXPECT_FALSE(p.waitForFinished(1500));
    p.terminate(); // as a session that ends asks it to
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(everythingBelow(home.path()), QStringList());

    Database db;
    ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    Recordset rs =
        db.queryNative("SELECT paramvalue FROM param WHERE paramid='上次顺序练习最后一题'");
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.field(0).toString(), "1");
}
