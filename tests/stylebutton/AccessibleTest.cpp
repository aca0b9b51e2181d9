// What a screen reader or a test tool sees of a button.
#include "StyleButton.h"
#include "StyleButtonAccessible.h"

#include <QAccessible>
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(StyleButtonAccessible, APushButtonNamedByItsCaptionWithItsAccessKeyAndAPress) {
    StyleButton b;
    b.setCaption("下一题(&N)");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "下一题(N)");
    EXPECT_EQ(a->text(QAccessible::Accelerator), "Alt+N");
    EXPECT_FALSE(a->state().disabled);
    QAccessibleActionInterface* act = a->actionInterface();
    ASSERT_NE(act, nullptr);
    ASSERT_TRUE(act->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(&b, &StyleButton::Click);
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    b.setEnabled(false);
    EXPECT_TRUE(a->state().disabled);
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1); // a disabled button is not pressed
}

TEST(StyleButtonAccessible, ACheckBoxButtonIsACheckBoxThatThePressToggles) {
    StyleButton b;
    b.setCaption("A && B");
    b.setCheckBoxMode(true);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_EQ(a->text(QAccessible::Name), "A & B");
    EXPECT_EQ(a->text(QAccessible::Accelerator), "");
    EXPECT_TRUE(a->state().checkable);
    EXPECT_FALSE(a->state().checked);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(a->state().checked);
}
