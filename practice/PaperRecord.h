#pragma once

#include <QString>
#include <QtGlobal>

// One question of a question set, as the window shows and judges it.
// Answer indexes are 0-based: 0..3 = A..D; for 判断 0 = 对 and 1 = 错.
struct PaperRecord {
    qint32 id = 0;
    QString question;
    QString an1, an2, an3, an4;
    bool bChoice = false; // 单选 with options A-D; otherwise 判断
    qint16 answerIndex = 0;
    qint16 userAnswer = 0; // -1 = not answered; while loading, 0 marks a free position
    QString ImageUrl;
    bool bFirst = false; // true until the first answer, the only one that counts
    QString explain;     // why the answer is right, shown with it
};
