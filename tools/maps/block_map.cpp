#include "block_map.h"

namespace duskmoor::maps {
namespace {

template <typename Cell>
auto& WallField(Cell& cell, int direction) {
    switch (direction) {
        case kNorth:
            return cell.NorthWall;
        case kEast:
            return cell.EastWall;
        case kSouth:
            return cell.SouthWall;
        default:
            return cell.WestWall;
    }
}

template <typename Cell>
auto& DoorField(Cell& cell, int direction) {
    switch (direction) {
        case kNorth:
            return cell.NorthDoor;
        case kEast:
            return cell.EastDoor;
        case kSouth:
            return cell.SouthDoor;
        default:
            return cell.WestDoor;
    }
}

}  // namespace

int16_t& WallOf(MapCell& cell, int direction) {
    return WallField(cell, direction);
}
int16_t& DoorOf(MapCell& cell, int direction) {
    return DoorField(cell, direction);
}
int16_t WallOf(const MapCell& cell, int direction) {
    return WallField(cell, direction);
}
int16_t DoorOf(const MapCell& cell, int direction) {
    return DoorField(cell, direction);
}

bool OnOuterEdge(const BlockMap& map, int x, int y, int direction) {
    return !map.Inside(x + kStepX[direction], y + kStepY[direction]);
}

}  // namespace duskmoor::maps
