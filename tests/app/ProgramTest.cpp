// The program itself, started as a learner starts it.
#include <QDir>
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
