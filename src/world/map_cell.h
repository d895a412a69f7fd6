#pragma once
#include <cstdint>

namespace duskmoor {

// One square of a block map: its four sides (a door is stored as wall + door),
// whether it is roofed, and two stored codes that no rule reads.
struct MapCell {
    int16_t NorthWall = 0;
    int16_t EastWall = 0;
    int16_t SouthWall = 0;
    int16_t WestWall = 0;
    int16_t NorthDoor = 0;
    int16_t EastDoor = 0;
    int16_t SouthDoor = 0;
    int16_t WestDoor = 0;
    int16_t Roofed = 0;
    int16_t Code2 = 0;
    int16_t Code1 = 0;
};

constexpr int kMapCells = 401;  // cells 0..400; a map uses at most 400
constexpr int kBlockCount = 22;

}  // namespace duskmoor
