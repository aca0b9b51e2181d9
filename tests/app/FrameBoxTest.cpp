#include "FrameBox.h"

#include "AppFonts.h"
#include "VbColor.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The edge colours come from the system colour table.
QRgb shadowColour() {
    return VbColor(FrameBox::kShadow).rgb();
}

// A frame of 120 x 80 on a known background, caption in navy.
struct Frame {
    FrameBox box;
    explicit Frame(const QString& title) : box(title) {
        box.setFont(AppFonts::song(10.5));
        QPalette p = box.palette();
        p.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
        p.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
        box.setPalette(p);
        box.setAutoFillBackground(true);
        box.resize(120, 80);
    }
    QImage shot() { return box.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

TEST(FrameBox, TheEdgeIsEtchedShadowOutsideHighlightInside) {
    Frame f{QString()};
    const QImage s = f.shot();
    const int y = QFontMetrics(f.box.font()).height() / 2;
    const QRgb shadow = shadowColour(), light = VbColor(FrameBox::kHighlight).rgb(),
               back = qRgb(0xE0, 0xE0, 0xE0);
    // Top edge at half the font height, the highlight one pixel below it.
    EXPECT_EQ(s.pixel(60, y), shadow);
    EXPECT_EQ(s.pixel(60, y + 1), light);
    EXPECT_EQ(s.pixel(60, y - 1), back);
    // Left: shadow then highlight; right: shadow then highlight at the edge.
    EXPECT_EQ(s.pixel(0, 40), shadow);
    EXPECT_EQ(s.pixel(1, 40), light);
    EXPECT_EQ(s.pixel(118, 40), shadow);
    EXPECT_EQ(s.pixel(119, 40), light);
    // Bottom: shadow one row up, highlight on the last row.
    EXPECT_EQ(s.pixel(60, 78), shadow);
    EXPECT_EQ(s.pixel(60, 79), light);
    EXPECT_EQ(s.pixel(60, 40), back);
    // Corners: the highlight rectangle closes the bottom right.
    EXPECT_EQ(s.pixel(119, 79), light);
    EXPECT_EQ(s.pixel(0, 79), light);
}

TEST(FrameBox, TheCaptionCutsTheTopEdge) {
    Frame f{QStringLiteral("计时")};
    const QImage s = f.shot();
    const QFontMetrics fm(f.box.font());
    const FrameBox::Geometry g = FrameBox::Compute(fm.height(), fm.horizontalAdvance("计时"));
    ASSERT_EQ(g.caption.left(), FrameBox::kCaptionLeft);
    ASSERT_EQ(g.caption.width(), fm.horizontalAdvance("计时") + 2 * FrameBox::kCaptionPadding);
    // The gap shows the background where the edge would run...
    EXPECT_EQ(s.pixel(g.caption.left(), g.lineY), qRgb(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(s.pixel(g.caption.right(), g.lineY + 1), qRgb(0xE0, 0xE0, 0xE0));
    // ...and the edge goes on either side of it.
    EXPECT_EQ(s.pixel(g.caption.left() - 1, g.lineY), shadowColour());
    EXPECT_EQ(s.pixel(g.caption.right() + 1, g.lineY), shadowColour());
    // The caption is drawn in the text colour inside the gap.
    int navy = 0;
    for (int x = g.caption.left(); x <= g.caption.right(); ++x)
        for (int y = 0; y < g.caption.height(); ++y)
            navy += s.pixel(x, y) == qRgb(0, 0, 0x80);
    EXPECT_GT(navy, 10);

    EXPECT_EQ(f.box.accessibleName(), "计时");
    f.box.setTitle(QString());
    EXPECT_EQ(f.shot().pixel(g.caption.left() + 2, g.lineY), shadowColour());
}

TEST(FrameBox, TheCaptionSitsWhereASingleLineOfTextWould) {
    // Laid out once for its width and its drawing, the caption still lands
    // on the pixels Qt's own single-line text puts in the gap, including
    // sizes whose line height rounds up.
    for (const QString& title : {QStringLiteral("计时"), QStringLiteral("软件说明"),
                                 QStringLiteral("顺序练习(共计1339题)--C1/")}) {
        for (double points : {9.0, 10.5, 12.0}) {
            Frame f{title};
            f.box.setFont(AppFonts::song(points));
            f.box.resize(300, 80);
            const QImage s = f.shot();
            const QFontMetrics fm(f.box.font());
            const FrameBox::Geometry g =
                FrameBox::Compute(fm.height(), fm.horizontalAdvance(title));
            QImage expected(g.caption.size(), QImage::Format_RGB32);
            expected.fill(QColor(0xE0, 0xE0, 0xE0));
            QPainter p(&expected);
            p.setFont(f.box.font());
            p.setPen(QColor(0, 0, 0x80));
            p.drawText(
                QRect(QPoint(), g.caption.size()).adjusted(FrameBox::kCaptionPadding, 0, 0, 0),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
            p.end();
            EXPECT_EQ(s.copy(g.caption), expected) << title.toStdString() << " " << points;
        }
    }
}
