#include "FormButtons.h"

#include <QWidget>
#include <algorithm>

FormButtons FormButtons::Create(QWidget* window, const FormLayout& layout, bool userMode,
                                const Filter& which) {
    FormButtons result;
    result.formName_ = layout.formName;
    result.formProperties_ = layout.formProperties;
    result.window_ = window;
    result.Add(
        layout, which ? which : [](const ButtonEntry&) { return true; }, userMode);
    return result;
}

void FormButtons::Add(const FormLayout& layout, const Filter& which, bool userMode) {
    QWidget* window = window_;
    if (!window)
        return;
    for (const ButtonEntry& entry : layout.buttons) {
        if (!which(entry))
            continue;
        // A frame that is not there leaves the button on the window itself.
        QWidget* parent = window;
        if (!entry.container.isEmpty()) {
            if (auto* frame = window->findChild<QWidget*>(entry.container))
                parent = frame;
        }
        const ButtonAmbient ambient = layout.AmbientFor(entry, userMode);
        auto* button = new StyleButton(parent, ambient, StyleButton::Origin::Stored);
        button->setObjectName(ambient.displayName);
        // The window places the button before it reads its state, so the
        // minimum size and the first redraw see the stored size.
        button->setGeometryTwips(entry.left, entry.top, entry.width, entry.height);
        button->ReadProperties(entry.properties);
        button->setVisible(entry.visible);
        members_.append({entry.name, entry.index, button});
    }
}

std::optional<FormButtons> FormButtons::CreateFromFile(QWidget* window, const QString& path,
                                                       QString* error, bool userMode) {
    const auto layout = FormLayout::Load(path, error);
    if (!layout)
        return std::nullopt;
    return Create(window, *layout, userMode);
}

std::optional<FormButtons> FormButtons::Load(QWidget* window, const QString& path) {
    QString error;
    std::optional<FormButtons> buttons = CreateFromFile(window, path, &error);
    if (!buttons)
        qWarning("%s", qPrintable(error));
    return buttons;
}

StyleButton* FormButtons::ButtonOrPlain(const std::optional<FormButtons>& buttons, QWidget* window,
                                        const QString& name, int index) {
    if (StyleButton* b = buttons ? buttons->Button(name, index) : nullptr)
        return b;
    auto* b = new StyleButton(window);
    b->setObjectName(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
    return b;
}

StyleButton* FormButtons::Button(const QString& name, int index) const {
    for (const Member& m : members_) {
        if (m.index == index && m.name.compare(name, Qt::CaseInsensitive) == 0)
            return m.button;
    }
    return nullptr;
}

QList<StyleButton*> FormButtons::Array(const QString& name) const {
    QList<const Member*> found;
    for (const Member& m : members_) {
        if (m.index >= 0 && m.button && m.name.compare(name, Qt::CaseInsensitive) == 0)
            found.append(&m);
    }
    std::sort(found.begin(), found.end(),
              [](const Member* a, const Member* b) { return a->index < b->index; });
    QList<StyleButton*> buttons;
    for (const Member* m : found)
        buttons.append(m->button);
    return buttons;
}

QList<StyleButton*> FormButtons::All() const {
    QList<StyleButton*> buttons;
    for (const Member& m : members_) {
        if (m.button)
            buttons.append(m.button);
    }
    return buttons;
}

FormLayout FormButtons::Capture() const {
    FormLayout layout;
    layout.formName = formName_;
    layout.formProperties = formProperties_;
    for (const Member& m : members_) {
        if (!m.button)
            continue;
        ButtonEntry entry;
        entry.name = m.name;
        entry.index = m.index;
        if (QWidget* parent = m.button->parentWidget(); parent && parent != window_)
            entry.container = parent->objectName();
        entry.left = m.button->LeftTwips();
        entry.top = m.button->TopTwips();
        entry.width = m.button->WidthTwips();
        entry.height = m.button->HeightTwips();
        entry.visible = !m.button->isHidden();
        m.button->WriteProperties(entry.properties);
        layout.buttons.append(entry);
    }
    return layout;
}
