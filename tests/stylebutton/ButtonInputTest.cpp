// The simple input the windows rely on: a click by mouse, Enter or space.
#include "StyleButton.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Shown {
    QWidget window;
    StyleButton* button;
    QStringList events;

    Shown() : button(new StyleButton(&window)) {
        window.resize(200, 100);
        button->setGeometry(10, 10, 75, 25);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(button, &StyleButton::Click, [this] { events << "Click"; });
        QObject::connect(button, &StyleButton::MouseDown, [this](short b, short, float, float) {
            events << QString("Down%1").arg(b);
        });
        QObject::connect(button, &StyleButton::MouseUp, [this](short b, short, float, float) {
            events << QString("Up%1").arg(b);
        });
    }
};

void Activate(QWidget* window) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace

TEST(ButtonInput, LeftClickInsideRaisesDownClickUp) {
    Shown s;
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(s.events, (QStringList{"Down1", "Click", "Up1"}));
    // Released under the pointer: hot, not left drawn down.
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Hot);
}

TEST(ButtonInput, ReleaseOnColumnZeroIsNoClick) {
    Shown s;
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(0, 10));
    EXPECT_EQ(s.events, (QStringList{"Down1", "Up1"}));
}

TEST(ButtonInput, RightClickRaisesOnlyMouseUp) {
    Shown s;
    QTest::mouseClick(s.button, Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(s.events, QStringList{"Up2"});
}

TEST(ButtonInput, PressShowsDown) {
    Shown s;
    QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Down);
    EXPECT_TRUE(s.button->MouseDownFlag());
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(s.button->MouseDownFlag());
}

TEST(ButtonInput, EnterAndSpaceClick) {
    Shown s;
    s.button->setFocus();
    QTest::keyClick(s.button, Qt::Key_Return);
    EXPECT_EQ(s.events, QStringList{"Click"});
    QTest::keyPress(s.button, Qt::Key_Space);
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Down);
    EXPECT_EQ(s.events.size(), 1);
    QTest::keyRelease(s.button, Qt::Key_Space);
    EXPECT_EQ(s.events, (QStringList{"Click", "Click"}));
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Normal);
}

TEST(ButtonInput, ClickTogglesACheckBox) {
    Shown s;
    s.button->setCheckBoxMode(true);
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(s.button->Value());
    s.button->setFocus();
    QTest::keyClick(s.button, Qt::Key_Space);
    EXPECT_FALSE(s.button->Value());
    QTest::keyClick(s.button, Qt::Key_Return); // Enter clicks without toggling
    EXPECT_FALSE(s.button->Value());
    EXPECT_EQ(s.events.count("Click"), 3);
}

TEST(ButtonInput, AccessKeyClicks) {
    Shown s;
    s.button->setCaption("&Save");
    Activate(&s.window);
    QTest::keyClick(&s.window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(s.events, QStringList{"Click"});
}

TEST(ButtonInput, DisabledButtonGetsNoClicks) {
    Shown s;
    s.button->setEnabled(false);
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(s.events.isEmpty());
}

TEST(ButtonInput, PaintCopiesTheSurface) {
    Shown s;
    s.button->setBackColor(0x00FF00);
    s.button->setCaption("■");
    const QImage shot = s.button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot, s.button->Surface().Image());
}

TEST(ButtonInput, AChangeIsDrawnByTheNextPaint) {
    Shown s;
    s.button->setCaption("A");
    const QImage before = s.button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // No events run between the change and the paint.
    s.button->setCaption("B");
    const QImage after = s.button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(after, before);
    EXPECT_EQ(after, s.button->Surface().Image());
}

