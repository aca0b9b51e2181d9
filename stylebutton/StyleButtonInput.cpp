// The button's input: the pointer, its buttons, keys, focus and the
// activation of its window, turned into its state and its events.
#include "StyleButton.h"

#include "FontFaces.h"
#include "StyleFont.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace {

short ShiftBits(Qt::KeyboardModifiers modifiers) {
    short bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= 1;
    if (modifiers & Qt::ControlModifier)
        bits |= 2;
    if (modifiers & Qt::AltModifier)
        bits |= 4;
    return bits;
}

short ButtonBits(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// The key codes handlers expect (13 Enter, 32 space, 37..40 arrows, letters
// and digits as their upper-case character).
short KeyCodeOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        break;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return short(key);
    return short(key & 0x7FFF);
}

} // namespace

void StyleButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (mouseInside_)
        return;
    mouseInside_ = true;
    if (!spaceDownFlag_)
        buttonState_ = mouseDownFlag_ ? Down : Hot;
    Redraw();
    emit MouseEnter();
}

void StyleButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    mouseInside_ = false;
    if (spaceDownFlag_)
        return;
    if (enabled_)
        buttonState_ = Normal;
    Redraw();
    emit MouseLeave();
}

void StyleButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isWindow()) {
        // A button that is a window of its own is told directly.
        ParentActivationChanged();
    } else if (event->type() == QEvent::EnabledChange) {
        // QWidget::setEnabled called directly still sets Enabled; a parent
        // being disabled does not.
        const bool own = !testAttribute(Qt::WA_ForceDisabled);
        if (own != enabled_) {
            enabled_ = own;
            Redraw();
            Notify("Enabled");
        }
    } else if (event->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont)) {
        // QWidget::setFont called directly assigns a font as setFont does.
        const FontDesc desc = FontFaces::FromQFont(QWidget::font());
        if (!(desc == mirroredFont_))
            setFont(StyleFont::Create(desc));
    }
}

void StyleButton::PerformClick() {
    if (!enabled_)
        return;
    spaceDownFlag_ = false;
    mouseDownFlag_ = false;
    if (checkBoxMode_) {
        value_ = !value_;
        if (!value_)
            buttonState_ = Normal;
        Redraw();
    }
    emit Click();
}

void StyleButton::HookParentWindow() {
    // Once placed in its window while the program runs, the button watches
    // that window's activation, which is reported after the window handled it.
    QWidget* form = window();
    if (hooks_ || !ambient_.userMode || form == this)
        return;
    hooks_ = std::make_unique<WindowHooks>([this](QObject*, int message) {
        if (message == QEvent::ActivationChange)
            ParentActivationChanged();
    });
    hooks_->HookWindow(form);
    hooks_->AddHookMessage(form, QEvent::ActivationChange, WindowHooks::kAfter);
    parentActive_ = form->isActiveWindow();
}

void StyleButton::ParentActivationChanged() {
    parentActive_ = window()->isActiveWindow();
    if (!parentActive_) {
        mouseDownFlag_ = false;
        spaceDownFlag_ = false;
        hasFocus_ = false;
    }
    buttonState_ = Normal;
    Redraw();
}

bool StyleButton::event(QEvent* event) {
    if (event->type() == QEvent::Show)
        HookParentWindow();
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        PerformClick();
        return true;
    }
    return QWidget::event(event);
}

void StyleButton::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    lastButton_ = ButtonBits(event->button());
    lastShift_ = ShiftBits(event->modifiers());
    lastX_ = float(pos.x());
    lastY_ = float(pos.y());
    if (event->button() != Qt::LeftButton)
        return;
    hasFocus_ = true;
    mouseDownFlag_ = true;
    setFocus(Qt::MouseFocusReason);
    buttonState_ = Down;
    Redraw();
    emit MouseDown(lastButton_, lastShift_, lastX_, lastY_);
}

void StyleButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    // A drag that has left the button is no longer inside it.
    if (!rect().contains(pos.toPoint()) && mouseInside_) {
        mouseInside_ = false;
        emit MouseLeave();
    }
    if (mouseInside_) {
        if (mouseDownFlag_)
            buttonState_ = Down;
        else if (!spaceDownFlag_)
            buttonState_ = Hot;
        Redraw();
    }
    // Qt's left, right and middle buttons have the bits 1, 2 and 4 too.
    emit MouseMove(short(int(event->buttons()) & 7), ShiftBits(event->modifiers()), float(pos.x()),
                   float(pos.y()));
}

void StyleButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const short button = ButtonBits(event->button());
    const short shift = ShiftBits(event->modifiers());
    if (event->button() == Qt::LeftButton && mouseDownFlag_) {
        mouseDownFlag_ = false;
        // Column 0 and row 0 do not count as inside.
        const bool inside =
            pos.x() > 0 && pos.y() > 0 && pos.x() < controlWidth_ && pos.y() < controlHeight_;
        buttonState_ = mouseInside_ ? Hot : Normal;
        if (inside && checkBoxMode_)
            value_ = !value_;
        Redraw();
        if (inside)
            emit Click();
    }
    emit MouseUp(button, shift, float(pos.x()), float(pos.y()));
}

void StyleButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click presses the button again, so its
    // release clicks again.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

void StyleButton::keyPressEvent(QKeyEvent* event) {
    const short shift = ShiftBits(event->modifiers());
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit Click();
    } else if (key == Qt::Key_Space) {
        if (shift == 4)
            return;
        if (!event->isAutoRepeat() && !mouseDownFlag_) {
            spaceDownFlag_ = true;
            if (checkBoxMode_) {
                value_ = !value_;
            } else if (buttonState_ != Down) {
                buttonState_ = Down;
                Redraw();
            }
        }
        // The mouse stays with the button until the space is released.
        if (QWidget::mouseGrabber() != this)
            grabMouse();
    } else if (key == Qt::Key_Left || key == Qt::Key_Up) {
        focusPreviousChild();
    } else if (key == Qt::Key_Right || key == Qt::Key_Down) {
        focusNextChild();
    } else {
        QWidget::keyPressEvent(event);
    }
    emit KeyDown(KeyCodeOf(key), shift);
}

void StyleButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    if (!spaceDownFlag_)
        return; // the space went down on another control
    const bool click = !(mouseInside_ && mouseDownFlag_);
    buttonState_ = !mouseInside_ ? Normal : mouseDownFlag_ ? Down : Hot;
    Redraw();
    if (click)
        emit Click();
    emit KeyUp(32, ShiftBits(event->modifiers()));
    spaceDownFlag_ = false;
    mouseDownFlag_ = false;
}

void StyleButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    hasFocus_ = true;
    if (mouseInside_)
        buttonState_ = Hot;
    else if (!mouseDownFlag_)
        buttonState_ = Normal;
    // The focus cues are drawn at once.
    Redraw();
}

void StyleButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    hasFocus_ = false;
    mouseDownFlag_ = false;
    spaceDownFlag_ = false;
    buttonState_ = parentActive_ && mouseInside_ ? Hot : Normal;
    Redraw();
}
