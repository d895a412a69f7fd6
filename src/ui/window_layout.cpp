#include "ui/window_layout.h"

#include <algorithm>

namespace duskmoor {

Viewport FitToWindow(int window_width, int window_height, int logical_width, int logical_height) {
    Viewport viewport;
    if (window_width <= 0 || window_height <= 0 || logical_width <= 0 || logical_height <= 0) return viewport;
    const long long wide = window_width, high = window_height;
    if (wide * logical_height <= high * logical_width) {
        // Narrower than the picture's shape: the width decides.
        viewport.width = window_width;
        viewport.height = static_cast<int>(wide * logical_height / logical_width);
    } else {
        viewport.height = window_height;
        viewport.width = static_cast<int>(high * logical_width / logical_height);
    }
    const int whole = std::min(window_width / logical_width, window_height / logical_height);
    if (whole >= 1 && 10LL * whole * logical_width >= 9LL * viewport.width) {
        viewport.width = whole * logical_width;
        viewport.height = whole * logical_height;
        viewport.whole_multiple = true;
    }
    viewport.x = (window_width - viewport.width) / 2;
    viewport.y = (window_height - viewport.height) / 2;
    return viewport;
}

int SharpPrescale(const Viewport& viewport, int logical_width, int logical_height) {
    if (viewport.whole_multiple || logical_width <= 0 || logical_height <= 0) return 1;
    const int across = (viewport.width + logical_width - 1) / logical_width;
    const int down = (viewport.height + logical_height - 1) / logical_height;
    return std::max(1, std::max(across, down));
}

bool WindowToLogical(const Viewport& viewport, int logical_width, int logical_height, int window_x,
                     int window_y, Point& logical) {
    if (viewport.width <= 0 || viewport.height <= 0) return false;
    const long long inside_x = window_x - viewport.x;
    const long long inside_y = window_y - viewport.y;
    if (inside_x < 0 || inside_y < 0 || inside_x >= viewport.width || inside_y >= viewport.height)
        return false;
    // The centre of window pixel i lies at i + 1/2; scaled back it falls in one logical pixel.
    logical.x = static_cast<int>((2 * inside_x + 1) * logical_width / (2LL * viewport.width));
    logical.y = static_cast<int>((2 * inside_y + 1) * logical_height / (2LL * viewport.height));
    return true;
}

int LargestWholeScale(int space_width, int space_height, int logical_width, int logical_height) {
    if (logical_width <= 0 || logical_height <= 0) return 1;
    return std::max(1, std::min(space_width / logical_width, space_height / logical_height));
}

Point CentredOrigin(int outer_width, int outer_height, int inner_width, int inner_height) {
    return Point{(outer_width - inner_width) / 2, (outer_height - inner_height) / 2};
}

Point ModalOrigin(int screen_width, int screen_height, bool& with_title_bar) {
    with_title_bar = screen_height + kTitleBarHeight <= kLogicalHeight;
    const int title = with_title_bar ? kTitleBarHeight : 0;
    Point origin = CentredOrigin(kLogicalWidth, kLogicalHeight, screen_width, screen_height + title);
    origin.y += title;
    return origin;
}

}  // namespace duskmoor
