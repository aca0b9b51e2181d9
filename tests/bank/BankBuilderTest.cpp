// The builder refuses bad sources with file, line and fault, and writes a
// bank that keeps the learner's data when it is rebuilt.
#include "BankChecks.h"
#include "BankSource.h"
#include "BankWriter.h"
#include "Database.h"
#include "TestBank.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* kGood = R"(chap: 第一章
strtype: 类型一

id: 1
type: 2
licensetype: ABC
question: 判断题一
answertrue: 1
explain: 解析一。

id: 2
type: 1
licensetype: C
question: 单选题二
an1: 甲
an2: 乙
an3: 丙
an4: 丁
answertrue: 4
ImageUrl: pic.png
explain: 解析二。
)";

struct Built {
    QList<BankQuestion> questions;
    QList<BankFault> faults;
};

// Parses `text` as file "t.txt" and checks it against a pictures folder
// holding pic.svg (and `extraPictures`).
Built check(const QString& text, const QStringList& extraPictures = {}, BankPolicy policy = {}) {
    static QTemporaryDir pictures;
    for (const QString& name : QStringList{"pic.svg"} + extraPictures) {
        QFile f(QDir(pictures.path()).filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>");
    }
    Built b;
    b.questions = BankSource::parse("t.txt", text, &b.faults);
    b.faults += BankChecks::check(b.questions, pictures.path(), policy);
    return b;
}

QString faultText(const Built& b) {
    QStringList lines;
    for (const BankFault& f : b.faults)
        lines << f.text();
    return lines.join('\n');
}

} // namespace

TEST(BankSource, ReadsQuestionsWithTheirChapterAndType) {
    const Built b = check(kGood);
    ASSERT_TRUE(b.faults.isEmpty()) << faultText(b).toStdString();
    ASSERT_EQ(b.questions.size(), 2);
    const BankQuestion& q = b.questions[1];
    EXPECT_EQ(q.id, 2);
    EXPECT_EQ(q.line, 11);
    EXPECT_EQ(q.chap, "第一章");
    EXPECT_EQ(q.strtype, "类型一");
    EXPECT_EQ(q.an[3], "丁");
    EXPECT_EQ(q.imageUrl, "pic.png");
    EXPECT_FALSE(b.questions[0].hasOption[0]);
}

TEST(BankSource, EachFaultNamesFileLineAndWhatIsWrong) {
    struct Case {
        QString from, to, expected;
    };
    const QList<Case> cases = {
        {"id: 2\n", "id: 1\n", "t.txt:11: 题 1: 题号重复"},
        {"type: 1\n", "type: 3\n", "t.txt:11: 题 2: type 只能是 1（单选）或 2（判断）"},
        {"answertrue: 4", "answertrue: 5", "t.txt:11: 题 2: answertrue 5 超出范围 1–4"},
        {"answertrue: 1", "answertrue: 3", "t.txt:4: 题 1: answertrue 3 超出范围 1–2"},
        {"an3: 丙", "an3: ", "t.txt:11: 题 2: 单选题的选项 an3 为空"},
        {"an3: 丙", "an3: 甲", "t.txt:11: 题 2: 选项 an3 与前面的选项重复"},
        {"licensetype: C\n", "licensetype: C1\n",
         "t.txt:11: 题 2: licensetype 只能由 A、B、C 组成"},
        {"licensetype: C\n", "licensetype: CC\n", "t.txt:11: 题 2: licensetype 中 C 重复"},
        {"ImageUrl: pic.png", "ImageUrl: none.png", "t.txt:11: 题 2: 图片 none.png 不存在"},
        {"question: 单选题二", "question: 判断题一", "t.txt:11: 题 2: 题干与 t.txt:4 的题目相同"},
        {"explain: 解析二。", "explain: ", "t.txt:11: 题 2: 缺少解析"},
        {"question: 判断题一\n", "question: 判断题一\nan1: 对\n",
         "t.txt:4: 题 1: 判断题不应有选项 an1"},
        {"explain: 解析一。\n", "explain: 解析一。\nwhatever: x\n", "t.txt:10: 未知的键 whatever"},
        {"answertrue: 4", "answertrue: D", "t.txt:19: answertrue 应为整数"},
        {"licensetype: ABC\n", "", "t.txt:4: 缺少字段 licensetype"},
    };
    for (const Case& c : cases) {
        QString text = QString::fromUtf8(kGood);
        ASSERT_TRUE(text.contains(c.from)) << c.from.toStdString();
        text.replace(text.indexOf(c.from), c.from.size(), c.to);
        const Built b = check(text);
        EXPECT_TRUE(faultText(b).contains(c.expected))
            << "expected " << c.expected.toStdString() << "\ngot " << faultText(b).toStdString();
    }
}

