#pragma once

#include <QString>

// One question as written in a source file, with where it was written.
struct BankQuestion {
    QString file;
    int line = 0; // line of its `id`
    qint64 id = 0;
    int type = 0;
    QString question;
    QString an[4];
    bool hasOption[4] = {false, false, false, false};
    int answertrue = 0;
    QString imageUrl;
    QString licensetype;
    QString chap;
    QString strtype;
    QString explain;
};

// A fault in the sources: file, line and what is wrong.
struct BankFault {
    QString file;
    int line = 0;
    QString message;
    QString text() const {
        return file + u':' + QString::number(line) + QStringLiteral(": ") + message;
    }
};
