#include "JetDialect.h"

#include "StoreError.h"

#include <QRegularExpression>

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c.unicode() > 127;
}
bool isWordChar(QChar c) {
    return isWordStart(c) || c.isDigit();
}

bool isWord(const JetToken& t, const char* word) {
    return t.kind == JetToken::Word &&
           t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// Index of the next token that is not a space, from `i` on; tokens.size() if none.
size_t nextSolid(const std::vector<JetToken>& tokens, size_t i) {
    while (i < tokens.size() && tokens[i].kind == JetToken::Space)
        ++i;
    return i;
}

QString sqlLiteral(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("null");
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 17);
    default:
        return u'\'' + JetDialect::quote(v.toString()) + u'\'';
    }
}

// A TOP select found in a token list: where it starts and ends, n, and the
// positions of the tokens that make it up.
struct TopSelect {
    size_t selectAt = 0; // the SELECT word
    size_t topAt = 0;    // the TOP word
    size_t countAt = 0;  // the number after TOP
    size_t end = 0;      // one past the last token of the select
    int n = 0;
};

// Finds the end of the select starting at `selectAt`: the closing parenthesis
// at a lower depth, or the end of the statement.
size_t selectEnd(const std::vector<JetToken>& t, size_t selectAt) {
    const int depth = t[selectAt].depth;
    for (size_t i = selectAt + 1; i < t.size(); ++i)
        if (t[i].kind == JetToken::Punct && t[i].text == u')' && t[i].depth < depth)
            return i;
    return t.size();
}

bool findTop(const std::vector<JetToken>& t, size_t from, TopSelect& out) {
    for (size_t i = from; i < t.size(); ++i) {
        if (!isWord(t[i], "select"))
            continue;
        const size_t top = nextSolid(t, i + 1);
        if (top >= t.size() || !isWord(t[top], "top"))
            continue;
        const size_t count = nextSolid(t, top + 1);
        if (count >= t.size() || t[count].kind != JetToken::Number)
            throw StoreError("TOP 之后应为数字。");
        bool ok = false;
        out.n = t[count].text.toInt(&ok);
        if (!ok || out.n < 0)
            throw StoreError("TOP 之后的数字无效。");
        const size_t after = nextSolid(t, count + 1);
        if (after < t.size() && isWord(t[after], "percent"))
            throw StoreError("不支持 TOP ... PERCENT。");
        out.selectAt = i;
        out.topAt = top;
        out.countAt = count;
        out.end = selectEnd(t, i);
        return true;
    }
    return false;
}

// Rewrites the select of `ts` without its TOP and with its order keys
// appended to the select list. Returns the SQL; keyColumns receives, for each
// order key, the result column to compare (appended ones after `base`).
QString rewriteTop(const std::vector<JetToken>& t, const TopSelect& ts, int* appended,
                   std::vector<int>* keyPositions) {
    const int depth = t[ts.selectAt].depth;
    size_t fromAt = ts.end, keysAt = ts.end;
    for (size_t i = ts.countAt + 1; i < ts.end; ++i) {
        if (t[i].depth != depth)
            continue;
        if (fromAt == ts.end && isWord(t[i], "from"))
            fromAt = i;
        if (isWord(t[i], "order")) {
            const size_t by = nextSolid(t, i + 1);
            if (by < ts.end && isWord(t[by], "by"))
                keysAt = by + 1;
        }
    }

    // Split the order keys on commas at this depth, dropping ASC / DESC.
    std::vector<QString> keys;
    QString current;
    for (size_t i = keysAt; i < ts.end; ++i) {
        if (t[i].depth == depth && t[i].kind == JetToken::Punct && t[i].text == u',') {
            keys.push_back(current.trimmed());
            current.clear();
            continue;
        }
        if (t[i].depth == depth && (isWord(t[i], "asc") || isWord(t[i], "desc")))
            continue;
        current += t[i].text;
    }
    if (keysAt < ts.end)
        keys.push_back(current.trimmed());

    QString select;
    for (size_t i = ts.selectAt; i < ts.end; ++i) {
        if (i == ts.topAt || i == ts.countAt)
            continue;
        if (i == ts.topAt + 1 && t[i].kind == JetToken::Space)
            continue;
        if (i == fromAt) {
            int k = 0;
            for (const QString& key : keys) {
                bool isNumber = false;
                key.toInt(&isNumber);
                if (!isNumber)
                    select += QStringLiteral(", ") + key + QStringLiteral(" as __top_key") +
                              QString::number(k++) + u' ';
            }
            *appended = k;
        }
        select += t[i].text;
    }
    // Key positions: a numbered key names a select-list column (1-based);
    // the others were appended in order, counted from the end by the caller.
    int k = 0;
    for (const QString& key : keys) {
        bool isNumber = false;
        const int n = key.toInt(&isNumber);
        keyPositions->push_back(isNumber ? n - 1 : -1 - k++);
    }
    return select;
}

} // namespace

