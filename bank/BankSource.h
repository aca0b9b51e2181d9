#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "BankQuestion.h"

// Reads question source files (the format of bank/README.md).
class BankSource {
public:
    // Parses one file's text; faults of form (unknown key, malformed line,
    // missing field, a number that is not one) go to `faults`.
    static QList<BankQuestion> parse(const QString& fileName, const QString& text,
                                     QList<BankFault>* faults);
    // All *.txt files of a folder, in name order.
    static QList<BankQuestion> readFolder(const QString& folder, QList<BankFault>* faults);
};
