#include "BankSource.h"

#include <QDir>
#include <QFile>

namespace {

const QStringList kKeys = {
    QStringLiteral("chap"),   QStringLiteral("strtype"),     QStringLiteral("id"),
    QStringLiteral("type"),   QStringLiteral("licensetype"), QStringLiteral("question"),
    QStringLiteral("an1"),    QStringLiteral("an2"),         QStringLiteral("an3"),
    QStringLiteral("an4"),    QStringLiteral("answertrue"),  QStringLiteral("ImageUrl"),
    QStringLiteral("explain")};

struct Line {
    int number;
    QString key;
    QString value;
};

} // namespace

QList<BankQuestion> BankSource::parse(const QString& fileName, const QString& text,
                                      QList<BankFault>* faults) {
    QList<BankQuestion> out;
    QString chap, strtype;
    const QStringList lines = text.split(u'\n');

    auto fault = [&](int line, const QString& message) {
        faults->append({fileName, line, message});
    };

    std::vector<Line> block;
    auto flush = [&]() {
        if (block.empty())
            return;
        bool hasId = false;
        for (const Line& l : block)
            hasId |= l.key == u"id";
        if (!hasId) {
            for (const Line& l : block) {
                if (l.key == u"chap")
                    chap = l.value;
                else if (l.key == u"strtype")
                    strtype = l.value;
                else
                    fault(l.number,
                          QStringLiteral("没有 id 的块只能设置 chap 和 strtype，不能有 %1")
                              .arg(l.key));
            }
            block.clear();
            return;
        }
        BankQuestion q;
        q.file = fileName;
        q.chap = chap;
        q.strtype = strtype;
        QStringList seen;
        bool ok = true;
        for (const Line& l : block) {
            if (seen.contains(l.key)) {
                fault(l.number, QStringLiteral("字段 %1 重复").arg(l.key));
                ok = false;
                continue;
            }
            seen << l.key;
            auto number = [&](qint64* target) {
                bool good = false;
                const qint64 v = l.value.toLongLong(&good);
                if (!good) {
                    fault(l.number, QStringLiteral("%1 应为整数: %2").arg(l.key, l.value));
                    ok = false;
                }
                *target = v;
            };
            if (l.key == u"id") {
                q.line = l.number;
                number(&q.id);
            } else if (l.key == u"type") {
                qint64 v = 0;
                number(&v);
                q.type = int(v);
            } else if (l.key == u"answertrue") {
                qint64 v = 0;
                number(&v);
                q.answertrue = int(v);
            } else if (l.key == u"licensetype") {
                q.licensetype = l.value;
            } else if (l.key == u"question") {
                q.question = l.value;
            } else if (l.key == u"ImageUrl") {
                q.imageUrl = l.value;
            } else if (l.key == u"explain") {
                q.explain = l.value;
            } else if (l.key == u"chap") {
                q.chap = l.value;
            } else if (l.key == u"strtype") {
                q.strtype = l.value;
            } else {
                const int i = l.key.back().digitValue() - 1;
                q.an[i] = l.value;
                q.hasOption[i] = true;
            }
        }
        const int firstLine = block.front().number;
        for (const char* required : {"type", "licensetype", "question", "answertrue", "explain"}) {
            if (!seen.contains(QLatin1String(required))) {
                fault(firstLine, QStringLiteral("缺少字段 %1").arg(QLatin1String(required)));
                ok = false;
            }
        }
        if (q.chap.isEmpty() || q.strtype.isEmpty()) {
            fault(firstLine, QStringLiteral("没有设置 chap 或 strtype"));
            ok = false;
        }
        if (ok)
            out.append(q);
        block.clear();
    };

    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int number = i + 1;
        if (line.trimmed().isEmpty()) {
            flush();
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0) {
            fault(number, QStringLiteral("应为 \"键: 值\" 的形式"));
            continue;
        }
        const QString key = line.left(colon).trimmed();
        if (!kKeys.contains(key)) {
            fault(number, QStringLiteral("未知的键 %1").arg(key));
            continue;
        }
        block.push_back({number, key, line.mid(colon + 1).trimmed()});
    }
    flush();
    return out;
}

QList<BankQuestion> BankSource::readFolder(const QString& folder, QList<BankFault>* faults) {
    QList<BankQuestion> out;
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (files.isEmpty())
        faults->append({folder, 0, QStringLiteral("没有题目源文件 (*.txt)")});
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            faults->append({dir.filePath(name), 0, QStringLiteral("无法读取")});
            continue;
        }
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes) {
            faults->append({dir.filePath(name), 0, QStringLiteral("不是有效的 UTF-8 文本")});
            continue;
        }
        out.append(parse(dir.filePath(name), text, faults));
    }
    return out;
}
