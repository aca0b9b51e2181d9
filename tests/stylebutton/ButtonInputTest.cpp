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
    EXPECT_EQ(s.button->ButtonState(), StyleButton::Normal);
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