QString JetDialect::quote(const QString& value) {
    QString out = value;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

std::vector<JetToken> JetDialect::tokenize(const QString& sql) {
    std::vector<JetToken> out;
    int depth = 0;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            out.push_back({JetToken::Space, sql.mid(start, i - start), depth});
        } else if (c == u'\'' || c == u'"') {
            ++i;
            while (true) {
                if (i >= n)
                    throw StoreError("字符串没有结束: " + sql.toStdString());
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            out.push_back({JetToken::String, sql.mid(start, i - start), depth});
        } else if (c == u'[') {
            i = sql.indexOf(u']', i);
            if (i < 0)
                throw StoreError("方括号没有结束: " + sql.toStdString());
            ++i;
            out.push_back({JetToken::Bracket, sql.mid(start, i - start), depth});
        } else if (c == u'#') {
            i = sql.indexOf(u'#', i + 1);
            if (i < 0)
                throw StoreError("日期没有结束: " + sql.toStdString());
            ++i;
            out.push_back({JetToken::Date, sql.mid(start, i - start), depth});
        } else if (c.isDigit()) {
            while (i < n && (sql[i].isDigit() || sql[i] == u'.'))
                ++i;
            out.push_back({JetToken::Number, sql.mid(start, i - start), depth});
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(sql[i]))
                ++i;
            out.push_back({JetToken::Word, sql.mid(start, i - start), depth});
        } else {
            ++i;
            if (c == u')')
                --depth;
            out.push_back({JetToken::Punct, QString(c), depth});
            if (c == u'(')
                ++depth;
        }
    }
    return out;
}

QString JetDialect::render(const std::vector<JetToken>& tokens) {
    QString out;
    for (const JetToken& t : tokens)
        out += t.text;
    return out;
}

QString JetDialect::translate(const QString& jetSql) {
    std::vector<JetToken> t = tokenize(jetSql);
    static const QRegularExpression dateForm(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}( \\d{2}:\\d{2}:\\d{2})?$"));
    bool firstWord = true;
    for (size_t i = 0; i < t.size(); ++i) {
        JetToken& tok = t[i];
        switch (tok.kind) {
        case JetToken::Word:
            if (firstWord && (isWord(tok, "insert") || isWord(tok, "update")))
                tok.text += QStringLiteral(" or ignore");
            else if (isWord(tok, "true"))
                tok = {JetToken::Number, QStringLiteral("1"), tok.depth};
            else if (isWord(tok, "false"))
                tok = {JetToken::Number, QStringLiteral("0"), tok.depth};
            else if (isWord(tok, "now")) {
                const size_t next = nextSolid(t, i + 1);
                if (next >= t.size() || t[next].text != u'(')
                    tok.text = QStringLiteral("now()");
            }
            firstWord = false;
            break;
        case JetToken::Date: {
            const QString inner = tok.text.mid(1, tok.text.size() - 2).trimmed();
            if (!dateForm.match(inner).hasMatch())
                throw StoreError("无法识别的日期: " + tok.text.toStdString());
            tok.text = u'\'' + inner + u'\'';
            break;
        }
        case JetToken::String:
            if (tok.text.startsWith(u'"')) {
                QString inner = tok.text.mid(1, tok.text.size() - 2);
                inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
                tok.text = u'\'' + quote(inner) + u'\'';
            }
            break;
        default:
            break;
        }
    }
    return render(t);
}

JetDialect::Prepared JetDialect::prepare(const QString& jetSql, const NativeQuery& run) {
    std::vector<JetToken> t = tokenize(translate(jetSql));

    // Evaluate TOP sub-selects, innermost first, and put their values in place.
    while (true) {
        TopSelect best;
        bool found = false;
        TopSelect ts;
        for (size_t from = 0; findTop(t, from, ts); from = ts.selectAt + 1) {
            if (t[ts.selectAt].depth == 0)
                continue;
            if (!found || t[ts.selectAt].depth > t[best.selectAt].depth) {
                best = ts;
                found = true;
            }
        }
        if (!found)
            break;
        Prepared sub;
        sub.top = best.n;
        sub.sql = rewriteTop(t, best, &sub.appended, &sub.keyPositions);
        Recordset cut = cutTop(run(sub.sql), sub);
        QString list;
        if (cut.recordCount() > 0) {
            cut.moveFirst();
            while (!cut.eof()) {
                if (!list.isEmpty())
                    list += u',';
                list += sqlLiteral(cut.field(0));
                cut.moveNext();
            }
        }
        std::vector<JetToken> replaced(t.begin(), t.begin() + long(best.selectAt));
        replaced.push_back({JetToken::Word, list, t[best.selectAt].depth});
        replaced.insert(replaced.end(), t.begin() + long(best.end), t.end());
        t = std::move(replaced);
    }

    Prepared out;
    TopSelect outer;
    if (findTop(t, 0, outer) && t[outer.selectAt].depth == 0) {
        out.top = outer.n;
        out.sql = rewriteTop(t, outer, &out.appended, &out.keyPositions);
    } else {
        out.sql = render(t);
    }
    return out;
}

Recordset JetDialect::cutTop(const Recordset& rows, const Prepared& p) {
    const int columns = rows.fieldCount() - p.appended;
    std::vector<int> keyColumns;
    for (int k : p.keyPositions)
        keyColumns.push_back(k >= 0 ? k : columns + (-1 - k));
    QStringList names;
    for (int c = 0; c < columns; ++c)
        names << rows.fieldName(c);
    Recordset out(names);

    Recordset walk = rows;
    if (p.top <= 0 || walk.recordCount() == 0) {
        out.finish();
        return out;
    }
    walk.moveFirst();
    std::vector<QVariant> lastKeys;
    int taken = 0;
    while (!walk.eof()) {
        std::vector<QVariant> keys;
        for (int k : keyColumns)
            keys.push_back(walk.field(k));
        // Past n, only rows tied with the last one on every order key stay.
        if (taken >= p.top && (keyColumns.empty() || keys != lastKeys))
            break;
        for (int c = 0; c < columns; ++c)
            out.appendVariant(walk.field(c));
        lastKeys = std::move(keys);
        ++taken;
        walk.moveNext();
    }
    out.finish();
    return out;
}
