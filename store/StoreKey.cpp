#include "StoreKey.h"

#include <QFile>

namespace StoreKey {

const QString kPassphrase = QStringLiteral("tq_wenlo");

QByteArray salt() {
    return QByteArrayLiteral("qinghe kaodian 1");
}

QByteArray derivedKey() {
    return QByteArray::fromHex("b690ff80d1244a0f2826d5cf26e7ef0fd4faf5350bca3891ec9baea1efae5cd0");
}

QString rawKeyWithSalt() {
    return QString::fromLatin1((derivedKey() + salt()).toHex());
}

bool hasOurSalt(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == salt();
}

} // namespace StoreKey
