#include "ui/control_input.h"

#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

using StillHost = RecordingHost;

TEST(ControlInputTest, TheTopmostControlThatTakesTheMouseIsHit) {
    StillHost host;
    Screen screen(host, "frmTest", 200, 100);
    Control& under = screen.Add(ControlKind::ImageButton, "imgUnder", 10, 10, 50, 30);
    Control& over = screen.Add(ControlKind::Label, "lblOver", 40, 20, 40, 20);
    screen.Add(ControlKind::Line, "linRule", 0, 0, 200, 100);
    Control& timer = screen.Add(ControlKind::Timer, "tmrTick", 0, 0, 200, 100);
    timer.visible = true;
    EXPECT_EQ(ControlAt(screen, 10, 10), &under);
    EXPECT_EQ(ControlAt(screen, 39, 39), &under);
    EXPECT_EQ(ControlAt(screen, 40, 20), &over);
    EXPECT_EQ(ControlAt(screen, 79, 39), &over);
    EXPECT_EQ(ControlAt(screen, 80, 39), nullptr);  // right edge is outside
    EXPECT_EQ(ControlAt(screen, 9, 10), nullptr);
    EXPECT_EQ(ControlAt(screen, 10, 40), nullptr);  // bottom edge is outside
    over.enabled = false;
    EXPECT_EQ(ControlAt(screen, 45, 25), &under);
    over.enabled = true;
    over.visible = false;
    EXPECT_EQ(ControlAt(screen, 45, 25), &under);
}

TEST(ControlInputTest, TabWalksTheTextBoxesAndListsThatCanTakeTheFocus) {
    StillHost host;
    Screen screen(host, "frmTest", 200, 100);
    Control& name = screen.Add(ControlKind::TextBox, "txtName", 0, 0, 10, 10);
    screen.Add(ControlKind::Button, "cmdOK", 0, 0, 10, 10);
    Control& disabled = screen.Add(ControlKind::TextBox, "txtOff", 0, 0, 10, 10);
    disabled.enabled = false;
    Control& list = screen.Add(ControlKind::List, "cmbClass", 0, 0, 10, 10);
    Control& hidden = screen.Add(ControlKind::TextBox, "txtHidden", 0, 0, 10, 10);
    hidden.visible = false;
    EXPECT_EQ(FirstFocusable(screen), &name);
    EXPECT_EQ(NextFocus(screen, &name, false), &list);
    EXPECT_EQ(NextFocus(screen, &list, false), &name);
    EXPECT_EQ(NextFocus(screen, &name, true), &list);
    EXPECT_EQ(NextFocus(screen, &list, true), &name);
    EXPECT_EQ(NextFocus(screen, nullptr, false), &name);
    EXPECT_EQ(NextFocus(screen, nullptr, true), &list);
    list.visible = false;
    EXPECT_EQ(NextFocus(screen, &name, false), &name);
    name.enabled = false;
    EXPECT_EQ(NextFocus(screen, &name, false), nullptr);
    EXPECT_EQ(FirstFocusable(screen), nullptr);
}

TEST(ControlInputTest, TypingCountsCharactersNotBytes) {
    std::string text = "Ev";
    EXPECT_TRUE(AppendTyped(text, "r\xC3\xB6", 4));  // r, o-umlaut
    EXPECT_EQ(text, "Evr\xC3\xB6");
    EXPECT_EQ(CharacterCount(text), 4);
    EXPECT_FALSE(AppendTyped(text, "x", 4));
    EXPECT_EQ(text, "Evr\xC3\xB6");
    // A paste longer than the room is cut at the limit, between characters.
    std::string name;
    EXPECT_TRUE(AppendTyped(name,
                            "\xE2\x82\xAC"
                            "abc",
                            2));
    EXPECT_EQ(name,
              "\xE2\x82\xAC"
              "a");
    std::string free_text;
    EXPECT_TRUE(AppendTyped(free_text, "no limit at all", 0));
    EXPECT_EQ(free_text, "no limit at all");

    EXPECT_TRUE(RemoveLastCharacter(text));
    EXPECT_EQ(text, "Evr");
    EXPECT_TRUE(RemoveLastCharacter(name));
    EXPECT_TRUE(RemoveLastCharacter(name));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(RemoveLastCharacter(name));
}

TEST(ControlInputTest, EnterPressesOnlyAUsableDefaultButtonOfAnOpenScreen) {
    StillHost host;
    Screen screen(host, "frmTest", 200, 100);
    int clicks = 0;
    EXPECT_FALSE(PressDefaultButton(screen));
    Control& done = screen.Add(ControlKind::Button, "cmdDone", 10, 10, 50, 30);
    done.on_click = [&clicks] { ++clicks; };
    screen.default_button = &done;
    EXPECT_TRUE(PressDefaultButton(screen));
    EXPECT_EQ(clicks, 1);
    done.enabled = false;
    EXPECT_FALSE(PressDefaultButton(screen));
    done.enabled = true;
    done.visible = false;
    EXPECT_FALSE(PressDefaultButton(screen));
    done.visible = true;
    screen.Close();
    EXPECT_FALSE(PressDefaultButton(screen));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace duskmoor
