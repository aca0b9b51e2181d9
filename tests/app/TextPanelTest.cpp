#include "TextPanel.h"

#include "AppFonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb kBack = qRgb(0xE0, 0xE0, 0xE0);
const QRgb kNavy = qRgb(0, 0, 0x80);

const QString kLong = QStringLiteral(
    "驾驶机动车在道路上行驶，应当按照规定的速度安全驾驶，遇有前方车辆停车排队等候或者缓慢行驶时，"
    "不得借道超车或者占用对面车道，不得穿插等候的车辆。");

// A panel of 300 x 200 with two blocks, in known colours.
struct Panel {
    TextPanel panel;
    Panel() {
        panel.setFont(AppFonts::song(10.5));
        colour(kBack, kNavy);
        panel.resize(300, 200);
        panel.setBlocks({{QRect(0, 0, 300, 120), kLong}, {QRect(20, 140, 200, 40), "谢谢！"}});
    }
    void colour(QRgb back, QRgb fore) {
        QPalette p = panel.palette();
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::WindowText, fore);
        panel.setPalette(p);
    }
    QImage shot() { return panel.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The same texts drawn straight onto the background.
QImage expected(const Panel& p, QRgb fore) {
    QImage image(p.panel.size(), QImage::Format_RGB32);
    image.fill(kBack);
    QPainter painter(&image);
    painter.setFont(p.panel.font());
    painter.setPen(QColor(fore));
    for (const TextPanel::Block& b : p.panel.blocks())
        painter.drawText(b.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, b.text);
    return image;
}

// Pixels that are not the background, inside and outside a rectangle.
int ink(const QImage& s, const QRect& r, bool inside) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += r.contains(x, y) == inside && s.pixel(x, y) != kBack;
    return n;
}

} // namespace

TEST(TextPanel, DrawsEachBlockWrappedInItsRectangle) {
    Panel p;
    const QImage s = p.shot();
    EXPECT_EQ(s, expected(p, kNavy));
    // The long text wraps onto several lines of its block and stays inside it;
    // the short one sits at its block's corner.
    const QRect first(0, 0, 300, 120), second(20, 140, 200, 40);
    const int lineHeight = QFontMetrics(p.panel.font()).height();
    EXPECT_GT(ink(s, QRect(0, 2 * lineHeight, 300, lineHeight), true), 50);
    EXPECT_GT(ink(s, QRect(20, 140, 40, lineHeight), true), 20);
    EXPECT_EQ(ink(s, first.united(second), false), 0);
    EXPECT_GT(p.panel.neededHeight(0), 2 * lineHeight);
    EXPECT_LE(p.panel.neededHeight(0), 120);
    EXPECT_LT(p.panel.neededHeight(1), 2 * lineHeight); // one line
}

TEST(TextPanel, APictureDrawnInAdvanceLooksTheSameAsOneDrawnAtThePaint) {
    Panel p;
    p.panel.prerender();
    EXPECT_TRUE(p.panel.prerendering());
    const QImage s = p.shot();
    EXPECT_FALSE(p.panel.prerendering()); // the paint took it
    EXPECT_EQ(s, expected(p, kNavy));
    EXPECT_EQ(s, p.panel.content().render().convertToFormat(QImage::Format_RGB32));
}

TEST(TextPanel, AChangeAfterThePictureWasStartedIsPaintedAsItIsNow) {
    Panel p;
    p.panel.prerender();
    p.colour(kBack, qRgb(0xFF, 0, 0));
    const QImage red = p.shot();
    EXPECT_EQ(red, expected(p, qRgb(0xFF, 0, 0)));
    EXPECT_EQ(ink(red, QRect(0, 0, 300, 200), true), ink(expected(p, kNavy), p.panel.rect(), true));

    // A change after a paint is painted too: the picture is drawn anew.
    p.panel.setBlocks({{QRect(0, 0, 300, 40), "谢谢！"}});
    EXPECT_EQ(p.shot(), expected(p, qRgb(0xFF, 0, 0)));
    p.panel.resize(200, 100);
    EXPECT_EQ(p.shot().size(), QSize(200, 100));
}

TEST(TextPanel, IsGoneSafelyWhileItsPictureIsStillBeingDrawn) {
    for (int i = 0; i < 20; ++i) {
        auto p = std::make_unique<Panel>();
        p->panel.prerender();
        p->panel.prerender(); // a second start waits for the first
        EXPECT_TRUE(p->panel.prerendering());
    }
}

TEST(TextPanel, AScreenReaderReadsTheText) {
    Panel p;
    EXPECT_EQ(p.panel.accessibleName(), kLong + "\n谢谢！");
}
