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

// The smallest window: below it the text of the screens turns unreadable.
constexpr int kMinimumWindowWidth = kLogicalWidth;
constexpr int kMinimumWindowHeight = kLogicalHeight;

// The rectangle of the window the logical picture is scaled into.
struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // Every logical pixel is a square of whole window pixels.
    bool whole_multiple = false;
};

// Scales the picture to the largest size that keeps its shape and fits the
// window, and centres it; the bars left over are the backdrop. A whole
// multiple keeps every pixel sharp, so it is taken whenever it fills at least
// nine tenths of that largest size; otherwise the picture is scaled smoothly
// by the fraction that fills the window.
Viewport FitToWindow(int window_width, int window_height, int logical_width, int logical_height);

// For a smooth fractional scale, the picture is first enlarged by this whole
// multiple (the smallest that reaches the viewport) and then filtered down, so
// that edges stay crisp and only their last pixel is blended.
int SharpPrescale(const Viewport& viewport, int logical_width, int logical_height);

// The logical pixel under a window position (the one that covers the centre
// of that window pixel); false on the backdrop.
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
