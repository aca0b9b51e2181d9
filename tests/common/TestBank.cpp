#include "TestBank.h"

#include "BankWriter.h"

#include <QDir>
#include <gtest/gtest.h>

TestBank::TestBank() {
    QDir(dir_.path()).mkpath(QStringLiteral("images"));
}

QString TestBank::imagesFolder() const {
    return QDir(dir_.path()).filePath(QStringLiteral("images"));
}

QString TestBank::storePath() const {
    return QDir(imagesFolder()).filePath(BankWriter::kFileName);
}

BankQuestion TestBank::question(qint64 id, bool choice, const QString& licence,
                                const QString& strtype, const QString& chap) {
    BankQuestion q;
    q.file = QStringLiteral("test");
    q.line = int(id);
    q.id = id;
    q.type = choice ? 1 : 2;
    q.question = QStringLiteral("题目%1").arg(id);
    if (choice) {
        for (int i = 0; i < 4; ++i) {
            q.an[i] = QStringLiteral("选项%1-%2").arg(id).arg(i + 1);
            q.hasOption[i] = true;
        }
    }
    q.answertrue = choice ? int(id % 4) + 1 : int(id % 2) + 1;
    q.licensetype = licence;
    q.chap = chap;
    q.strtype = strtype;
    q.explain = QStringLiteral("解析%1").arg(id);
    return q;
}

QList<BankQuestion> TestBank::questions(qint64 firstId, int count, bool choice,
                                        const QString& licence, const QString& strtype) {
    QList<BankQuestion> out;
    for (int i = 0; i < count; ++i)
        out << question(firstId + i, choice, licence, strtype);
    return out;
}

bool TestBank::write(const QList<BankQuestion>& questions) {
    QString error;
    const bool ok = BankWriter::writeBank(questions, imagesFolder(), &error);
    EXPECT_TRUE(ok) << error.toStdString();
    return ok;
}
