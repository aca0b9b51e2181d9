#pragma once

#include <QString>
#include <QStringList>

// The two settings the program keeps in the bank's table param, and the
// vehicle types they choose between.
namespace PracticeSettings {

// The question last answered in sequential practice, where it resumes.
const QString kLastSeqKey = QStringLiteral("上次顺序练习最后一题");
const QString kLastSeqDefault = QStringLiteral("1");
// The vehicle-type code "C", "B" or "A".
const QString kCarTypeKey = QStringLiteral("考试车型");
const QString kCarTypeDefault = QStringLiteral("C");

// The vehicle types in the order of their list, with their codes.
const QStringList kCarItems = {QStringLiteral("小车版(C1、C2、C3、C4、C5)"),
                               QStringLiteral("货车版(A2、B2)"),
                               QStringLiteral("客车版(A1、A3、B1)")};
const QStringList kCarCodes = {QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A")};

// The list index of a code; -1 for a code that is not one of the three.
int CarIndex(const QString& code);

// The stored resume point; throws StoreError when it is not a number.
qint32 ReadLastSeq();
// The stored vehicle code as it is (empty without a row).
QString ReadCarType();
// Each throws StoreError when the store refuses.
void WriteLastSeq(qint32 lastSeq);
void WriteCarType(const QString& carType);

} // namespace PracticeSettings
