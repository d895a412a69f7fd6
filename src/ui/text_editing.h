#pragma once
// Editing inside a multi-line text box: where its text wraps, where the caret
// goes on each key, what typing and pasting insert, and how it scrolls. Both
// hosts send keys and typed text here, and the painter draws the lines it lays
// out; no platform code here.
#include <cstddef>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace duskmoor {

// Pixels between a text box's frame and its text.
constexpr int kTextBoxPadding = 4;

// One shown line of a multi-line box: the caption's bytes [begin, end),
// without the line break or the space it was wrapped at.
struct TextSpan {
    size_t begin = 0;
    size_t end = 0;
};

// The lines the box's caption wraps into at its width; at least one.
std::vector<TextSpan> LayOutTextBox(const Control& box);
// How many lines the box shows at once.
int VisibleLines(const Control& box);
// The caret as a byte offset, inside the caption and on a character boundary.
size_t CaretOffset(const Control& box);
// The shown line the caret is on.
int CaretLine(const std::vector<TextSpan>& lines, size_t caret);

// A key pressed in a multi-line box: Left, Right, Up, Down, Home, End, Page Up,
// Page Down move the caret, Enter breaks the line, Backspace and Delete remove
// a character. Returns true when the key was the box's; `changed` tells
// whether the text changed.
bool TextBoxKey(Control& box, int key, bool& changed);
// Typed or pasted UTF-8 text inserted at the caret of a multi-line box (at the
// end of a one-line box), as far as `max_length` allows. Line breaks of any
// kind become one "\n" in a multi-line box and are dropped in a one-line box.
// Returns true when anything was added.
bool InsertIntoTextBox(Control& box, std::string_view typed);
// Scrolls a multi-line box by `lines` (positive: towards the end), leaving the caret.
void ScrollTextBox(Control& box, int lines);
// Scrolls so that the caret's line is shown.
void KeepCaretVisible(Control& box);

}  // namespace duskmoor
