#pragma once

#include <QFont>

// The faces the windows ask for, mapped to the CJK fonts installed with the
// program, so that Chinese text never falls back to empty boxes.
namespace AppFonts {

// The Song-style face of the windows and their buttons ("宋体").
extern const char* const kSong;
// Installs the face substitutions once; safe to call again.
void install();
// 宋体 at a point size, optionally bold.
QFont song(double pointSize, bool bold = false);

} // namespace AppFonts
