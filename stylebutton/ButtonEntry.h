#pragma once

#include "PropertyBag.h"

#include <QString>

// One button of a stored window layout: its name (and index within a button
// array), the frame of the window that holds it (by object name; empty for
// the window itself), where it sits in that frame and how big it is in
// twips, whether it starts visible, and the properties it wrote.
struct ButtonEntry {
    QString name;
    int index = -1; // -1: not part of an array
    QString container;
    int left = 0;
    int top = 0;
    int width = 1215; // 81 x 25 pixels
    int height = 375;
    bool visible = true;
    PropertyBag properties;

    // "cmdK(1)" for an array member, else the name.
    QString DisplayName() const {
        return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
    }
};
