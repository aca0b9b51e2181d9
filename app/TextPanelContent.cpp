#include "TextPanelContent.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QPainter>

QImage TextPanelContent::render() const {
    QImage picture((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(QColor(back));
    QFont f;
    f.fromString(font);
    QPainter p(&picture);
    p.setFont(f);
    p.setPen(QColor(fore));
    for (const Block& b : blocks)
        p.drawText(b.rect, kFlags, b.text);
    return picture;
}

QByteArray TextPanelContent::cacheKey() const {
    QByteArray description;
    QDataStream out(&description, QIODevice::WriteOnly);
    out << QByteArrayLiteral("text panel 1") << QByteArray(qVersion()) << size << devicePixelRatio
        << font << back << fore << qint32(blocks.size());
    for (const Block& b : blocks)
        out << b.rect << b.text;
    return QCryptographicHash::hash(description, QCryptographicHash::Sha1);
}
