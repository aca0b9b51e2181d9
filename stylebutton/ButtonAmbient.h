#pragma once

#include "FontDesc.h"
#include "SystemColors.h"

#include <QString>
#include <cstdint>

// What the window holding a button tells it about itself: the button's name
// there, the window's font and background, whether the program runs (rather
// than a layout being edited) and whether this is the default button.
struct ButtonAmbient {
    QString displayName = QStringLiteral("StyleButton1");
    FontDesc font; // 宋体 9 pt, the windows' own font
    bool userMode = true;
    bool displayAsDefault = false;
    std::uint32_t backColor = SystemColors::System(SystemColors::kButtonFace);
};
