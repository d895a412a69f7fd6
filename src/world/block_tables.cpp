#include "world/block_tables.h"

#include <iterator>

namespace duskmoor {
namespace {

// Map widths: the arrival points fix them, except block 9's (its only arrival,
// cell 0, fits any width): the Chamber is 8 cells wide.
constexpr BlockInfo kBlocks[] = {
    {"Town.map", "Town of Verezeve...", "TownWall.bmp", "TownFlor.bmp", "TownCeil.bmp", "DoorRaz.bmp", 16},
    {"Slums.map", "The Garden...", "Wall1.bmp", "TownFlor.bmp", "Ceil1.bmp", "DoorRaz.bmp", 16},
    {"Block2.map", "The West Garden...", "Wall1.bmp", "TownFlor.bmp", "Ceil1.bmp", "DoorRaz.bmp", 16},
    {"Block3.map", "The Estate...", "Wall1.bmp", "TownFlor.bmp", "Ceil1.bmp", "DoorRaz.bmp", 16},
    {"Block4.map", "The Temple...", "Wall2.bmp", "TownFlor.bmp", "Ceil2.bmp", "DoorRaz.bmp", 16},
    {"Block5.map", "The Theater...", "Wall2.bmp", "TownFlor.bmp", "Ceil2.bmp", "DoorRaz.bmp", 16},
    {"Block6.map", "The Prison Yard...", "Wall2.bmp", "TownFlor.bmp", "Ceil2.bmp", "DoorRaz.bmp", 16},
    {"Block7.map", "The Barracks...", "Wall3.bmp", "TownFlor.bmp", "Ceil3.bmp", "DoorRaz.bmp", 16},
    {"Block8.map", "The Maze...", "Wall3.bmp", "TownFlor.bmp", "Ceil3.bmp", "DoorRaz.bmp", 16},
    {"Block9.map", "The Chamber...", "Wall3.bmp", "TownFlor.bmp", "Ceil3.bmp", "DoorRaz.bmp", 8},
    {"Block10.map", "The Park...", "Wall4.bmp", "TownFlor.bmp", "Ceil4.bmp", "DoorRaz.bmp", 16},
    {"Block11.map", "The Crypt...", "Wall4.bmp", "TownFlor.bmp", "Ceil4.bmp", "DoorRaz.bmp", 7},
    {"Pit.map", "The Pit...", "Wall4.bmp", "TownFlor.bmp", "Ceil4.bmp", "DoorRaz.bmp", 10},
    {"Block13.map", "The Ruins...", "Wall5.bmp", "TownFlor.bmp", "Ceil5.bmp", "DoorLair.bmp", 16},
    {"Block14.map", "The Foyer...", "Wall5.bmp", "TownFlor.bmp", "Ceil5.bmp", "DoorLair.bmp", 10},
    {"Rizevoz1.map", "", "ResWall.bmp", "ResFlor.bmp", "ResCeil.bmp", "DoorRes.bmp", 16},
    {"Rizevoz2.map", "", "ResWall.bmp", "ResFlor.bmp", "ResCeil.bmp", "DoorRes.bmp", 11},
    {"Rizevoz3.map", "", "ResWall.bmp", "ResFlor.bmp", "ResCeil.bmp", "DoorRes.bmp", 6},
    {"Rizevoz4.map", "", "ResWall.bmp", "ResFlor.bmp", "ResCeil.bmp", "DoorRes.bmp", 6},
    {"Caves.map", "", "CaveWall.bmp", "CaveFlor.bmp", "CaveCeil.bmp", "DoorRaz.bmp", 10},
    {"TrogCamp.map", "", "TrogWall.bmp", "TrogFlor.bmp", "TownCeil.bmp", "DoorTrog.bmp", 15},
    {"Lair.map", "Underground Passage...", "Wall5.bmp", "TownFlor.bmp", "Ceil5.bmp", "DoorLair.bmp", 5},
};

constexpr ArrivalPoint kArrivals[] = {
    {0, 1, ArrivalCondition::Always, 0, 4, 1, 64},
    {0, 3, ArrivalCondition::NoWagonRide, 15, 7, 3, 127},
    {0, 3, ArrivalCondition::WagonRide, 13, 15, 3, 253},
    {1, 1, ArrivalCondition::OldRowBelow7, 0, 4, 1, 64},
    {1, 1, ArrivalCondition::OldRow7OrMore, 0, 11, 1, 176},
    {1, 3, ArrivalCondition::Always, 15, 11, 3, 191},
    {2, 0, ArrivalCondition::Always, 11, 0, 0, 11},
    {2, 3, ArrivalCondition::OldRowBelow7, 15, 4, 3, 79},
    {2, 3, ArrivalCondition::OldRow7OrMore, 15, 11, 3, 191},
    {3, 0, ArrivalCondition::Always, 7, 0, 0, 7},
    {3, 1, ArrivalCondition::Always, 0, 6, 1, 96},
    {3, 2, ArrivalCondition::Always, 11, 15, 2, 251},
    {3, 3, ArrivalCondition::Always, 15, 10, 3, 175},
    {4, 1, ArrivalCondition::Always, 0, 10, 1, 160},
    {5, 1, ArrivalCondition::Always, 0, 2, 1, 32},
    {5, 3, ArrivalCondition::Always, 15, 6, 3, 111},
    {6, 0, ArrivalCondition::Always, 2, 0, 0, 2},
    {6, 2, ArrivalCondition::Always, 7, 15, 2, 247},
    {6, 3, ArrivalCondition::Always, 15, 4, 3, 79},
    {7, 1, ArrivalCondition::Always, 0, 4, 1, 64},
    {7, 3, ArrivalCondition::Always, 15, 9, 3, 159},
    {8, 1, ArrivalCondition::Always, 0, 9, 1, 144},
    {8, 2, ArrivalCondition::Always, 13, 15, 2, 253},
    {9, 0, ArrivalCondition::Always, 0, 0, 0, 0},
    {10, 1, ArrivalCondition::Always, 8, 8, 1, 136},
    {10, 2, ArrivalCondition::Always, 2, 15, 2, 242},
    {10, 3, ArrivalCondition::Always, 15, 5, 3, 95},
    {11, 3, ArrivalCondition::Always, 6, 3, 3, 27},
    {12, 1, ArrivalCondition::Always, 1, 8, 1, 81},
    {13, 0, ArrivalCondition::Always, 11, 0, 0, 11},
    {13, 1, ArrivalCondition::Always, 0, 5, 1, 80},
    {14, 2, ArrivalCondition::Always, 4, 9, 2, 94},
    {14, 3, ArrivalCondition::Always, 5, 0, 3, 5},
    {15, 0, ArrivalCondition::Always, 7, 0, 0, 7},
    {15, 2, ArrivalCondition::Always, 14, 14, 2, 238},
    {16, 0, ArrivalCondition::Always, 10, 8, 0, 98},
    {16, 1, ArrivalCondition::Always, 1, 6, 1, 67},
    {17, 2, ArrivalCondition::Always, 1, 4, 2, 25},
    {17, 3, ArrivalCondition::Always, 5, 0, 3, 5},
    {18, 0, ArrivalCondition::Always, 5, 1, 0, 11},
    {19, -1, ArrivalCondition::Always, 0, 8, 1, 80},
    {20, -1, ArrivalCondition::Always, 6, 14, 2, 216},
    {21, -1, ArrivalCondition::Always, 0, 2, 1, 10},
};

constexpr EdgeExit kEdgeExits[] = {
    {0, 3, 1, 3},   {1, 1, 0, 1},   {1, 3, 2, 3},  {2, 1, 1, 1},   {2, 2, 3, 2},  {3, 0, 2, 0},
    {3, 1, 4, 1},   {3, 2, 6, 2},   {3, 3, 5, 3},  {4, 3, 3, 3},   {5, 1, 3, 1},  {5, 3, 11, 3},
    {6, 0, 3, 0},   {6, 1, 7, 1},   {6, 2, 10, 2}, {7, 1, 8, 1},   {7, 3, 6, 3},  {8, 0, 9, 0},
    {8, 3, 7, 3},   {9, 2, 8, 2},   {10, 0, 6, 0}, {10, 1, 13, 1}, {11, 1, 5, 1}, {13, 2, 14, 2},
    {13, 3, 10, 3}, {14, 0, 13, 0},
};

constexpr WildernessExit kWildernessExits[] = {
    {0, 1, 4, "Leaving Verezeve, enter Wilderness?"},
    {15, -1, 5, "Leaving Rizevoz, enter Wilderness?"},
    {19, -1, 7, "Leaving North Caves, enter Wilderness?"},
    {20, -1, 6, "Leaving Trog Camp, enter Wilderness?"},
};

constexpr TownArrival kTownArrivals[] = {
    {4, 0, 3},
    {5, 15, 0},
    {6, 20, 2},
    {7, 19, 1},
};

constexpr StairsRow kStairs[] = {
    {10, 12, 10, 1}, {10, 15, 16, 0}, {10, 16, 17, 3}, {10, 17, 18, 0}, {10, 21, 14, 3},
    {11, 10, 12, 1}, {11, 14, 21, 1}, {11, 16, 15, 2}, {11, 17, 16, 1}, {11, 18, 17, 2},
};

}  // namespace

const BlockInfo* FindBlock(int block) {
    if (block < 0 || block >= static_cast<int>(std::size(kBlocks))) return nullptr;
    return &kBlocks[block];
}

std::span<const ArrivalPoint> ArrivalTable() {
    return kArrivals;
}
std::span<const EdgeExit> EdgeExitTable() {
    return kEdgeExits;
}
std::span<const WildernessExit> WildernessExitTable() {
    return kWildernessExits;
}
std::span<const TownArrival> TownArrivalTable() {
    return kTownArrivals;
}
std::span<const StairsRow> StairsTable() {
    return kStairs;
}

}  // namespace duskmoor
