#include "ui/window_layout.h"

#include <algorithm>

namespace duskmoor {

Viewport FitToWindow(int window_width, int window_height, int logical_width, int logical_height) {
    Viewport viewport;
    if (window_width <= 0 || window_height <= 0 || logical_width <= 0 || logical_height <= 0) return viewport;
    const int whole = std::min(window_width / logical_width, window_height / logical_height);
    if (whole >= 1) {
        viewport.width = whole * logical_width;
        viewport.height = whole * logical_height;
    } else if (static_cast<long long>(window_width) * logical_height <=
               static_cast<long long>(window_height) * logical_width) {
        // Narrower than the picture's shape: the width decides.
        viewport.width = window_width;
        viewport.height =
            static_cast<int>(static_cast<long long>(window_width) * logical_height / logical_width);
    } else {
        viewport.height = window_height;
        viewport.width =
            static_cast<int>(static_cast<long long>(window_height) * logical_width / logical_height);
    }
    viewport.x = (window_width - viewport.width) / 2;
    viewport.y = (window_height - viewport.height) / 2;
    return viewport;
}

bool WindowToLogical(const Viewport& viewport, int logical_width, int logical_height, int window_x,
                     int window_y, Point& logical) {
    if (viewport.width <= 0 || viewport.height <= 0) return false;
    const int inside_x = window_x - viewport.x;
    const int inside_y = window_y - viewport.y;
    if (inside_x < 0 || inside_y < 0 || inside_x >= viewport.width || inside_y >= viewport.height)
        return false;
    logical.x = static_cast<int>(static_cast<long long>(inside_x) * logical_width / viewport.width);
    logical.y = static_cast<int>(static_cast<long long>(inside_y) * logical_height / viewport.height);
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
