#pragma once
// Draws a screen and its controls into a canvas: the window host paints every
// frame with it, so what the player sees is exactly what the canvas holds.
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"
#include "ui/screen.h"

namespace duskmoor {

// A drop-down list opened by a click: its entries hang below the box.
struct DropDown {
    const Control* list = nullptr;
    int highlighted = -1;  // the entry the arrows or the pointer are on
    int first = 0;         // the first entry shown when there are more than fit
};

// Where an open list's entries are drawn, in screen coordinates.
struct DropDownLayout {
    int x = 0;
    int y = 0;
    int width = 0;
    int row_height = 0;
    int rows = 0;
};

// At most this many entries show at once; the rest scroll. A list opens below
// its box, or above it when only there all its entries fit; when neither side
// holds them all it shows as many as fit, with a scroll bar.
constexpr int kDropDownRows = 12;

DropDownLayout LayoutDropDown(const Control& list, int screen_height);
// The entry under (x, y) in screen coordinates, or -1.
int DropDownEntryAt(const DropDown& open, const DropDownLayout& layout, int x, int y);
// Moves the highlight by `step` entries (clamped) and scrolls it into view of
// the `rows` entries shown.
void MoveDropDownHighlight(DropDown& open, int step, int rows);

// Where the thumb of a scroll bar (of a list or a page of text) sits in a track `track` pixels long, when
// `rows` of `count` entries are shown from entry `first`.
struct ScrollThumb {
    int top = 0;
    int length = 0;
};
ScrollThumb ScrollBarThumb(int count, int rows, int first, int track);

// Text measurement through the default font engine, with a rough estimate
// when there is none (headless tests), so layout never divides by zero.
int MeasureText(std::string_view utf8, int size, bool bold);
int TextLineHeight(int size, bool bold);
// Splits a caption at its line breaks and wraps each line at spaces so that it
// fits `width` pixels; a single word wider than that stays whole.
std::vector<std::string> WrapText(std::string_view utf8, int width, int size, bool bold);

// Draws the screen's background and its visible controls, in order, with
// the screen's top-left corner at (origin_x, origin_y).
void PaintScreen(Screen& screen, Canvas& canvas, int origin_x, int origin_y);
void PaintScreen(Screen& screen, Canvas& canvas, int origin_x, int origin_y, const DropDown* open);

// The frame of a modal screen: a border round it and, when asked, a caption
// strip above it with the screen's title.
void PaintModalFrame(const Screen& screen, Canvas& canvas, int origin_x, int origin_y, bool with_title_bar);

}  // namespace duskmoor
