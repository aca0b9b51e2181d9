#include "StyleButtonAccessible.h"

#include "StyleButton.h"

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("StyleButton") && object && object->isWidgetType())
        return new StyleButtonAccessible(static_cast<StyleButton*>(object));
    return nullptr;
}

} // namespace

StyleButtonAccessible::StyleButtonAccessible(StyleButton* b)
    : QAccessibleWidget(b, QAccessible::Button) {}

StyleButton* StyleButtonAccessible::button() const {
    return static_cast<StyleButton*>(widget());
}

QAccessible::Role StyleButtonAccessible::role() const {
    return button()->CheckBoxMode() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State StyleButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.disabled = !button()->Enabled();
    if (button()->CheckBoxMode()) {
        s.checkable = true;
        s.checked = button()->Value();
    }
    return s;
}

QString StyleButtonAccessible::Spoken(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // "&x" reads x, "&&" reads "&"
        else if (caption[i] == u'&')
            continue;
        out += caption[i];
    }
    return out;
}

QString StyleButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        if (!button()->accessibleName().isEmpty())
            return button()->accessibleName();
        return Spoken(button()->Caption());
    case QAccessible::Accelerator:
        return button()->AccessKeys().isEmpty()
                   ? QString()
                   : QStringLiteral("Alt+") + button()->AccessKeys().left(1).toUpper();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList StyleButtonAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->Enabled())
        names.prepend(pressAction());
    return names;
}

void StyleButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() || actionName == toggleAction())
        button()->PerformClick();
    else
        QAccessibleWidget::doAction(actionName);
}

void StyleButtonAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}
