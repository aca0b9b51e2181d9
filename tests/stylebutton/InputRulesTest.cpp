// The input rules driven by plain calls, with a host that records what it is
// asked to do, so the orders of events and the states need no window.
#include "ButtonInput.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Recorder : ButtonInputHost {
    std::vector<std::string> log;
    bool enabled = true;
    bool checkBoxMode = false;
    bool value = false;
    int redraws = 0;

    void Redraw() override { ++redraws; }
    void Raise(const ButtonEvent& e) override {
        static const char* names[] = {"Click",      "DblClick",  "MouseEnter",
                                      "MouseLeave", "MouseMove", "MouseDown",
                                      "MouseUp",    "KeyDown",   "KeyUp"};
        std::string name = names[e.kind];
        if (e.kind == ButtonEvent::MouseDown || e.kind == ButtonEvent::MouseUp)
            name += std::to_string(e.button);
        if (e.kind == ButtonEvent::KeyDown || e.kind == ButtonEvent::KeyUp)
            name += std::to_string(e.keyCode);
        log.push_back(name);
    }
    void CaptureMouse() override { log.push_back("capture"); }
    void MoveFocus(bool forward) override { log.push_back(forward ? "next" : "previous"); }
    void ProcessPendingEvents() override { log.push_back("pending"); }
    bool Enabled() const override { return enabled; }
    bool CheckBoxMode() const override { return checkBoxMode; }
    bool ToggleValue() override {
        value = !value;
        return value;
    }
    int ControlWidth() const override { return 75; }
    int ControlHeight() const override { return 25; }
};

using Log = std::vector<std::string>;

struct Rig {
    Recorder host;
    ButtonInput input{host};

    // A move over the button, handled, then reported to the rules.
    void MoveOver(float x, float y, short button = 0) {
        input.MouseMove(button, 0, x, y, true);
        input.PointerMoved();
    }
    // A move sent to the button while it holds the mouse, the pointer elsewhere.
    void MoveOutside(float x, float y, short button = 1) {
        input.MouseMove(button, 0, x, y, false);
        input.PointerMoved();
    }
    Log Take() {
        Log taken;
        taken.swap(host.log);
        return taken;
    }
};

} // namespace