TEST(BankChecks, ShippedBanksUseEveryPictureAndMeetTheMinimums) {
    BankPolicy policy;
    policy.requireAllPicturesUsed = true;
    policy.requireCounts = true;
    const Built b = check(kGood, {"unused.svg"}, policy);
    const QString text = faultText(b);
    EXPECT_TRUE(text.contains("unused.svg:0: 图片没有被任何题目使用")) << text.toStdString();
    EXPECT_TRUE(text.contains("车型 A 只有 1 道判断题，至少需要 500 道")) << text.toStdString();
    EXPECT_TRUE(text.contains("车型 C 只有 1 道单选题，至少需要 700 道")) << text.toStdString();
    EXPECT_TRUE(text.contains("车型 C 的题目只有 2 个，至少需要 1300 个")) << text.toStdString();
    EXPECT_TRUE(text.contains("只有 0 道，至少需要 200 道")) << text.toStdString();
    EXPECT_TRUE(text.contains("题目只有 2 个，至少需要 1600 个")) << text.toStdString();
    EXPECT_TRUE(text.contains("题目用到的图片只有 1 个，至少需要 260 个")) << text.toStdString();
    EXPECT_TRUE(text.contains("题目用到的场景图只有 0 个，至少需要 60 个")) << text.toStdString();
}

TEST(BankWriter, WritesTheThreeTablesWithNullSettings) {
    TestBank bank;
    ASSERT_TRUE(bank.write(check(kGood).questions));
    Database db;
    ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    Recordset rs = db.queryNative("SELECT name FROM sqlite_master WHERE type='table' AND name IN "
                                  "('paper','record','param') ORDER BY name");
    QStringList tables;
    for (; !rs.eof(); rs.moveNext())
        tables << rs.field(0).toString();
    EXPECT_EQ(tables, (QStringList{"paper", "param", "record"}));
    Recordset params = db.queryNative("SELECT count(*) FROM param WHERE paramvalue IS NULL AND "
                                      "paramid IN ('上次顺序练习最后一题','考试车型')");
    EXPECT_EQ(params.field(0).toInt(), 2);
    Recordset q = db.queryNative("SELECT an1, ImageUrl, explain, errpaper FROM paper WHERE id=1");
    EXPECT_TRUE(q.isNull(0)); // a 判断 has no options
    EXPECT_TRUE(q.isNull(1));
    EXPECT_EQ(q.field(2).toString(), "解析一。");
    EXPECT_EQ(q.field(3).toInt(), 0);
}

