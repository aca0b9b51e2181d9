#include "AnswerGridAccessible.h"

#include "AnswerGrid.h"

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("AnswerGrid") && object && object->isWidgetType())
        return new AnswerGridAccessible(static_cast<AnswerGrid*>(object));
    return nullptr;
}

} // namespace

AnswerGridAccessible::AnswerGridAccessible(AnswerGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

AnswerGrid* AnswerGridAccessible::grid() const {
    return static_cast<AnswerGrid*>(widget());
}

QString AnswerGridAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        if (grid()->accessibleName().isEmpty())
            return QString::fromUtf8(kName);
        break;
    case QAccessible::Value:
        return grid()->Text();
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

void AnswerGridAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}
