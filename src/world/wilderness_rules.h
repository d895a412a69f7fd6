#pragma once
// The overland map between the towns: four hot spots in proportions of the
// picture, a marker that moves in half-steps of its own size, and the chance
// of wandering monsters with every key.
#include <array>
#include <cstdint>

namespace duskmoor {

namespace wild_key {
constexpr int Left = 37, Up = 38, Right = 39, Down = 40, Camp = 67;
}  // namespace wild_key

struct HotSpot {
    int16_t site = 0;
    float left = 0, right = 0, top = 0, bottom = 0;  // percent of the picture
    const char* question = "";
};

struct WildernessModel {
    float width = 0, height = 0;  // the picture
    float marker_width = 0, marker_height = 0;
    float left = 0, top = 0;  // the marker's top-left corner
    std::array<HotSpot, 4> hot_spots{};
};

// The towns in the order they are tested.
void LoadHotSpots(WildernessModel& model);
// Sizes the marker to a hundredth of the picture and sets it just outside the
// hot spot of `town_site`.
void PlaceMarker(WildernessModel& model, float width, float height, int town_site);
// The site of the first hot spot holding the marker's corner, or 0.
int16_t CheckTown(const WildernessModel& model);
// Moves the marker for an arrow key and answers `CheckTown`; 0 for a refused
// move and any other key.
int16_t MoveMarker(WildernessModel& model, int key);
// One wandering band in ten.
bool CheckEncounter();
const HotSpot* FindHotSpot(const WildernessModel& model, int site);

}  // namespace duskmoor
