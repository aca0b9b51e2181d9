#include "PracticeSettings.h"

#include "Mod.h"
#include "StoreError.h"

namespace PracticeSettings {

int CarIndex(const QString& code) {
    return int(kCarCodes.indexOf(code));
}

qint32 ReadLastSeq() {
    bool ok = false;
    const qint32 value = Mod::GetParam(kLastSeqKey, kLastSeqDefault).trimmed().toInt(&ok);
    if (!ok)
        throw StoreError("上次顺序练习最后一题不是数字");
    return value;
}

QString ReadCarType() {
    return Mod::GetParam(kCarTypeKey, kCarTypeDefault);
}

void WriteLastSeq(qint32 lastSeq) {
    Mod::SetParam(kLastSeqKey, QString::number(lastSeq));
}

void WriteCarType(const QString& carType) {
    Mod::SetParam(kCarTypeKey, carType);
}

} // namespace PracticeSettings
