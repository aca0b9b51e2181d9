#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "Recordset.h"

// The SQL dialect the program's statements are written in (the one of the
// desktop database engine it grew up on), carried over to SQLite:
//   * '*' and '?' wildcards in LIKE (a LIKE function of ours, see JetFunctions),
//   * true / false literals, [name] identifiers, "text" strings,
//   * #yyyy-MM-dd HH:mm:ss# date literals, a bare `now`,
//   * TOP n, with the rows tied with the last one kept, in a SELECT and in a
//     parenthesised sub-select,
//   * INSERT / UPDATE that skip rows a unique key refuses instead of failing.
struct JetToken {
    enum Kind { Word, Number, String, Bracket, Date, Punct, Space };
    Kind kind;
    QString text;
    int depth; // parenthesis depth; '(' and ')' carry the depth outside them
};

class JetDialect {
public:
    // Runs a native SQLite SELECT and returns its rows.
    using NativeQuery = std::function<Recordset(const QString& sqliteSql)>;

    static std::vector<JetToken> tokenize(const QString& jetSql);
    static QString render(const std::vector<JetToken>& tokens);

    // Translates every feature but TOP; throws StoreError on a malformed literal.
    static QString translate(const QString& jetSql);

    // A statement ready for SQLite. When the outermost statement is a TOP
    // select, `top` is its n and `sql` selects all rows with the order keys
    // appended; cutTop() then makes the result.
    struct Prepared {
        QString sql;
        int top = -1;
        std::vector<int> keyPositions; // >= 0: a select-list column; < 0: -1 - appended index
        int appended = 0;
    };

    // Translates a whole statement, evaluating each TOP sub-select through
    // `run` and putting its values in place.
    static Prepared prepare(const QString& jetSql, const NativeQuery& run);

    // The rows of a TOP query: the first n, and the rows tied with the n-th on
    // the order keys; the appended key columns are dropped.
    static Recordset cutTop(const Recordset& rows, const Prepared& p);

    // Doubles single quotes so a value cannot end its literal.
    static QString quote(const QString& value);
};
