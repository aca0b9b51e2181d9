#include "FrameBox.h"

#include "VbColor.h"

#include <QPainter>
#include <QTextLayout>

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
    // The caption is laid out once, for its width and for drawing: each
    // layout of it shapes the text anew.
    QTextLayout caption(title_, font());
    int textWidth = 0;
    if (!title_.isEmpty()) {
        QTextOption option(Qt::AlignLeft);
        option.setWrapMode(QTextOption::NoWrap);
        caption.setTextOption(option);
        caption.beginLayout();
        QTextLine line = caption.createLine();
        caption.endLayout();
        textWidth = qRound(line.horizontalAdvance());
    }
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
        // Centred in the gap's height by the line's own ascent and descent,
        // which QTextLine::height() rounds up.
        const QTextLine line = caption.lineAt(0);
        const qreal top =
            g.caption.top() + (g.caption.height() - line.ascent() - line.descent()) / 2;
        caption.draw(&p, QPointF(g.caption.left() + kCaptionPadding, top));
    }
}
