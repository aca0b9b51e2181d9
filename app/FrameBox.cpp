#include "FrameBox.h"

#include "VbColor.h"

#include <QPainter>

FrameBox::FrameBox(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    // A screen reader names the group after its caption.
    setAccessibleName(title_);
}

void FrameBox::setTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
    setAccessibleName(title_);
    update();
}

FrameBox::Geometry FrameBox::Compute(int fontHeight, int captionWidth) {
    Geometry g;
    g.lineY = fontHeight / 2;
    g.caption = captionWidth > 0
                    ? QRect(kCaptionLeft, 0, captionWidth + 2 * kCaptionPadding, fontHeight)
                    : QRect();
    return g;
}

void FrameBox::paintEvent(QPaintEvent*) {
    const QFontMetrics fm = fontMetrics();
    const int textWidth = title_.isEmpty() ? 0 : fm.horizontalAdvance(title_);
    const Geometry g = Compute(fm.height(), textWidth);
    const int w = width(), h = height();
    const int y = g.lineY;
    const QColor shadow = VbColor(kShadow), light = VbColor(kHighlight);

    // Plain one-pixel fills: the etched look of two nested rectangles, the
    // shadow one up and left of the highlight one.
    QPainter p(this);
    p.fillRect(0, y, w - 1, 1, shadow);         // top
    p.fillRect(0, y, 1, h - y - 1, shadow);     // left
    p.fillRect(0, h - 2, w - 1, 1, shadow);     // bottom
    p.fillRect(w - 2, y, 1, h - y - 1, shadow); // right
    p.fillRect(1, y + 1, w - 3, 1, light);
    p.fillRect(1, y + 1, 1, h - y - 3, light);
    p.fillRect(0, h - 1, w, 1, light);
    p.fillRect(w - 1, y, 1, h - y, light);

    if (textWidth > 0) {
        p.fillRect(g.caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(g.caption.adjusted(kCaptionPadding, 0, 0, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title_);
    }
}
