#pragma once

#include "DrawSurface.h"
#include "PixelRect.h"
#include "StylePicture.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

// Everything a button's face is drawn from, as plain values: the painters
// read nothing of the widget, so a face can be drawn and tested without one.
struct ButtonFace {
    // What drawing leaves beside the pixels.
    struct Layout {
        int pictureWidth = 0;
        int pictureHeight = 0;
        std::optional<PixelRect> captionRect;   // set when the layout makes a new one
        std::optional<std::uint32_t> foreColor; // set by a style that chooses its caption colour
    };

    int width = 0;
    int height = 0;
    std::uint32_t background = 0; // may name a system colour
    std::uint32_t backColor = 0;  // the face colour C, may name a system colour
    QString font;                 // the surface font, as QFont::toString gives it
    QString caption;
    bool hasAccessKey = false;
    PicturePtr picture;
    PicturePtr pictureHover;
    std::int32_t pictureSize = 0;
    std::int32_t pictureAlign = 1;
    std::int32_t captionAlign = 1;
    std::int32_t style = 0;
    int state = 0;
    bool enabled = true;
    bool checked = false;
    bool useMaskColor = false;
    // The focus and default-button cues.
    bool hasFocus = false;
    bool parentActive = false;
    bool displayAsDefault = false;
    bool showFocusRect = false;
    bool runMode = true; // false while a layout is being edited
    bool mouseInside = false;
    bool mouseDownFlag = false;
    std::uint32_t ambientBack = 0; // the window's background, behind the button
    PixelRect lastCaptionRect;     // the caption's place as the last drawing left it
    std::uint32_t maskColor = 0;
    std::uint32_t foreColor = 0;
    // The picture box the button keeps from one drawing to the next.
    int pictureWidth = 0;
    int pictureHeight = 0;

    // Draws into a surface that already has this face's font and background.
    Layout DrawInto(DrawSurface& surface) const;

    friend bool operator==(const ButtonFace&, const ButtonFace&) = default;
};
