#include "world/view_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace duskmoor {
namespace {

struct ExpectedQuad {
    int depth, slot;
    Quad points;
};

void ExpectQuads(const char* what, const std::array<std::array<Quad, kViewSlots>, kViewDepths>& actual,
                 const std::vector<ExpectedQuad>& expected) {
    for (const ExpectedQuad& face : expected) {
        for (int corner = 0; corner < 4; ++corner) {
            const Point& got = actual[face.depth][face.slot][corner];
            const Point& want = face.points[corner];
            EXPECT_TRUE(got.x == want.x && got.y == want.y)
                << what << " depth " << face.depth << " slot " << face.slot << " corner " << corner << ": ("
                << got.x << "," << got.y << ") instead of (" << want.x << "," << want.y << ")";
        }
    }
}

Quad Box(int left, int top, int right, int bottom) {
    return Rectangle(left, top, right, bottom);
}

// Every corner of the 445 x 329 view of the main screen, as the game lays it out.
TEST(ViewGeometryTest, MainScreenViewPortCorners) {
    const ViewGeometry view = SetViewPort(445, 329);
    EXPECT_EQ(view.horizon, 164);  // 164.5 rounds to the even 164
    EXPECT_EQ(view.top, (std::array<int, 3>{33, 115, 148}));
    EXPECT_EQ(view.bottom, (std::array<int, 3>{296, 214, 181}));

    ExpectQuads("front", view.front,
                {{0, 0, Box(0, 33, 58, 296)},
                 {0, 1, Box(58, 33, 387, 296)},
                 {0, 2, Box(387, 33, 445, 296)},
                 {1, 1, Box(0, 115, 147, 214)},
                 {1, 2, Box(147, 115, 294, 214)},
                 {1, 3, Box(294, 115, 445, 214)},
                 {2, 1, Box(0, 148, 89, 181)},
                 {2, 2, Box(89, 148, 178, 181)},
                 {2, 3, Box(178, 148, 267, 181)},
                 {2, 4, Box(267, 148, 356, 181)},
                 {2, 5, Box(356, 148, 445, 181)}});
    ExpectQuads("side", view.side,
                {{0, 1, {Point{0, -20}, {58, 33}, {58, 296}, {0, 349}}},
                 {0, 2, {Point{387, 33}, {445, -20}, {445, 349}, {387, 296}}},
                 {1, 1, {Point{58, 33}, {147, 115}, {147, 214}, {58, 296}}},
                 {1, 2, {Point{294, 115}, {387, 33}, {387, 296}, {294, 214}}},
                 {2, 1, {Point{0, 115}, {89, 148}, {89, 181}, {0, 214}}},
                 {2, 2, {Point{147, 115}, {178, 148}, {178, 181}, {147, 214}}},
                 {2, 3, {Point{267, 148}, {294, 115}, {294, 214}, {267, 181}}},
                 {2, 4, {Point{356, 148}, {445, 115}, {445, 214}, {356, 181}}}});
    ExpectQuads("front door", view.front_door,
                {{0, 1, Box(168, 121, 278, 296)},
                 {1, 1, Box(49, 148, 98, 214)},
                 {1, 2, Box(196, 148, 245, 214)},
                 {1, 3, Box(343, 148, 392, 214)},
                 {2, 1, Box(36, 159, 54, 181)},
                 {2, 2, Box(125, 159, 143, 181)},
                 {2, 3, Box(214, 159, 232, 181)},
                 {2, 4, Box(303, 159, 321, 181)},
                 {2, 5, Box(392, 159, 410, 181)}});
    ExpectQuads("side door", view.side_door,
                {{0, 1, {Point{0, 118}, {19, 126}, {19, 327}, {0, 349}}},
                 {0, 2, {Point{426, 126}, {445, 118}, {445, 349}, {426, 327}}},
                 {1, 1, {Point{88, 132}, {117, 148}, {117, 240}, {88, 266}}},
                 {1, 2, {Point{325, 148}, {356, 132}, {356, 266}, {325, 240}}},
                 {2, 1, {Point{44, 161}, {62, 164}, {62, 191}, {44, 197}}},
                 {2, 2, {Point{160, 161}, {169, 164}, {169, 191}, {160, 201}}},
                 {2, 3, {Point{276, 164}, {285, 161}, {285, 201}, {276, 191}}},
                 {2, 4, {Point{392, 164}, {409, 161}, {409, 201}, {392, 194}}}});
}

// Which faces exist: three fronts at depth 0 but a door only straight ahead.
TEST(ViewGeometryTest, SlotsThatEachDepthHas) {
    const ViewGeometry view = SetViewPort(445, 329);
    const std::array<std::array<bool, kViewSlots>, kViewDepths> fronts = {
        {{true, true, true, false, false, false},
         {false, true, true, true, false, false},
         {false, true, true, true, true, true}}};
    const std::array<std::array<bool, kViewSlots>, kViewDepths> sides = {
        {{false, true, true, false, false, false},
         {false, true, true, false, false, false},
         {false, true, true, true, true, false}}};
    const std::array<std::array<bool, kViewSlots>, kViewDepths> front_doors = {
        {{false, true, false, false, false, false},
         {false, true, true, true, false, false},
         {false, true, true, true, true, true}}};
    EXPECT_EQ(view.has_front, fronts);
    EXPECT_EQ(view.has_side, sides);
    EXPECT_EQ(view.has_front_door, front_doors);
}

// The rounding happens step by step: at 100 x 100 the depth-0 door starts at
// R(74 / 3 + 13) = 38 and ends at R(74 / 3 + 38) = 63, where one rounding of
// 2 x 74 / 3 + 13 would give 62.
TEST(ViewGeometryTest, RoundsEachStepOnOtherSizes) {
    const ViewGeometry small = SetViewPort(100, 100);
    EXPECT_EQ(small.front_door[0][1][0].x, 38);
    EXPECT_EQ(small.front_door[0][1][1].x, 63);
    EXPECT_EQ(small.horizon, 50);

    // W = 50: the left edge R(6.5) = 6 and the right R(43.5) = 44 round to even;
    // the columns two cells ahead are 10 wide.
    const ViewGeometry narrow = SetViewPort(50, 30);
    EXPECT_EQ(narrow.front[0][1][0].x, 6);
    EXPECT_EQ(narrow.front[0][1][1].x, 44);
    EXPECT_EQ(narrow.front[2][5][1].x, 50);
    EXPECT_EQ(narrow.front[2][4][0].x, 30);
    EXPECT_EQ(narrow.horizon, 15);
    EXPECT_EQ(narrow.side[0][1][3].y, 50);  // H + 20 below the view
}

}  // namespace
}  // namespace duskmoor
