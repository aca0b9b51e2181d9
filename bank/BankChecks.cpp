#include "BankChecks.h"

#include "BankWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QSvgRenderer>

namespace {

// Two stems that differ only in punctuation or blanks ask the same thing.
QString normalizedStem(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace() && !c.isPunct() && !c.isSymbol())
            out += c;
    return out;
}

// A road scene is the largest kind of picture. It must fit the question
// area's picture box as drawn, since one scaled down to fit is blurred, and
// stay small enough to show at once.
QString sceneFault(const QString& path) {
    const QFileInfo info(path);
    if (info.size() > BankChecks::kMaxSceneBytes)
        return QStringLiteral("场景图文件 %1 KB，最大 %2 KB")
            .arg((info.size() + 1023) / 1024)
            .arg(BankChecks::kMaxSceneBytes / 1024);
    QSize size;
    if (path.endsWith(QStringLiteral(".svg")))
        size = QSvgRenderer(path).defaultSize();
    else
        size = QImageReader(path).size();
    if (size.width() < BankChecks::kMinSceneWidth || size.height() < BankChecks::kMinSceneHeight ||
        size.width() > BankWriter::kMaxPictureWidth ||
        size.height() > BankWriter::kMaxPictureHeight)
        return QStringLiteral("场景图 %1×%2，应在 %3×%4 到 %5×%6 之间")
            .arg(size.width())
            .arg(size.height())
            .arg(BankChecks::kMinSceneWidth)
            .arg(BankChecks::kMinSceneHeight)
            .arg(BankWriter::kMaxPictureWidth)
            .arg(BankWriter::kMaxPictureHeight);
    return {};
}

} // namespace

QString BankChecks::pictureSource(const QString& picturesFolder, const QString& imageUrl) {
    const QDir dir(picturesFolder);
    if (!imageUrl.endsWith(QStringLiteral(".png")) || imageUrl.contains(u'/') ||
        imageUrl.contains(u'\\'))
        return {};
    const QString svg = dir.filePath(imageUrl.chopped(4) + QStringLiteral(".svg"));
    if (QFileInfo::exists(svg))
        return svg;
    const QString png = dir.filePath(imageUrl);
    return QFileInfo::exists(png) ? png : QString();
}

BankCounts BankChecks::count(const QList<BankQuestion>& questions) {
    BankCounts c;
    for (const BankQuestion& q : questions) {
        for (int code = 0; code < 3; ++code) {
            if (!q.licensetype.contains(QChar(u'A' + code)))
                continue;
            if (q.type == 2)
                ++c.trueFalse[code];
            else if (q.type == 1)
                ++c.choice[code];
        }
        const QString lt = q.licensetype;
        if (lt == u"A" || lt == u"B" || lt == u"AB" || lt == u"BA")
            ++c.heavyOnly;
    }
    return c;
}