TEST(ButtonInput, ThePointerOverTheButtonMakesItHotUntilItLeaves) {
    Shown s;
    QObject::connect(s.button, &StyleButton::MouseEnter, [&] { s.events << "Enter"; });
    QObject::connect(s.button, &StyleButton::MouseLeave, [&] { s.events << "Leave"; });
    QObject::connect(s.button, &StyleButton::MouseMove,
                     [&](short, short, float, float) { s.events << "Move"; });
    s.button->setButtonStyle(4);
    s.button->setCaption("");
    QTest::mouseMove(&s.window, QPoint(150, 80));
    s.events.clear();
    QTest::mouseMove(s.button, QPoint(20, 10));
    EXPECT_TRUE(s.button->MouseInside());
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Hot);
    // Glass when hot: the blue outer frame.
    EXPECT_EQ(s.button->Surface().Pixel(0, 10), 0xA77532u);
    QTest::mouseMove(s.button, QPoint(22, 11)); // already inside: no second enter
    EXPECT_EQ(s.events, (QStringList{"Move", "Enter", "Move"}));
    QTest::mouseMove(&s.window, QPoint(150, 80));
    EXPECT_FALSE(s.button->MouseInside());
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Normal);
    EXPECT_EQ(s.events.last(), "Leave");
}

TEST(ButtonInput, TheWindowsActivationSetsParentActiveAndALostOneClearsThePress) {
    Shown s;
    Activate(&s.window);
    EXPECT_TRUE(s.button->ParentActive());
    s.button->setButtonStyle(4);
    s.button->setCaption("");
    s.button->setShowFocusRect(true);
    s.button->setFocus();
    QCoreApplication::processEvents();
    // Focused in an active window: the blue and cyan double frame.
    EXPECT_EQ(s.button->Surface().Pixel(1, 10), 0xFBD848u);
    QWidget other;
    other.show();
    other.activateWindow();
    if (QTest::qWaitForWindowActive(&other)) {
        EXPECT_FALSE(s.button->ParentActive());
        EXPECT_FALSE(s.button->HasFocus());
        EXPECT_EQ(s.button->ButtonState(), StyleButton::Normal);
    }
}

TEST(ButtonInput, ADoubleClickRaisesItsEventsInOrder) {
    Shown s;
    QObject::connect(s.button, &StyleButton::DblClick, [&] { s.events << "DblClick"; });
    // As a platform reports it: press, release, then the second press as a
    // double click, and its release.
    QTest::mouseClick(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    const QPointF at(20, 10);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, s.button->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.button, &dbl);
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(s.events,
              (QStringList{"Down1", "Click", "Up1", "Down1", "DblClick", "Click", "Up1"}));
}

TEST(ButtonInput, SpaceHoldsTheMouseUntilReleasedAndArrowsMoveTheFocus) {
    Shown s;
    auto* second = new StyleButton(&s.window);
    second->setGeometry(100, 10, 75, 25);
    second->show();
    Activate(&s.window);
    s.button->setFocus();
    QTest::keyPress(s.button, Qt::Key_Space);
    EXPECT_EQ(QWidget::mouseGrabber(), s.button);
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Down);
    QTest::keyRelease(s.button, Qt::Key_Space);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(s.events, QStringList{"Click"});
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Normal); // the pointer is elsewhere

    QTest::keyClick(s.button, Qt::Key_Space, Qt::AltModifier); // Alt+space is the window's
    EXPECT_EQ(s.events, QStringList{"Click"});

    QTest::keyClick(s.button, Qt::Key_Right);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Up);
    EXPECT_TRUE(s.button->hasFocus());
}

TEST(ButtonInput, MovesOverAPressedButtonKeepItDownAndADragOutsideShowsItRaised) {
    Shown s;
    QObject::connect(s.button, &StyleButton::MouseEnter, [&] { s.events << "Enter"; });
    QObject::connect(s.button, &StyleButton::MouseLeave, [&] { s.events << "Leave"; });
    QTest::mouseMove(s.button, QPoint(20, 10));
    QTest::mousePress(s.button, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseMove(s.button, QPoint(30, 12));
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Down);
    s.events.clear();
    // The button holds the mouse, so the move outside still comes to it.
    QMouseEvent away(QEvent::MouseMove, QPointF(300, 12), s.button->mapToGlobal(QPointF(300, 12)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.button, &away);
    EXPECT_EQ(s.events, (QStringList{"Leave", "Enter"}));
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Hot); // a release here would not click
    QMouseEvent back(QEvent::MouseMove, QPointF(30, 12), s.button->mapToGlobal(QPointF(30, 12)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.button, &back);
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Down);
    QTest::mouseRelease(s.button, Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_FALSE(s.events.contains("Click")); // released outside
}
