#pragma once
// Where the game's fixed 640 x 480 picture sits inside a window of any size,
// and where modal screens sit on that picture. Pure arithmetic, so the
// window host and the tests share it.
#include "ui/canvas.h"

namespace duskmoor {

// The main screen's size: every screen of the game is laid out on it.
constexpr int kLogicalWidth = 640;
constexpr int kLogicalHeight = 480;
// The caption strip drawn above a modal screen.
constexpr int kTitleBarHeight = 20;

// The rectangle of the window the logical picture is scaled into.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Scales the picture to the window with its aspect kept, by a whole multiple
// whenever the window holds at least one full-size copy, and centres it; the
// rest of the window is the backdrop.
Viewport FitToWindow(int window_width, int window_height, int logical_width, int logical_height);

// The logical pixel under a window position; false on the backdrop.
bool WindowToLogical(const Viewport& viewport, int logical_width, int logical_height, int window_x,
                     int window_y, Point& logical);

// The largest whole multiple of the picture that fits the space (at least 1).
int LargestWholeScale(int space_width, int space_height, int logical_width, int logical_height);

// The top-left corner that centres an inner rectangle in an outer one.
Point CentredOrigin(int outer_width, int outer_height, int inner_width, int inner_height);

// The top-left corner of a modal screen's client area: the screen and its
// caption strip are centred together; the strip is left out when it would
// push the screen off the picture.
Point ModalOrigin(int screen_width, int screen_height, bool& with_title_bar);

}  // namespace duskmoor
