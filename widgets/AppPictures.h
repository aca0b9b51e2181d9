#pragma once

#include <QPixmap>
#include <QString>

// The pictures the windows carry, compiled into the program.
namespace AppPictures {

// ":/pictures/NAME.png"; an empty pixmap when there is no such picture.
QPixmap get(const QString& name);
QString path(const QString& name);

} // namespace AppPictures