TEST(BankWriter, ARebuildKeepsMarksScoresAndSettings) {
    TestBank bank;
    ASSERT_TRUE(bank.write(TestBank::questions(1, 5, false)));
    {
        Database db;
        ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
        db.executeNative("UPDATE paper SET errpaper=1 WHERE id IN (2, 5)");
        db.executeNative("INSERT INTO record(num, recordtime) VALUES(93, '2026-12-08 10:00:00')");
        db.executeNative("UPDATE param SET paramvalue='B' WHERE paramid='考试车型'");
    }
    // Question 5 is gone from the new sources, question 6 is new.
    ASSERT_TRUE(bank.write(TestBank::questions(1, 4, false) + TestBank::questions(6, 1, false)));
    Database db;
    ASSERT_TRUE(db.open(bank.storePath(), "tq_wenlo"));
    Recordset wrong = db.queryNative("SELECT group_concat(id) FROM paper WHERE errpaper=1");
    EXPECT_EQ(wrong.field(0).toString(), "2");
    Recordset record = db.queryNative("SELECT num, recordtime FROM record");
    EXPECT_EQ(record.field(0).toInt(), 93);
    EXPECT_EQ(record.field(1).toString(), "2026-12-08 10:00:00");
    Recordset param = db.queryNative("SELECT paramvalue FROM param WHERE paramid='考试车型'");
    EXPECT_EQ(param.field(0).toString(), "B");
    EXPECT_FALSE(QFile::exists(bank.storePath() + ".new"));
}

TEST(BankWriter, PicturesAreRenderedAndOversizedOnesRefused) {
    QTemporaryDir dir;
    const QString svg = QDir(dir.path()).filePath("p.svg");
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
            "<rect x=\"0\" y=\"0\" width=\"40\" height=\"30\" fill=\"#ff0000\"/></svg>");
    f.close();
    const QString png = QDir(dir.path()).filePath("p.png");
    EXPECT_TRUE(BankWriter::renderPicture(svg, png).isEmpty());
    QImage image(png);
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.pixelColor(20, 15), QColor(255, 0, 0));
    EXPECT_FALSE(BankWriter::renderPicture(svg, png, QSize(20, 20)).isEmpty());
}

TEST(BankChecks, StemsThatDifferOnlyInPunctuationOrBlanksAreTheSameQuestion) {
    const QString twin = QString::fromUtf8(kGood) + R"(
id: 3
type: 2
licensetype: ABC
question: 判断 题一。
answertrue: 2
explain: 解析三。

id: 4
type: 2
licensetype: ABC
question: “判断题一”？
answertrue: 2
explain: 解析四。

id: 5
type: 2
licensetype: ABC
question: 判断题五
answertrue: 2
explain: 解析五。
)";
    const QString text = faultText(check(twin));
    EXPECT_TRUE(text.contains("题 3: 题干与 t.txt:4 的题目相同")) << text.toStdString();
    EXPECT_TRUE(text.contains("题 4: 题干与 t.txt:4 的题目相同")) << text.toStdString();
    EXPECT_FALSE(text.contains("题 5")) << text.toStdString();
}

TEST(BankChecks, ARoadSceneFitsThePictureBoxAsDrawnAndStaysSmall) {
    QTemporaryDir pictures;
    auto svg = [&](const QString& name, int w, int h, int padding = 0) {
        QFile f(QDir(pictures.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                               "height=\"%2\"><!--%3--></svg>")
                    .arg(w)
                    .arg(h)
                    .arg(QString(padding, 'x'))
                    .toUtf8());
    };
    svg("scene-good.svg", 240, 180);
    svg("scene-large.svg", 320, 240);
    svg("scene-small.svg", 120, 90);
    svg("scene-heavy.svg", 240, 180, int(BankChecks::kMaxSceneBytes));
    svg("sign-small.svg", 60, 60); // only scenes have a least size
    const QString text = faultText({{}, BankChecks::check({}, pictures.path(), {})});
    EXPECT_FALSE(text.contains("scene-good")) << text.toStdString();
    EXPECT_FALSE(text.contains("sign-small")) << text.toStdString();
    EXPECT_TRUE(text.contains("scene-large.svg:0: 场景图 320×240")) << text.toStdString();
    EXPECT_TRUE(text.contains("scene-small.svg:0: 场景图 120×90")) << text.toStdString();
    EXPECT_TRUE(text.contains("scene-heavy.svg:0: 场景图文件")) << text.toStdString();
}
