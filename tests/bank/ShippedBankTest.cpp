// The question bank that ships with the program, checked from its sources.
// The bank is built into a temporary folder; the shipped file is not touched.
#include "BankChecks.h"
#include "BankSource.h"
#include "BankWriter.h"
#include "Database.h"
#include "TestBank.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class ShippedBank : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        questions = new QList<BankQuestion>(
            BankSource::readFolder(QStringLiteral(QK_BANK_SOURCES), &readFaults()));
    }
    static void TearDownTestSuite() {
        delete questions;
        questions = nullptr;
    }
    static QList<BankFault>& readFaults() {
        static QList<BankFault> faults;
        return faults;
    }
    static QList<BankQuestion>* questions;
};

QList<BankQuestion>* ShippedBank::questions = nullptr;

const QStringList kCodes = {"A", "B", "C"};

} // namespace

TEST_F(ShippedBank, PassesEveryCheckOfTheBuilder) {
    BankPolicy policy;
    policy.requireCounts = true;
    policy.requireAllPicturesUsed = true;
    QList<BankFault> faults = readFaults();
    faults += BankChecks::check(*questions, QStringLiteral(QK_BANK_PICTURES), policy);
    QStringList lines;
    for (const BankFault& f : faults)
        lines << f.text();
    EXPECT_TRUE(faults.isEmpty()) << lines.join('\n').toStdString();
    EXPECT_GE(questions->size(), 1600);
}

TEST_F(ShippedBank, AnswersAreSpreadOverTheLettersAndBothVerdicts) {
    for (const QString& code : kCodes) {
        QMap<int, int> letters, verdicts;
        int choice = 0, trueFalse = 0;
        for (const BankQuestion& q : *questions) {
            if (!q.licensetype.contains(code))
                continue;
            if (q.type == 1) {
                ++letters[q.answertrue];
                ++choice;
            } else {
                ++verdicts[q.answertrue];
                ++trueFalse;
            }
        }
        for (int letter = 1; letter <= 4; ++letter)
            EXPECT_GE(letters[letter] * 100, choice * 18)
                << code.toStdString() << " letter " << letter;
        for (int verdict = 1; verdict <= 2; ++verdict)
            EXPECT_GE(verdicts[verdict] * 100, trueFalse * 35) << code.toStdString();
    }
}

TEST_F(ShippedBank, ChapterSelectorListsTheFourChaptersAndTheirTypes) {
    TestBank bank;
    ASSERT_TRUE(bank.write(*questions));
    Database db;
    ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    for (const QString& code : kCodes) {
        Recordset rs = db.openRecordset(
            "select  chap,strtype,count(*) ,min(id) from paper where licensetype like '*" + code +
            "*' group by chap,strtype order by min(id)");
        QStringList chapters;
        QSet<QString> types;
        for (; !rs.eof(); rs.moveNext()) {
            const QString chap = rs.field(0).toString();
            if (chapters.isEmpty() || chapters.last() != chap)
                chapters << chap;
            types.insert(rs.field(1).toString());
            EXPECT_GE(rs.field(2).toInt(), 5)
                << code.toStdString() << " " << rs.field(1).toString().toStdString();
        }
        // The chapters come in syllabus order, each in one run of types.
        EXPECT_EQ(chapters.mid(0, 4), (QStringList{"第一章", "第二章", "第三章", "第四章"}))
            << code.toStdString();
        EXPECT_GE(types.size(), 14) << code.toStdString();
    }
}

TEST_F(ShippedBank, EachVehicleTypeCanSitTwoExaminationsInARow) {
    TestBank bank;
    ASSERT_TRUE(bank.write(*questions));
    Database db;
    ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    for (const QString& code : kCodes) {
        const QString filter = " and licensetype like '*" + code + "*'";
        Recordset tf =
            db.openRecordset("select * from paper where  [type]=2 " + filter + " order by id");
        Recordset mc =
            db.openRecordset("select * from paper where [type]=1 " + filter + " order by id");
        tf.moveLast();
        mc.moveLast();
        // Two papers of 40 + 60 without a question in common.
        EXPECT_GE(tf.recordCount(), 80) << code.toStdString();
        EXPECT_GE(mc.recordCount(), 120) << code.toStdString();
    }
}
