#pragma once

#include "FormLayout.h"
#include "StyleButton.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <optional>

class QWidget;

// The buttons of one window made from its stored layout. Each is created as
// a child of the window, placed, and loaded through ReadProperties; the
// window then finds them by name (and index, for a button array) and
// connects their Click signals.
class FormButtons {
public:
    // Creates every button of the layout. userMode false is for editing a
    // layout rather than running the program.
    static FormButtons Create(QWidget* window, const FormLayout& layout, bool userMode = true);
    // Reads a layout file or Qt resource and creates its buttons; nullopt
    // (with the reason in error) when the file cannot be read or parsed.
    static std::optional<FormButtons> CreateFromFile(QWidget* window, const QString& path,
                                                     QString* error = nullptr,
                                                     bool userMode = true);

    StyleButton* Button(const QString& name, int index = -1) const;
    // The members of a button array, by ascending index.
    QList<StyleButton*> Array(const QString& name) const;
    QList<StyleButton*> All() const;

    // The layout as the buttons stand now: the window's values as loaded,
    // each button's position and size, and what its WriteProperties writes.
    FormLayout Capture() const;

private:
    struct Member {
        QString name;
        int index = -1;
        QPointer<StyleButton> button;
    };

    QPointer<QWidget> window_;
    QString formName_;
    PropertyBag formProperties_;
    QList<Member> members_;
};
