#include "StyleButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

StyleButton::StyleButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void StyleButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void StyleButton::setEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    update();
}

void StyleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), pressed_ ? QColor(0xC2, 0xE4, 0xF6) : QColor(0xE3, 0xE3, 0xE3));
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(isEnabled() ? Qt::black : QColor(0x6D, 0x6D, 0x6D));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void StyleButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        setFocus(Qt::MouseFocusReason);
        update();
    }
}

void StyleButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

void StyleButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Click();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        pressed_ = true;
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

void StyleButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && pressed_) {
        pressed_ = false;
        update();
        emit Click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
