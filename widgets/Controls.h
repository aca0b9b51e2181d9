#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class QLabel;
class QWidget;

// Small helpers the windows build their controls with.
namespace Controls {

// A label with its object name, text and place.
QLabel* Label(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// An object name for a member of a control array: "opt(2)".
QString ArrayName(const char* name, int index);
// A control's background and text colours (0x00BBGGRR, system colours
// allowed). Children take them from their parent.
void Colour(QWidget* w, std::uint32_t back, std::uint32_t fore);

} // namespace Controls
