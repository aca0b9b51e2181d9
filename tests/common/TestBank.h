#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include "BankQuestion.h"

// A small bank of a test's own: a program folder in a temporary directory
// with images/movra.dll built by the bank builder.
class TestBank {
public:
    TestBank();

    // A question with defaults a test can change: 判断 (type 2) when
    // `choice` is false, else 单选 with options.
    static BankQuestion question(qint64 id, bool choice, const QString& licence = "ABC",
                                 const QString& strtype = "类型一", const QString& chap = "第一章");
    // `count` questions from `firstId` on.
    static QList<BankQuestion> questions(qint64 firstId, int count, bool choice,
                                         const QString& licence = "ABC",
                                         const QString& strtype = "类型一");

    // Writes the bank; fails the test (returns false) when the builder fails.
    bool write(const QList<BankQuestion>& questions);

    QString programFolder() const { return dir_.path(); }
    QString imagesFolder() const;
    QString storePath() const;

private:
    QTemporaryDir dir_;
};
