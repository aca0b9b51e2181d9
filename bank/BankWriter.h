#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include "BankQuestion.h"

// Writes the encrypted bank file and the pictures into a program's images/
// folder. A bank written over an existing one keeps the learner's data: the
// wrong-question marks of questions that still exist, the scores and the
// settings.
class BankWriter {
public:
    static const QString kFileName; // "movra.dll"

    // Writes `outFolder`/movra.dll (replacing it whole only once the new file
    // is complete). Returns false with `error` set on failure.
    static bool writeBank(const QList<BankQuestion>& questions, const QString& outFolder,
                          QString* error);

    // Renders every referenced picture into `outFolder` as PNG; faults for
    // pictures that cannot be read or are too large.
    static QList<BankFault> writePictures(const QList<BankQuestion>& questions,
                                          const QString& picturesFolder, const QString& outFolder);
    // Renders one picture; `limit` is the largest size allowed (none when empty).
    static QList<BankFault> renderPicture(const QString& source, const QString& pngPath,
                                          QSize limit = {kMaxPictureWidth, kMaxPictureHeight});

    static constexpr int kMaxPictureWidth = 240;
    static constexpr int kMaxPictureHeight = 180;
};
