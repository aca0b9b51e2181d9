#pragma once

#include "FontDesc.h"

#include <QFont>
#include <QString>

// Turns stored font descriptions into fonts installed here. The windows name
// the Windows faces they were designed with (宋体 above all); each maps to an
// installed family of the same kind so that stored layouts draw alike on
// every machine.
namespace FontFaces {

// The installed family that draws a stored face name ("宋体" -> "Noto Serif
// CJK SC"); names without a mapping are returned unchanged.
QString FamilyFor(const QString& faceName);

// The font to draw with: the mapped family at round(size * 96 / 72) pixels,
// so the caption does not depend on the screen's resolution.
QFont ToQFont(const FontDesc& desc);

// A description of a Qt font (charset 134: every caption is Chinese).
FontDesc FromQFont(const QFont& font);

} // namespace FontFaces
