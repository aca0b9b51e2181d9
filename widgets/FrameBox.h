#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

// A frame around a group of controls: an etched rectangle whose top edge
// runs through the middle of the caption, the caption cut into it at the
// left, on the widget's Window colour and in its WindowText colour. The
// inside shows what lies behind the frame unless autoFillBackground is set.
class FrameBox : public QWidget {
    Q_OBJECT
public:
    explicit FrameBox(const QString& title = QString(), QWidget* parent = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // Where the pieces go, for a frame of the given size and font height and
    // a caption of the given width (0 without a caption).
    struct Geometry {
        int lineY;     // the top edge of the etched rectangle
        QRect caption; // the gap in the top edge, caption drawn inside
    };
    static Geometry Compute(int fontHeight, int captionWidth);

    // The etched edge: shadow outside, highlight inside (system colours).
    static constexpr std::uint32_t kShadow = 0x80000010;
    static constexpr std::uint32_t kHighlight = 0x80000014;
    // Left of the caption's gap, and the space either side of the text.
    static constexpr int kCaptionLeft = 6;
    static constexpr int kCaptionPadding = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};
