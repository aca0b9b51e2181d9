#include "ShapeBox.h"

#include "VbColor.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget* parent) : QWidget(parent) {}

void ShapeBox::setBackColor(std::uint32_t colour) {
    back_ = colour;
    update();
}

void ShapeBox::setFillColor(std::uint32_t colour) {
    fill_ = colour;
    update();
}

void ShapeBox::setBorderColor(std::uint32_t colour) {
    border_ = colour;
    update();
}

void ShapeBox::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), VbColor(filled_ ? fill_ : back_));
    p.setPen(VbColor(border_));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