QList<BankFault> BankChecks::check(const QList<BankQuestion>& questions,
                                   const QString& picturesFolder, const BankPolicy& policy) {
    QList<BankFault> faults;
    QHash<qint64, const BankQuestion*> ids;
    QHash<QString, const BankQuestion*> stems;
    QSet<QString> usedPictures;

    for (const BankQuestion& q : questions) {
        auto fault = [&](const QString& message) { faults.append({q.file, q.line, message}); };
        const QString where = QStringLiteral("题 %1: ").arg(q.id);

        if (const BankQuestion* first = ids.value(q.id))
            fault(where +
                  QStringLiteral("题号重复，首次出现在 %1:%2").arg(first->file).arg(first->line));
        else
            ids.insert(q.id, &q);
        if (q.id <= 0 || q.id > 2147483647)
            fault(where + QStringLiteral("题号须为正整数"));

        if (q.type != 1 && q.type != 2)
            fault(where +
                  QStringLiteral("type 只能是 1（单选）或 2（判断），这里是 %1").arg(q.type));
        const int maxAnswer = q.type == 2 ? 2 : 4;
        if (q.answertrue < 1 || q.answertrue > maxAnswer)
            fault(where +
                  QStringLiteral("answertrue %1 超出范围 1–%2").arg(q.answertrue).arg(maxAnswer));

        if (q.type == 1) {
            QSet<QString> options;
            for (int i = 0; i < 4; ++i) {
                const QString option = q.an[i].trimmed();
                if (option.isEmpty()) {
                    fault(where + QStringLiteral("单选题的选项 an%1 为空").arg(i + 1));
                    continue;
                }
                if (options.contains(option))
                    fault(where + QStringLiteral("选项 an%1 与前面的选项重复").arg(i + 1));
                options.insert(option);
            }
        } else if (q.type == 2) {
            for (int i = 0; i < 4; ++i)
                if (q.hasOption[i])
                    fault(where + QStringLiteral("判断题不应有选项 an%1").arg(i + 1));
        }

        if (q.licensetype.isEmpty())
            fault(where + QStringLiteral("licensetype 为空"));
        for (qsizetype i = 0; i < q.licensetype.size(); ++i) {
            const QChar c = q.licensetype[i];
            if (c != u'A' && c != u'B' && c != u'C')
                fault(where +
                      QStringLiteral("licensetype 只能由 A、B、C 组成，这里有 \"%1\"").arg(c));
            else if (q.licensetype.indexOf(c) != i)
                fault(where + QStringLiteral("licensetype 中 %1 重复").arg(c));
        }

        if (q.question.trimmed().isEmpty())
            fault(where + QStringLiteral("题干为空"));
        const QString stem = normalizedStem(q.question);
        if (const BankQuestion* first = stems.value(stem))
            fault(where +
                  QStringLiteral("题干与 %1:%2 的题目相同").arg(first->file).arg(first->line));
        else if (!stem.isEmpty())
            stems.insert(stem, &q);

        if (q.explain.trimmed().isEmpty())
            fault(where + QStringLiteral("缺少解析 (explain)"));

        if (!q.imageUrl.isEmpty()) {
            const QString source = pictureSource(picturesFolder, q.imageUrl);
            if (source.isEmpty())
                fault(where + QStringLiteral("图片 %1 不存在（应有 %2 或 %3）")
                                  .arg(q.imageUrl,
                                       QDir(picturesFolder)
                                           .filePath(q.imageUrl.chopped(
                                                         qMin<qsizetype>(4, q.imageUrl.size())) +
                                                     QStringLiteral(".svg")),
                                       QDir(picturesFolder).filePath(q.imageUrl)));
            else
                usedPictures.insert(QFileInfo(source).fileName());
        }
    }

    const QStringList scenes =
        QDir(picturesFolder)
            .entryList({QStringLiteral("scene-*.svg"), QStringLiteral("scene-*.png")}, QDir::Files,
                       QDir::Name);
    for (const QString& name : scenes) {
        const QString path = QDir(picturesFolder).filePath(name);
        const QString why = sceneFault(path);
        if (!why.isEmpty())
            faults.append({path, 0, why});
    }

    if (policy.requireAllPicturesUsed) {
        const QStringList files = QDir(picturesFolder)
                                      .entryList({QStringLiteral("*.svg"), QStringLiteral("*.png")},
                                                 QDir::Files, QDir::Name);
        for (const QString& name : files)
            if (!usedPictures.contains(name))
                faults.append({QDir(picturesFolder).filePath(name), 0,
                               QStringLiteral("图片没有被任何题目使用")});
    }

    if (policy.requireCounts) {
        const BankCounts c = count(questions);
        auto tooFew = [&](const QString& what, qsizetype have, int need) {
            if (have < need)
                faults.append(
                    {QStringLiteral("题库"), 0,
                     QStringLiteral("%1只有 %2 个，至少需要 %3 个").arg(what).arg(have).arg(need)});
        };
        tooFew(QStringLiteral("题目"), questions.size(), policy.minTotal);
        qsizetype scenesUsed = 0;
        for (const QString& name : usedPictures)
            scenesUsed += name.startsWith(QStringLiteral("scene-"));
        tooFew(QStringLiteral("题目用到的图片"), usedPictures.size(), policy.minPictures);
        tooFew(QStringLiteral("题目用到的场景图"), scenesUsed, policy.minScenes);
        for (int code = 0; code < 3; ++code) {
            const QChar letter(u'A' + code);
            tooFew(QStringLiteral("车型 %1 的题目").arg(letter), c.trueFalse[code] + c.choice[code],
                   policy.minPerCode);
            if (c.trueFalse[code] < policy.minTrueFalse)
                faults.append({QStringLiteral("题库"), 0,
                               QStringLiteral("车型 %1 只有 %2 道判断题，至少需要 %3 道")
                                   .arg(letter)
                                   .arg(c.trueFalse[code])
                                   .arg(policy.minTrueFalse)});
            if (c.choice[code] < policy.minChoice)
                faults.append({QStringLiteral("题库"), 0,
                               QStringLiteral("车型 %1 只有 %2 道单选题，至少需要 %3 道")
                                   .arg(letter)
                                   .arg(c.choice[code])
                                   .arg(policy.minChoice)});
        }
        if (c.heavyOnly < policy.minHeavyOnly)
            faults.append(
                {QStringLiteral("题库"), 0,
                 QStringLiteral("只属于 A、只属于 B 或属于 AB 的题目只有 %1 道，至少需要 %2 道")
                     .arg(c.heavyOnly)
                     .arg(policy.minHeavyOnly)});
    }
    return faults;
}