TEST(InputRules, EnteringRaisesTheMoveBeforeTheEnterAndEntersOnce) {
    Rig r;
    r.MoveOver(10, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseMove", "MouseEnter"}));
    EXPECT_TRUE(r.input.MouseInside());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
    r.MoveOver(11, 10);
    EXPECT_EQ(r.Take(), Log{"MouseMove"});
    r.input.PointerLeft();
    EXPECT_EQ(r.Take(), Log{"MouseLeave"});
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    r.MoveOver(12, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseMove", "MouseEnter"}));
}

TEST(InputRules, PressAndReleaseInsideClickBetweenDownAndUp) {
    Rig r;
    r.MoveOver(10, 10);
    r.Take();
    r.input.MouseDown(1, 0, 10, 10);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    EXPECT_TRUE(r.input.HasFocus());
    r.input.MouseUp(1, 0, 10, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseDown1", "Click", "MouseUp1"}));
    // The state waits for the next move.
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    EXPECT_FALSE(r.input.MouseDownFlag());
    r.MoveOver(10, 10);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
}

TEST(InputRules, ReleasesOnTheFirstColumnAndRowOrBeyondTheSurfaceAreNoClicks) {
    for (const auto& [x, y] : std::vector<std::pair<float, float>>{
             {0, 10}, {10, 0}, {75, 10}, {10, 25}, {-3, 10}, {200, 200}}) {
        Rig r;
        r.MoveOver(10, 10);
        r.Take();
        r.input.MouseDown(1, 0, 10, 10);
        r.input.MouseUp(1, 0, x, y);
        EXPECT_EQ(r.Take(), (Log{"MouseDown1", "MouseUp1"})) << x << "," << y;
    }
    Rig r;
    r.input.MouseDown(1, 0, 1, 1);
    r.input.MouseUp(1, 0, 74.5f, 24.5f);
    EXPECT_EQ(r.Take(), (Log{"MouseDown1", "Click", "MouseUp1"}));
}

TEST(InputRules, OtherButtonsRaiseOnlyTheirRelease) {
    Rig r;
    r.MoveOver(10, 10);
    r.Take();
    r.input.MouseDown(2, 0, 10, 10);
    r.input.MouseUp(2, 0, 10, 10);
    r.input.MouseDown(4, 0, 10, 10);
    r.input.MouseUp(4, 0, 10, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseUp2", "MouseUp4"}));
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
    EXPECT_FALSE(r.input.HasFocus());
}

TEST(InputRules, ADoubleClickPressesAgainSoItClicksTwice) {
    Rig r;
    r.MoveOver(10, 10);
    r.Take();
    r.input.MouseDown(1, 0, 10, 10);
    r.input.MouseUp(1, 0, 10, 10);
    r.input.DblClick();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    r.input.MouseUp(1, 0, 10, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseDown1", "Click", "MouseUp1", "capture", "MouseDown1", "DblClick",
                             "Click", "MouseUp1"}));
    // After a right press the quick second one is nothing.
    r.input.MouseDown(2, 0, 10, 10);
    r.input.DblClick();
    EXPECT_EQ(r.Take(), Log{});
}

TEST(InputRules, ADragOutsideLeavesAndEntersWithEveryMoveAndReleasesWithoutAClick) {
    Rig r;
    r.MoveOver(10, 10);
    r.input.MouseDown(1, 0, 10, 10);
    r.Take();
    r.MoveOutside(100, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseLeave", "MouseMove", "MouseEnter"}));
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
    r.MoveOutside(110, 10);
    EXPECT_EQ(r.Take(), (Log{"MouseLeave", "MouseMove", "MouseEnter"}));
    r.MoveOver(20, 10); // back over the button, still held
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    r.MoveOutside(120, 10);
    r.Take();
    r.input.MouseUp(1, 0, 120, 10);
    EXPECT_EQ(r.Take(), Log{"MouseUp1"});
    r.input.PointerLeft(); // the pointer was elsewhere all along
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
}

TEST(InputRules, AHeldSpaceIsDownWhateverThePointerDoesAndClicksOnItsRelease) {
    Rig r;
    r.input.GotFocus();
    r.input.KeyDown(32, 0);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    EXPECT_TRUE(r.input.SpaceDownFlag());
    EXPECT_EQ(r.Take(), (Log{"capture", "KeyDown32"}));
    r.input.KeyDown(32, 0, true); // the key repeats
    EXPECT_EQ(r.Take(), (Log{"capture", "KeyDown32"}));
    r.MoveOver(10, 10);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    r.input.PointerLeft();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    EXPECT_EQ(r.Take(), (Log{"MouseMove", "MouseEnter"})); // a held space hides the leave
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.Take(), (Log{"Click", "KeyUp32"}));
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    EXPECT_FALSE(r.input.SpaceDownFlag());
}

TEST(InputRules, TheSpaceReleasedOverTheButtonLeavesItHot) {
    Rig r;
    r.MoveOver(10, 10);
    r.input.KeyDown(32, 0);
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
    // With the mouse button also held the release is no click, and the
    // button stays down.
    r.input.MouseDown(1, 0, 10, 10);
    r.Take();
    r.input.KeyDown(32, 0);
    EXPECT_FALSE(r.input.SpaceDownFlag()); // the mouse had it first
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.Take(), (Log{"capture", "KeyDown32", "KeyUp32"}));
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    EXPECT_FALSE(r.input.MouseDownFlag());
}

TEST(InputRules, ASpaceThatWentDownElsewhereIsNoClickHere) {
    Rig r;
    r.input.GotFocus();
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.Take(), Log{});
    // Nor one whose button lost the focus while it was held.
    r.input.KeyDown(32, 0);
    r.input.LostFocus();
    r.input.GotFocus();
    r.Take();
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.Take(), Log{});
}

TEST(InputRules, SpaceWithMouseDownStillCapturesAndAltSpaceIsIgnoredOtherwise) {
    Rig r;
    const int before = r.host.redraws;
    r.input.KeyDown(32, 4);
    EXPECT_EQ(r.Take(), Log{});
    EXPECT_EQ(r.host.redraws, before);
    EXPECT_FALSE(r.input.SpaceDownFlag());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
}

TEST(InputRules, EnterClicksAndOtherKeysOnlyRaiseKeyDownWithoutAKeyUp) {
    Rig r;
    r.input.KeyDown(13, 0);
    r.input.KeyDown(65, 1);
    r.input.KeyUp(65, 1);
    r.input.KeyUp(13, 0);
    EXPECT_EQ(r.Take(), (Log{"Click", "KeyDown13", "KeyDown65"}));
}

TEST(InputRules, ArrowsPassTheFocusOnAndStillRaiseKeyDown) {
    Rig r;
    r.input.KeyDown(37, 0);
    r.input.KeyDown(38, 0);
    r.input.KeyDown(39, 0);
    r.input.KeyDown(40, 0);
    EXPECT_EQ(r.Take(), (Log{"previous", "KeyDown37", "previous", "KeyDown38", "next", "KeyDown39",
                             "next", "KeyDown40"}));
}

