#pragma once
// The tables of the world, declared once and read by the rules, the map
// checker and the tests: every block's map file, name and art, where the party
// arrives in a block, where each edge door leads, and where the stairs go.
#include <cstdint>
#include <span>

namespace duskmoor {

struct BlockInfo {
    const char* map_file;  // file name inside Maps/, e.g. "Town.map"
    const char* name;      // announced on arrival; empty for blocks 15..20
    const char* wall;      // bitmaps inside Art/
    const char* floor;
    const char* ceiling;
    const char* door;
    int16_t map_width;  // the width of the block's map, as the arrival points imply
};

// Block 0..21; null for any other number.
const BlockInfo* FindBlock(int block);

// What else an arrival row depends on besides the block and the direction.
enum class ArrivalCondition {
    Always,
    OldRowBelow7,  // the party's row in the block it leaves is below 7
    OldRow7OrMore,
    NoWagonRide,  // `WagonRide` is False
    WagonRide,    // `WagonRide` is True (and is cleared on arrival)
};

struct ArrivalPoint {
    int16_t block;
    int16_t direction;  // direction of travel 0..3, or -1 for any
    ArrivalCondition condition;
    int16_t x, y, facing, cell;
};
std::span<const ArrivalPoint> ArrivalTable();

// Leaving `from_block` through an edge door while facing `direction`.
struct EdgeExit {
    int16_t from_block, direction, to_block, arrival_direction;
};
std::span<const EdgeExit> EdgeExitTable();

// Edge doors that lead to the wilderness: block 0 eastward, blocks 15, 19
// and 20 in any direction (-1).
struct WildernessExit {
    int16_t block, direction, town_site;
    const char* question;
};
std::span<const WildernessExit> WildernessExitTable();

// Entering a town from the wilderness by `TownSite`.
struct TownArrival {
    int16_t town_site, block, arrival_direction;
};
std::span<const TownArrival> TownArrivalTable();

struct StairsRow {
    int16_t stairs;  // 10 up, 11 down
    int16_t from_block, to_block, arrival_direction;
};
std::span<const StairsRow> StairsTable();

}  // namespace duskmoor
