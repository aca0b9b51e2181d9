#pragma once

#include "FormLayout.h"
#include "StyleButton.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The buttons of one window made from its stored layout. Each is created as
// a child of the window, placed, and loaded through ReadProperties; the
// window then finds them by name (and index, for a button array) and
// connects their Click signals.
class FormButtons {
public:
    // Which buttons of a layout to make now; a window may make the buttons
    // of a part it shows later when that part is made.
    using Filter = std::function<bool(const ButtonEntry&)>;

    // Creates every button of the layout, or those the filter takes.
    // userMode false is for editing a layout rather than running the program.
    static FormButtons Create(QWidget* window, const FormLayout& layout, bool userMode = true,
                              const Filter& which = {});
    // Creates the buttons of the layout the filter takes, beside those made.
    void Add(const FormLayout& layout, const Filter& which, bool userMode = true);
    // Reads a layout file or Qt resource and creates its buttons; nullopt
    // (with the reason in error) when the file cannot be read or parsed.
    static std::optional<FormButtons> CreateFromFile(QWidget* window, const QString& path,
                                                     QString* error = nullptr,
                                                     bool userMode = true);

    StyleButton* Button(const QString& name, int index = -1) const;

    // A window's stored layout read and its buttons made; a layout that
    // cannot be read is reported and gives none.
    static std::optional<FormButtons> Load(QWidget* window, const QString& path);
    // The layout's button of this name and index, or, when the layout lacks
    // it, a plain one on `window` under that name, so the window works.
    static StyleButton* ButtonOrPlain(const std::optional<FormButtons>& buttons, QWidget* window,
                                      const QString& name, int index = -1);
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