TEST(InputRules, AToggleFollowsSpaceMouseEnterAndAccessKey) {
    Rig r;
    r.host.checkBoxMode = true;
    r.input.KeyDown(32, 0);
    EXPECT_TRUE(r.host.value); // toggled on the key going down
    EXPECT_EQ(r.Take(), (Log{"capture", "KeyDown32"}));
    r.input.KeyDown(32, 0, true);
    EXPECT_TRUE(r.host.value); // a repeat does not flicker it
    r.input.KeyUp(32, 0);
    EXPECT_EQ(r.Take(), (Log{"capture", "KeyDown32", "Click", "KeyUp32"}));

    r.input.KeyDown(13, 0);
    EXPECT_TRUE(r.host.value);
    r.input.MouseDown(1, 0, 5, 5);
    r.input.MouseUp(1, 0, 5, 5);
    EXPECT_FALSE(r.host.value);
    r.Take();

    r.input.AccessKeyPress('S');
    EXPECT_TRUE(r.host.value);
    r.input.setButtonState(ButtonInput::Down);
    r.input.AccessKeyPress('S');
    EXPECT_FALSE(r.host.value);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    EXPECT_EQ(r.Take(), (Log{"pending", "Click", "pending", "Click"}));
    // As the window's default or cancel button it does nothing.
    r.input.AccessKeyPress(13);
    r.input.AccessKeyPress(27);
    EXPECT_EQ(r.Take(), Log{});
    EXPECT_FALSE(r.host.value);
}

TEST(InputRules, TheAccessKeyClicksAPlainButtonAndEndsAHeldSpace) {
    Rig r;
    r.input.KeyDown(32, 0);
    r.Take();
    r.input.AccessKeyPress(13);
    EXPECT_FALSE(r.input.SpaceDownFlag());
    EXPECT_EQ(r.Take(), (Log{"pending", "Click"}));
    r.host.enabled = false;
    r.input.AccessKeyPress('S');
    EXPECT_EQ(r.Take(), Log{});
}

TEST(InputRules, FocusGainedAndLost) {
    Rig r;
    r.input.WindowActivation(true);
    r.MoveOver(10, 10);
    r.input.LostFocus();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
    r.input.PointerLeft();
    r.input.GotFocus();
    EXPECT_TRUE(r.input.HasFocus());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    r.input.KeyDown(32, 0);
    r.input.LostFocus();
    EXPECT_FALSE(r.input.HasFocus());
    EXPECT_FALSE(r.input.SpaceDownFlag());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    // Over the button in a window at the back: not hot.
    r.input.WindowActivation(false);
    r.MoveOver(10, 10);
    r.input.LostFocus();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
}

TEST(InputRules, TheWindowGoingToTheBackLetsGoOfEverything) {
    Rig r;
    r.input.WindowActivation(true);
    EXPECT_TRUE(r.input.ParentActive());
    r.MoveOver(10, 10);
    r.input.MouseDown(1, 0, 10, 10);
    r.input.KeyDown(32, 0);
    const int before = r.host.redraws;
    r.input.WindowActivation(false);
    EXPECT_EQ(r.host.redraws, before + 1);
    EXPECT_FALSE(r.input.ParentActive());
    EXPECT_FALSE(r.input.MouseDownFlag());
    EXPECT_FALSE(r.input.SpaceDownFlag());
    EXPECT_FALSE(r.input.HasFocus());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    r.input.MouseUp(1, 0, 10, 10);
    EXPECT_EQ(r.Take().back(), "MouseUp1");
}

TEST(InputRules, ADisabledButtonKeepsItsLookWhenThePointerLeaves) {
    Rig r;
    r.MoveOver(10, 10);
    r.host.enabled = false;
    r.input.PointerLeft();
    EXPECT_FALSE(r.input.MouseInside());
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
}

TEST(InputRules, ActivationAndFocusArrivingAfterThePressKeepTheButtonDown) {
    Rig r;
    r.MoveOver(10, 10);
    r.input.MouseDown(1, 0, 10, 10);
    r.input.WindowActivation(true);
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    r.input.GotFocus();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Down);
    r.input.MouseUp(1, 0, 10, 10);
    r.input.WindowActivation(true); // no longer held
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Normal);
    r.input.GotFocus();
    EXPECT_EQ(r.input.ButtonState(), ButtonInput::Hot);
}
