#include "AppStyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace AppStyle {

void install() {
    static bool done = false;
    if (done || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    done = true;
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
}

} // namespace AppStyle
