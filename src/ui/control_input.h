#pragma once
// How mouse and keyboard reach a screen's controls: which control is under
// the pointer, where Tab moves the focus, and typing into a text box. Shared
// by the window host and its tests; no platform code here.
#include <string>
#include <string_view>

#include "ui/screen.h"

namespace duskmoor {

// The topmost control that takes the mouse at (x, y) in screen coordinates:
// visible, enabled, and not a line or timer. Null over the bare screen.
Control* ControlAt(Screen& screen, int x, int y);

// Text boxes and lists take the keyboard focus.
bool TakesFocus(const Control& control);
Control* FirstFocusable(Screen& screen);
// The next (or previous) control that takes the focus after `current`,
// wrapping around; `current` itself when it is the only one, null when none.
Control* NextFocus(Screen& screen, const Control* current, bool backwards);

// Enter released on a screen that stayed open presses its default button as a
// click would. False when there is none, or it is hidden or disabled.
bool PressDefaultButton(Screen& screen);

// Number of characters (not bytes) of a UTF-8 text.
int CharacterCount(std::string_view utf8);
// Appends typed UTF-8 text, up to `max_length` characters in all (0: no
// limit). Returns true when anything was added.
bool AppendTyped(std::string& text, std::string_view typed, int max_length);
// Removes the last character; false when the text was already empty.
bool RemoveLastCharacter(std::string& text);

}  // namespace duskmoor
