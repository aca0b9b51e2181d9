#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// Everything that decides how a panel of wrapped text looks. Its picture can
// therefore be drawn away from the widget, on another thread, and be checked
// against the widget when it is painted.
struct TextPanelContent {
    struct Block {
        QRect rect; // in the panel
        QString text;
        bool operator==(const Block&) const = default;
    };

    QSize size;
    qreal devicePixelRatio = 1;
    // A QFont is not to be shared between threads; its description is.
    QString font;
    QRgb back = 0;
    QRgb fore = 0;
    QList<Block> blocks;

    bool operator==(const TextPanelContent&) const = default;

    // The panel's picture: its background, and each block's text wrapped at
    // word boundaries within the block, from its top left corner. Safe to
    // call on any thread.
    QImage render() const;
    // Names the picture among those kept between starts: the same key for
    // the same content drawn by the same Qt.
    QByteArray cacheKey() const;

    // How a block's text is laid out in its rectangle.
    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
};
