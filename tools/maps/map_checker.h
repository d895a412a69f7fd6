#pragma once
// The rules every block map must keep so that the world's tables and the maps
// agree: walls the same from both sides, edge doors exactly where the exits
// lead, every arrival point, exit, encounter and staircase reachable on foot,
// staircases against walls, and the town's buildings entered and left through
// their doors.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "block_map.h"
#include "world/block_tables.h"
#include "world/map_file.h"

namespace duskmoor::maps {

// A set encounter as the rules see it: where it is and what kind it is.
struct EncounterCell {
    int entry = 0;
    int cell = -1;
    int kind = 0;
};

constexpr int kKindTownBuilding = 5;
constexpr int kKindStairsUp = 10;
constexpr int kKindStairsDown = 11;

// The world's tables that the maps must agree with.
struct WorldTables {
    std::vector<ArrivalPoint> arrivals;
    std::vector<EdgeExit> edge_exits;
    std::vector<WildernessExit> wilderness_exits;
    std::vector<StairsRow> stairs;
    std::array<int, kBlockCount> widths{};  // 0: the tables leave the width free
    std::array<std::vector<EncounterCell>, kBlockCount> encounters;
};

struct Violation {
    int block = -1;
    int cell = -1;  // -1: the whole map
    std::string rule;
    std::string detail;
};

// "block 3, cell 45 (13, 2): rule: detail"
std::string Describe(const Violation& violation, int width);

namespace rules {
inline constexpr const char* kSize = "map size";
inline constexpr const char* kBothSides = "walls agree from both sides";
inline constexpr const char* kDoorInWall = "a door stands in a wall";
inline constexpr const char* kClosedEdge = "the outer edge is closed";
inline constexpr const char* kEdgeDoorLeads = "every edge door leads somewhere";
inline constexpr const char* kExitHasDoor = "every exit has its edge door";
inline constexpr const char* kArrivalInside = "arrival points lie inside the map";
inline constexpr const char* kReachable = "reachable on foot";
inline constexpr const char* kEncounterInside = "encounter cells lie inside the map";
inline constexpr const char* kStairsTable = "staircases lead somewhere";
inline constexpr const char* kStairsWalls = "a staircase stands against walls";
inline constexpr const char* kBuildingDoor = "town buildings are entered through a door";
inline constexpr const char* kLeaving = "leaving a building returns to the street";
inline constexpr const char* kInn = "the inn";
inline constexpr const char* kTransport = "the transport office stands by the wagon";
inline constexpr const char* kStart = "a new game starts on a street";
inline constexpr const char* kTownSky = "the town lies under the sky";
}  // namespace rules

std::vector<Violation> CheckMap(const BlockMap& map, const WorldTables& tables);

// Checks every block's map and that no block is missing.
std::vector<Violation> CheckWorld(const std::array<std::optional<BlockMap>, kBlockCount>& maps,
                                  const WorldTables& tables);

// Which cells the party can walk to from (x, y).
std::vector<bool> ReachableFrom(const BlockMap& map, int x, int y);

}  // namespace duskmoor::maps
