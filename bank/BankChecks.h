#pragma once

#include <QList>
#include <QString>

#include "BankQuestion.h"

// What a bank must hold besides well-formed questions.
struct BankPolicy {
    bool requireCounts = false; // the minimums per vehicle code
    bool requireAllPicturesUsed = false;
    int minTotal = 1600;
    int minPerCode = 1300;  // questions per vehicle code
    int minTrueFalse = 500; // 判断 per vehicle code
    int minChoice = 700;    // 单选 per vehicle code
    int minHeavyOnly = 200; // questions only for A, only for B, or for AB
    int minPictures = 260;  // pictures the questions use
    int minScenes = 60;     // of them road scenes (scene-*)
};

struct BankCounts {
    int trueFalse[3] = {0, 0, 0}; // per code A, B, C
    int choice[3] = {0, 0, 0};
    int heavyOnly = 0;
};

class BankChecks {
public:
    // Every fault of the questions, in source order; the pictures folder is
    // where each ImageUrl must find its file.
    static QList<BankFault> check(const QList<BankQuestion>& questions,
                                  const QString& picturesFolder, const BankPolicy& policy);
    static BankCounts count(const QList<BankQuestion>& questions);
    // The source file of a picture reference, or an empty text when none exists.
    static QString pictureSource(const QString& picturesFolder, const QString& imageUrl);

    // Road scenes (scene-*.svg or .png): at least this size and at most the
    // largest picture, and a file no larger than this.
    static constexpr int kMinSceneWidth = 200;
    static constexpr int kMinSceneHeight = 150;
    static constexpr qint64 kMaxSceneBytes = 96 * 1024;
};
