// Qt's input events handed to the button's input rules, and what the rules
// ask of the button done with Qt.
#include "StyleButton.h"

#include "FontFaces.h"
#include "StyleFont.h"

#include <QCoreApplication>
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

void StyleButton::Raise(const ButtonEvent& e) {
    switch (e.kind) {
    case ButtonEvent::Click:
        emit Click();
        break;
    case ButtonEvent::DblClick:
        emit DblClick();
        break;
    case ButtonEvent::MouseEnter:
        emit MouseEnter();
        break;
    case ButtonEvent::MouseLeave:
        emit MouseLeave();
        break;
    case ButtonEvent::MouseMove:
        emit MouseMove(e.button, e.shift, e.x, e.y);
        break;
    case ButtonEvent::MouseDown:
        emit MouseDown(e.button, e.shift, e.x, e.y);
        break;
    case ButtonEvent::MouseUp:
        emit MouseUp(e.button, e.shift, e.x, e.y);
        break;
    case ButtonEvent::KeyDown:
        emit KeyDown(e.keyCode, e.shift);
        break;
    case ButtonEvent::KeyUp:
        emit KeyUp(e.keyCode, e.shift);
        break;
    }
}

void StyleButton::CaptureMouse() {
    if (QWidget::mouseGrabber() != this)
        grabMouse();
}

void StyleButton::MoveFocus(bool forward) {
    if (forward)
        focusNextChild();
    else
        focusPreviousChild();
}

void StyleButton::ProcessPendingEvents() {
    // Not the user's input: a click must not start another one under it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool StyleButton::ToggleValue() {
    value_ = !value_;
    return value_;
}

void StyleButton::PerformClick() {
    input_.AccessKeyPress(0);
}

void StyleButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    input_.PointerLeft();
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
    input_.setParentActive(form->isActiveWindow());
}

void StyleButton::ParentActivationChanged() {
    input_.WindowActivation(window()->isActiveWindow());
}

bool StyleButton::event(QEvent* event) {
    if (event->type() == QEvent::Show)
        HookParentWindow();
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->shortcutId() == shortcutId_) {
        input_.AccessKeyPress(short(accessKeys_.isEmpty() ? 0 : accessKeys_.at(0).unicode()));
        return true;
    }
    return QWidget::event(event);
}

bool StyleButton::IsOverOwnWindow(QPointF pos) const {
    // The corners a rounded shape cuts away belong to what lies behind.
    const QPoint p = pos.toPoint();
    return rect().contains(p) && (mask().isEmpty() || mask().contains(p));
}

void StyleButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    // Qt's left, right and middle buttons have the bits 1, 2 and 4 too.
    input_.MouseMove(short(int(event->buttons()) & 7), ShiftBits(event->modifiers()),
                     float(pos.x()), float(pos.y()), IsOverOwnWindow(pos));
    // Every move that reaches the button, once handled, tells it the pointer
    // is with it; this is how it learns that the pointer came.
    input_.PointerMoved();
}

void StyleButton::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    // A press on the button means the pointer is over it, whether or not a
    // move told it so first.
    input_.PointerMoved();
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    input_.MouseDown(ButtonBits(event->button()), ShiftBits(event->modifiers()), float(pos.x()),
                     float(pos.y()));
}

void StyleButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    const short shift = ShiftBits(event->modifiers());
    input_.MouseUp(ButtonBits(event->button()), shift, float(pos.x()), float(pos.y()));
    // Letting the mouse go is followed by a move to where the pointer is, as
    // on other systems, so a button released under the pointer shows hot at
    // once instead of staying drawn down until the pointer moves.
    if (!event->buttons() && IsOverOwnWindow(pos)) {
        input_.MouseMove(0, shift, float(pos.x()), float(pos.y()), true);
        input_.PointerMoved();
    }
}

void StyleButton::mouseDoubleClickEvent(QMouseEvent*) {
    input_.PointerMoved();
    input_.DblClick();
}

void StyleButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool own = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
                     (key >= Qt::Key_Left && key <= Qt::Key_Down);
    if (!own)
        QWidget::keyPressEvent(event); // the window may want it
    input_.KeyDown(KeyCodeOf(key), ShiftBits(event->modifiers()), event->isAutoRepeat());
}

void StyleButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // The mouse held for the space is given back.
    if (!event->isAutoRepeat() && QWidget::mouseGrabber() == this)
        releaseMouse();
    input_.KeyUp(32, ShiftBits(event->modifiers()), event->isAutoRepeat());
}

void StyleButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    input_.GotFocus();
}

void StyleButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    input_.LostFocus();
}
