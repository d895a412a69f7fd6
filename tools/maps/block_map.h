#pragma once
// One block's map as the map tools see it: the grid of cells with their walls,
// doors, roofs and codes, addressed by column and row (row 0 is the south edge).
#include <array>
#include <vector>

#include "world/map_cell.h"

namespace duskmoor::maps {

enum Direction { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3 };

constexpr std::array<int, 4> kStepX = {0, 1, 0, -1};
constexpr std::array<int, 4> kStepY = {1, 0, -1, 0};
constexpr std::array<const char*, 4> kDirectionNames = {"north", "east", "south", "west"};

inline int Opposite(int direction) {
    return (direction + 2) % 4;
}

struct BlockMap {
    int block = -1;
    int width = 0;
    int height = 0;
    std::vector<MapCell> cells;  // width * height, row by row from the south

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    int CellCount() const { return width * height; }
    MapCell& At(int x, int y) { return cells[y * width + x]; }
    const MapCell& At(int x, int y) const { return cells[y * width + x]; }
};

// The wall and door flags of one side of a cell.
int16_t& WallOf(MapCell& cell, int direction);
int16_t& DoorOf(MapCell& cell, int direction);
int16_t WallOf(const MapCell& cell, int direction);
int16_t DoorOf(const MapCell& cell, int direction);

// The party may cross a side that has no wall, or has a door in it.
inline bool Passable(const MapCell& cell, int direction) {
    return WallOf(cell, direction) == 0 || DoorOf(cell, direction) != 0;
}
// A wall the party cannot pass: a wall without a door.
inline bool Solid(const MapCell& cell, int direction) {
    return !Passable(cell, direction);
}

// Whether the side of (x, y) facing `direction` lies on the map's outer edge.
bool OnOuterEdge(const BlockMap& map, int x, int y, int direction);

}  // namespace duskmoor::maps
