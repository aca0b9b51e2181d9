#include "Controls.h"

#include "VbColor.h"

#include <QLabel>

namespace Controls {

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QString ArrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void Colour(QWidget* w, std::uint32_t back, std::uint32_t fore) {
    QPalette p = w->palette();
    const QColor b = VbColor(back), f = VbColor(fore);
    // Setting the same palette again would only send every child a change.
    if (p.color(QPalette::Window) == b && p.color(QPalette::Button) == b &&
        p.color(QPalette::WindowText) == f && p.color(QPalette::ButtonText) == f &&
        p.color(QPalette::Text) == f)
        return;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        p.setColor(role, b);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, f);
    w->setPalette(p);
}

} // namespace Controls
