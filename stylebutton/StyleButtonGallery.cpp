// Renders every style in every state at a few sizes into one PNG, so people
// can look at what the buttons draw. Not run by the tests.
//
//   qk-stylebutton-gallery [output.png]
#include "StyleButton.h"
#include "StyleTable.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr std::uint32_t kMask = 0xE0E0E0;

// A right-pointing arrow on the mask colour, as the windows' bitmaps are.
PicturePtr Arrow(QColor colour) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(0xE0, 0xE0, 0xE0));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(2, 6, 7, 4);
    p.drawPolygon(QPolygon({QPoint(8, 2), QPoint(15, 8), QPoint(8, 14)}));
    return StylePicture::FromImage(image);
}

// A round badge with a tick, transparent around it: drawn as an icon.
PicturePtr Badge(QColor colour) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(2, 2, 28, 28);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(9, 16), QPoint(14, 21), QPoint(23, 11)}));
    return StylePicture::FromImage(image);
}

struct Variant {
    QSize size;
    QString caption;
    int pictureKind; // 0 none, 1 arrow bitmap, 2 badge icon
    int pictureAlign;
    int pictureSize;
};

struct StateColumn {
    const char* name;
    int state;
    bool enabled;
    bool checked;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "stylebutton-gallery.png";

    const Variant variants[] = {
        {{75, 25}, QStringLiteral("确定(&O)"), 0, 1, 0},
        {{110, 32}, QStringLiteral("下一题"), 1, 1, 1},
        {{72, 60}, QStringLiteral("交  卷"), 2, 6, 3},
    };
    const StateColumn states[] = {
        {"normal", StyleButton::Normal, true, false},
        {"hot", StyleButton::Hot, true, false},
        {"down", StyleButton::Down, true, false},
        {"disabled", StyleButton::Normal, false, false},
        {"checked", StyleButton::Normal, true, true},
    };
    const PicturePtr arrow = Arrow(QColor(0x20, 0x60, 0xC0));
    const PicturePtr arrowHot = Arrow(QColor(0xE0, 0x70, 0x10));
    const PicturePtr badge = Badge(QColor(0x20, 0x90, 0x40));
    const PicturePtr badgeHot = Badge(QColor(0x10, 0x70, 0xD0));

    const int labelWidth = 130, headerHeight = 36, gap = 8, rowHeight = 60 + gap;
    int cellWidths = 0;
    for (const Variant& v : variants)
        cellWidths += (v.size.width() + gap) * 5 + 2 * gap;
    const int styles = StyleTable::kCount + 1; // and one value without a style
    QImage sheet(labelWidth + cellWidths, headerHeight + styles * rowHeight + gap,
                 QImage::Format_RGB32);
    // Darker than the button face, so each button's extent shows.
    sheet.fill(QColor(0xB8, 0xC4, 0xD0));
    QPainter painter(&sheet);
    painter.setFont(QFont("DejaVu Sans", 8));
    painter.setPen(Qt::black);

    QFont buttonFont("宋体");
    buttonFont.setPointSizeF(9.75);
    int x = labelWidth;
    for (const Variant& v : variants) {
        for (const StateColumn& s : states) {
            painter.drawText(
                QRect(x, 4, v.size.width() + gap, headerHeight - 8),
                Qt::AlignLeft | Qt::AlignBottom,
                QStringLiteral("%1\n%2×%3").arg(s.name).arg(v.size.width()).arg(v.size.height()));
            x += v.size.width() + gap;
        }
        x += 2 * gap;
    }

    for (int style = 0; style < styles; ++style) {
        const int y = headerHeight + style * rowHeight;
        const QString name = StyleTable::Name(style);
        painter.drawText(QRect(6, y, labelWidth - 8, rowHeight - gap), Qt::AlignVCenter,
                         QStringLiteral("%1 %2").arg(style).arg(name.isEmpty() ? "(none)" : name));
        x = labelWidth;
        for (const Variant& v : variants) {
            for (const StateColumn& s : states) {
                StyleButton button;
                button.resize(v.size);
                button.setFont(buttonFont);
                button.setButtonStyle(style);
                button.setCaption(v.caption);
                if (v.pictureKind == 1) {
                    button.setPicture(arrow);
                    button.setPictureHover(arrowHot);
                    button.setMaskColor(kMask);
                    button.setUseMaskColor(true);
                } else if (v.pictureKind == 2) {
                    button.setPicture(badge);
                    button.setPictureHover(badgeHot);
                }
                button.setPictureAlign(v.pictureAlign);
                button.setPictureSize(v.pictureSize);
                button.setEnabled(s.enabled);
                if (s.checked) {
                    button.setCheckBoxMode(true);
                    button.setValue(true);
                }
                button.setButtonState(s.state);
                button.Redraw();
                painter.drawImage(x, y, button.Surface().Image());
                x += v.size.width() + gap;
            }
            x += 2 * gap;
        }
    }
    painter.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(out));
        return 1;
    }
    std::printf("%s\n", qUtf8Printable(out));
    return 0;
}
