#pragma once
// Where every face of the first-person view lies. The view is no ray caster: it
// is a fixed set of quadrilaterals, computed once from the size of the view when
// the main screen starts, and chosen by the walls and doors around the party.
#include <array>

#include "ui/canvas.h"

namespace duskmoor {

using Quad = std::array<Point, 4>;

// A face is addressed as the game names it: axis 1 is a front face, axis 2 a
// side face; depth 0 is the far side of the party's own cell; slots count from
// the left. Slots that a depth does not have stay empty (all points at 0, 0).
constexpr int kViewDepths = 3;
constexpr int kViewSlots = 6;

struct ViewGeometry {
    int width = 0;
    int height = 0;
    int horizon = 0;
    // Rows of the front faces at each depth.
    std::array<int, kViewDepths> top{};
    std::array<int, kViewDepths> bottom{};

    // [depth][slot]: front faces (depth 0: slots 0..2; 1: 1..3; 2: 1..5), side
    // faces (depth 0 and 1: slots 1..2; 2: 1..4), and the door openings on them.
    std::array<std::array<Quad, kViewSlots>, kViewDepths> front{};
    std::array<std::array<Quad, kViewSlots>, kViewDepths> side{};
    std::array<std::array<Quad, kViewSlots>, kViewDepths> front_door{};
    std::array<std::array<Quad, kViewSlots>, kViewDepths> side_door{};
    // Which of those exist (a front door at depth 0 exists only straight ahead).
    std::array<std::array<bool, kViewSlots>, kViewDepths> has_front{};
    std::array<std::array<bool, kViewSlots>, kViewDepths> has_side{};
    std::array<std::array<bool, kViewSlots>, kViewDepths> has_front_door{};
};

// Computes every corner for a view `width` x `height` pixels. Halves round to
// even, and later corners are built from earlier rounded ones.
ViewGeometry SetViewPort(int width, int height);

// The rectangle between two corners as a face: top-left, top-right,
// bottom-right, bottom-left.
Quad Rectangle(int left, int top, int right, int bottom);

}  // namespace duskmoor
