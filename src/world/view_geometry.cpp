#include "world/view_geometry.h"

#include "core/rounding.h"

namespace duskmoor {
namespace {

int R(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

// The walls beside the party reach past the top and bottom of the view, so
// that the nearest side faces are cut by the frame rather than ending in it.
constexpr int kNearOverhang = 20;

void SetFrontFaces(ViewGeometry& view, int left0, int right0, int left1, int right1, int column) {
    const int W = view.width;
    auto face = [&](int depth, int slot, int from, int to) {
        view.front[depth][slot] = Rectangle(from, view.top[depth], to, view.bottom[depth]);
        view.has_front[depth][slot] = true;
    };
    face(0, 0, 0, left0);
    face(0, 1, left0, right0);
    face(0, 2, right0, W);
    face(1, 1, 0, left1);
    face(1, 2, left1, right1);
    face(1, 3, right1, W);
    for (int slot = 1; slot <= 5; ++slot) face(2, slot, (slot - 1) * column, slot == 5 ? W : slot * column);
}

void SetSideFaces(ViewGeometry& view, int left0, int right0, int left1, int right1, int column) {
    const int W = view.width, H = view.height;
    const auto& top = view.top;
    const auto& bottom = view.bottom;
    auto side = [&](int depth, int slot, Quad quad) {
        view.side[depth][slot] = quad;
        view.has_side[depth][slot] = true;
    };
    side(0, 1, {Point{0, -kNearOverhang}, {left0, top[0]}, {left0, bottom[0]}, {0, H + kNearOverhang}});
    side(0, 2, {Point{right0, top[0]}, {W, -kNearOverhang}, {W, H + kNearOverhang}, {right0, bottom[0]}});
    side(1, 1, {Point{left0, top[0]}, {left1, top[1]}, {left1, bottom[1]}, {left0, bottom[0]}});
    side(1, 2, {Point{right1, top[1]}, {right0, top[0]}, {right0, bottom[0]}, {right1, bottom[1]}});
    side(2, 1, {Point{0, top[1]}, {column, top[2]}, {column, bottom[2]}, {0, bottom[1]}});
    side(2, 2, {Point{left1, top[1]}, {2 * column, top[2]}, {2 * column, bottom[2]}, {left1, bottom[1]}});
    side(2, 3, {Point{3 * column, top[2]}, {right1, top[1]}, {right1, bottom[1]}, {3 * column, bottom[2]}});
    side(2, 4, {Point{4 * column, top[2]}, {W, top[1]}, {W, bottom[1]}, {4 * column, bottom[2]}});
}

// A door fills the lower two thirds of its face, in the middle third across.
void SetFrontDoors(ViewGeometry& view, int left0, int right0, int left1, int right1, int column) {
    std::array<int, kViewDepths> door_top{};
    for (int depth = 0; depth < kViewDepths; ++depth) {
        door_top[depth] = R((view.bottom[depth] - view.top[depth]) / 3.0 + view.top[depth]);
    }
    auto door = [&](int depth, int slot, int from, int to) {
        view.front_door[depth][slot] = Rectangle(from, door_top[depth], to, view.bottom[depth]);
        view.has_front_door[depth][slot] = true;
    };
    const int near_from = R((right0 - left0) / 3.0 + left0);
    door(0, 1, near_from, R((right0 - left0) / 3.0 + near_from));

    door(1, 1, R(left1 / 3.0), R(left1 * 2 / 3.0));
    const int middle_from = R((right1 - left1) / 3.0 + left1);
    const int middle_to = R((right1 - left1) / 3.0 + middle_from);
    door(1, 2, middle_from, middle_to);
    const int shift = right1 - left1;
    door(1, 3, middle_from + shift, middle_to + shift);

    const int offset = R(2 * column / 5.0);
    const int door_width = R(column / 5.0);
    for (int slot = 1; slot <= 5; ++slot) {
        const int from = (slot - 1) * column + offset;
        door(2, slot, from, from + door_width);
    }
}

void SetSideDoors(ViewGeometry& view, int left0, int right0, int left1, int right1) {
    const int W = view.width, H = view.height;
    auto& doors = view.side_door;

    // Beside the party: a tall door whose near edge runs off the bottom of the view.
    const int near_x = R(left0 / 3.0);
    const int third = R(H / 3.0);
    const int inner_top = R(R(H) / 20.0 + third);
    const int outer_top = R((inner_top - third) / 2.0 + third);
    const int outer_bottom = H + kNearOverhang;
    const int inner_bottom = R(H + kNearOverhang - H / 15.0);
    doors[0][1] = {Point{0, outer_top}, {near_x, inner_top}, {near_x, inner_bottom}, {0, outer_bottom}};
    doors[0][2] = {
        Point{W - near_x, inner_top}, {W, outer_top}, {W, outer_bottom}, {W - near_x, inner_bottom}};

    // One cell ahead: the middle third of the side face, the outer edge taller.
    const int top_outer1 = R(0.4 * H), top_inner1 = R(0.45 * H);
    const int bottom_inner1 = R(0.73 * H), bottom_outer1 = R(0.81 * H);
    const int left_from = R((left1 - left0) / 3.0 + left0);
    const int left_to = R((left1 - left0) * 2 / 3.0 + left0);
    doors[1][1] = {Point{left_from, top_outer1},
                   {left_to, top_inner1},
                   {left_to, bottom_inner1},
                   {left_from, bottom_outer1}};
    const int right_from = R((right0 - right1) / 3.0 + right1);
    const int right_to = R((right0 - right1) * 2 / 3.0 + right1);
    doors[1][2] = {Point{right_from, top_inner1},
                   {right_to, top_outer1},
                   {right_to, bottom_outer1},
                   {right_from, bottom_inner1}};

    // Two cells ahead the four doors are drawn by hand and are not mirror images.
    const int x10 = R(0.1 * W), x14 = R(0.14 * W), x36 = R(0.36 * W), x38 = R(0.38 * W);
    const int x62 = R(0.62 * W), x64 = R(0.64 * W), x88 = R(0.88 * W), x92 = R(0.92 * W);
    const int y49 = R(0.49 * H), y50 = R(0.5 * H);
    const int y58 = R(0.58 * H), y59 = R(0.59 * H), y60 = R(0.6 * H), y61 = R(0.61 * H);
    doors[2][1] = {Point{x10, y49}, {x14, y50}, {x14, y58}, {x10, y60}};
    doors[2][2] = {Point{x36, y49}, {x38, y50}, {x38, y58}, {x36, y61}};
    doors[2][3] = {Point{x62, y50}, {x64, y49}, {x64, y61}, {x62, y58}};
    doors[2][4] = {Point{x88, y50}, {x92, y49}, {x92, y61}, {x88, y59}};
}

}  // namespace

Quad Rectangle(int left, int top, int right, int bottom) {
    return {Point{left, top}, Point{right, top}, Point{right, bottom}, Point{left, bottom}};
}

ViewGeometry SetViewPort(int width, int height) {
    ViewGeometry view;
    view.width = width;
    view.height = height;
    const int W = width, H = height;
    view.horizon = R(H / 2.0);
    view.top = {R(0.1 * H), R(0.35 * H), R(0.45 * H)};
    view.bottom = {R(9.0 * H / 10.0), R(H - 0.35 * H), R(H - 0.45 * H)};

    const int left0 = R(0.13 * W);
    const int right0 = R(W - 0.13 * W);
    const int left1 = R(0.33 * W);
    const int right1 = R(0.66 * W);
    const int column = R(W / 5.0);
    SetFrontFaces(view, left0, right0, left1, right1, column);
    SetSideFaces(view, left0, R(0.87 * W), left1, right1, column);
    SetFrontDoors(view, left0, right0, left1, right1, column);
    SetSideDoors(view, left0, R(0.87 * W), left1, right1);
    return view;
}

}  // namespace duskmoor
