#include "TextPanelContent.h"

#include <QFont>
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
