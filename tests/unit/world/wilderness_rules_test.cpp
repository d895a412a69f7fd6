#include "world/wilderness_rules.h"

#include <gtest/gtest.h>

#include "core/random.h"

namespace duskmoor {
namespace {

constexpr float kWidth = 640, kHeight = 480;

WildernessModel LeavingFrom(int site) {
    WildernessModel model;
    LoadHotSpots(model);
    PlaceMarker(model, kWidth, kHeight, site);
    return model;
}

// Walks the marker with `key` until it stands in a town or cannot move; the town or 0.
int16_t WalkUntilTown(WildernessModel& model, int key, int most_steps) {
    for (int step = 0; step < most_steps; ++step)
        if (int16_t site = MoveMarker(model, key)) return site;
    return 0;
}

TEST(Wilderness, EveryTownIsLeftJustOutsideAndEnteredByTurningBack) {
    // From each town the marker starts outside; stepping back towards the town enters it.
    const struct {
        int site, back_key;
    } trips[] = {{4, wild_key::Right}, {5, wild_key::Left}, {6, wild_key::Down}, {7, wild_key::Up}};
    for (const auto& trip : trips) {
        WildernessModel model = LeavingFrom(trip.site);
        EXPECT_EQ(model.marker_width, 6.4f);
        EXPECT_EQ(model.marker_height, 4.8f);
        EXPECT_EQ(CheckTown(model), 0) << trip.site;
        EXPECT_EQ(WalkUntilTown(model, trip.back_key, 3), trip.site) << trip.site;
    }
}

TEST(Wilderness, VerezeveNeedsAStrictlyGreaterLeftEdge) {
    WildernessModel model = LeavingFrom(4);
    EXPECT_FLOAT_EQ(model.left, 531.2f);  // 84% of 640 less one marker width
    EXPECT_FLOAT_EQ(model.top, 184.8f);   // halfway between 30% and 47% of 480
    EXPECT_EQ(MoveMarker(model, wild_key::Right), 0);
    model.left = 537.6f;  // on the edge itself: still outside
    EXPECT_EQ(CheckTown(model), 0);
    EXPECT_EQ(MoveMarker(model, wild_key::Right), 4);
    // Stepping within the town keeps asking; stepping out stops.
    EXPECT_EQ(MoveMarker(model, wild_key::Up), 4);
    EXPECT_EQ(MoveMarker(model, wild_key::Left), 0);
}

TEST(Wilderness, TheMarkerStopsShortOfThePicturesEdges) {
    WildernessModel model = LeavingFrom(7);
    model.left = 9.6f;  // 1.5 marker widths: no further left
    EXPECT_EQ(MoveMarker(model, wild_key::Left), 0);
    EXPECT_EQ(model.left, 9.6f);
    model.top = 7.2f;
    EXPECT_EQ(MoveMarker(model, wild_key::Up), 0);
    EXPECT_EQ(model.top, 7.2f);
    model.left = kWidth - 2 * 6.4f;  // one more step would touch the right edge
    EXPECT_EQ(MoveMarker(model, wild_key::Right), 0);
    model.top = 471;  // a step would end within a rounded marker height of the bottom
    EXPECT_EQ(MoveMarker(model, wild_key::Down), 0);
    model.top = 300;
    EXPECT_EQ(MoveMarker(model, wild_key::Down), 0);
    EXPECT_FLOAT_EQ(model.top, 302.4f);
    EXPECT_EQ(MoveMarker(model, wild_key::Camp), 0);
    EXPECT_EQ(MoveMarker(model, 16), 0);
}

TEST(Wilderness, HotSpotsAreApartAndInsideThePicture) {
    WildernessModel model;
    LoadHotSpots(model);
    for (size_t i = 0; i < model.hot_spots.size(); ++i) {
        const HotSpot& a = model.hot_spots[i];
        EXPECT_LT(a.left, a.right);
        EXPECT_LT(a.top, a.bottom);
        EXPECT_GT(a.left, 1.5f);
        EXPECT_LT(a.right, 98.0f);
        for (size_t j = i + 1; j < model.hot_spots.size(); ++j) {
            const HotSpot& b = model.hot_spots[j];
            EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top);
        }
    }
}

TEST(Wilderness, OneKeyInTenMeetsMonsters) {
    Random().Force(0.01);
    EXPECT_TRUE(CheckEncounter());
    Random().Force(0.02);
    EXPECT_FALSE(CheckEncounter());
    Random().Force(0.10);
    EXPECT_FALSE(CheckEncounter());
}

}  // namespace
}  // namespace duskmoor
