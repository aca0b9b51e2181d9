#pragma once

#include "ButtonAmbient.h"
#include "ButtonEntry.h"
#include "PropertyBag.h"

#include <QList>
#include <QString>
#include <optional>

// A window's stored button layout, kept in the repository as text:
//
//   # comment lines start with '#'; a value may be followed by one too
//   Form frmMain
//       Font = Font("宋体", 9, 400, 134)     # the window's font (ambient)
//       BackColor = &H8000000F&              # the window's background
//   Begin StyleButton cmdK(1)                # name, optional (index)
//       Container = "fraC"                   # optional: the frame holding it
//       Left = 120                           # twips from the frame's corner
//       Top = 600
//       Width = 1215
//       Height = 375
//       Visible = False                      # optional, default True
//       ButtonStyle = 4                      # then what WriteProperties wrote
//       BackColor = &H00E3E3E3&
//       Caption = "顺序练习"
//       Font = Font("宋体", 9.75, 400, 134)
//       Picture = Picture(":/buttons/order.png")
//       pictureSize = 2
//   End
//
// Keys are matched without regard to case; values are written as
// PropertyText describes. Container, Left, Top, Width, Height and Visible
// belong to the window, everything else to the button's ReadProperties.
class FormLayout {
public:
    QString formName;
    PropertyBag formProperties;
    QList<ButtonEntry> buttons;

    static std::optional<FormLayout> Parse(const QString& text, QString* error = nullptr);
    // Reads a UTF-8 file or Qt resource.
    static std::optional<FormLayout> Load(const QString& path, QString* error = nullptr);
    QString ToText() const;
    bool Save(const QString& path, QString* error = nullptr) const;

    // What the window tells each of its buttons (its font and background).
    ButtonAmbient AmbientFor(const ButtonEntry& entry, bool userMode = true) const;
    const ButtonEntry* Find(const QString& name, int index = -1) const;
};
