#pragma once

#include "PropertyValue.h"

#include <QString>
#include <QStringView>
#include <optional>

// The text form of one stored value in a layout file:
//   True / False                       a flag
//   -12, 375                           a 32-bit number
//   9.75                               a fractional number
//   "顺序练习", "say ""hi"""            a text; a doubled quote is one quote
//   &H00E3E3E3&                        a colour, 0x00BBGGRR (or 0x800000nn)
//   Font("宋体", 9.75, 700, 134)        name, points, weight, charset, then
//                                      optionally Italic, Underline, Strikethrough
//   Picture(":/buttons/next.png")      a picture file or Qt resource;
//                                      Picture() is an empty picture
//   Nothing                            no object
namespace PropertyText {

QString Format(const PropertyValue& value);

// Reads one value starting at pos and moves pos past it. On failure returns
// nullopt and says why in error.
std::optional<PropertyValue> Parse(QStringView text, qsizetype& pos, QString* error);

// A whole text that must hold exactly one value (spaces around it allowed).
std::optional<PropertyValue> ParseAll(QStringView text, QString* error = nullptr);

} // namespace PropertyText
