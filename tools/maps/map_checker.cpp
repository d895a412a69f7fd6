#include "map_checker.h"

#include <algorithm>
#include <deque>
#include <set>

#include "town_checker.h"

namespace duskmoor::maps {
namespace {

std::string CellName(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

class BlockChecker {
  public:
    BlockChecker(const BlockMap& map, const WorldTables& tables, std::vector<Violation>& violations)
        : map_(map), tables_(tables), violations_(violations) {}

    void Run() {
        if (!CheckSize()) return;
        CheckSides();
        CheckEdgeDoors();
        CheckExitsHaveDoors();
        const std::vector<PartyPlaceOfTable> arrivals = ArrivalsInside();
        CheckEncounters();
        CheckReachable(arrivals);
        if (map_.block == kTownBlock) CheckTown(map_, tables_, reachable_from_any_, violations_);
    }

  private:
    struct PartyPlaceOfTable {
        int x, y;
    };

    void Report(int cell, const char* rule, std::string detail) {
        violations_.push_back({map_.block, cell, rule, std::move(detail)});
    }
    int CellOf(int x, int y) const { return y * map_.width + x; }

    bool CheckSize() {
        const int wanted = tables_.widths[map_.block];
        bool fine = true;
        if (wanted != 0 && map_.width != wanted) {
            Report(-1, rules::kSize,
                   "the map is " + std::to_string(map_.width) + " cells wide; its arrival points need " +
                       std::to_string(wanted));
            fine = false;
        }
        if (map_.width < 1 || map_.height < 1 || map_.CellCount() > kMapFileCells ||
            static_cast<int>(map_.cells.size()) != map_.CellCount()) {
            Report(-1, rules::kSize, "a map holds 1 to 400 cells");
            fine = false;
        }
        return fine;
    }

    void CheckSides() {
        for (int y = 0; y < map_.height; ++y) {
            for (int x = 0; x < map_.width; ++x) {
                for (int direction = 0; direction < 4; ++direction) CheckSide(x, y, direction);
            }
        }
    }

    void CheckSide(int x, int y, int direction) {
        const MapCell& cell = map_.At(x, y);
        const std::string side = std::string(kDirectionNames[direction]) + " side";
        if (DoorOf(cell, direction) != 0 && WallOf(cell, direction) == 0) {
            Report(CellOf(x, y), rules::kDoorInWall, "the " + side + " has a door but no wall");
        }
        if (OnOuterEdge(map_, x, y, direction)) {
            if (WallOf(cell, direction) == 0) {
                Report(CellOf(x, y), rules::kClosedEdge,
                       "the " + side + " lies on the map's edge and is open");
            }
            return;
        }
        // Each shared side is compared once, from the cell to its south or west.
        if (direction != kNorth && direction != kEast) return;
        const int other_x = x + kStepX[direction];
        const int other_y = y + kStepY[direction];
        const MapCell& other = map_.At(other_x, other_y);
        const int back = Opposite(direction);
        if (WallOf(cell, direction) != WallOf(other, back) ||
            DoorOf(cell, direction) != DoorOf(other, back)) {
            Report(CellOf(x, y), rules::kBothSides,
                   "its " + side + " is " + SideText(cell, direction) + " but the " + kDirectionNames[back] +
                       " side of " + CellName(other_x, other_y) + " is " + SideText(other, back));
        }
    }

    static std::string SideText(const MapCell& cell, int direction) {
        if (WallOf(cell, direction) == 0)
            return DoorOf(cell, direction) != 0 ? "a door without a wall" : "open";
        return DoorOf(cell, direction) != 0 ? "a door" : "a wall";
    }

    bool ExitNamed(int direction) const {
        for (const EdgeExit& exit : tables_.edge_exits) {
            if (exit.from_block == map_.block && exit.direction == direction) return true;
        }
        for (const WildernessExit& exit : tables_.wilderness_exits) {
            if (exit.block == map_.block && (exit.direction == -1 || exit.direction == direction))
                return true;
        }
        return false;
    }

    void CheckEdgeDoors() {
        for (int y = 0; y < map_.height; ++y) {
            for (int x = 0; x < map_.width; ++x) {
                for (int direction = 0; direction < 4; ++direction) {
                    if (!OnOuterEdge(map_, x, y, direction) || DoorOf(map_.At(x, y), direction) == 0)
                        continue;
                    if (ExitNamed(direction)) {
                        edge_door_cells_.push_back({CellOf(x, y), direction});
                    } else {
                        Report(CellOf(x, y), rules::kEdgeDoorLeads,
                               std::string("the door in the ") + kDirectionNames[direction] +
                                   " edge leads nowhere: no exit of block " + std::to_string(map_.block) +
                                   " goes " + kDirectionNames[direction]);
                    }
                }
            }
        }
    }

    bool HasEdgeDoor(int direction) const {
        return std::any_of(edge_door_cells_.begin(), edge_door_cells_.end(),
                           [&](const auto& door) { return direction < 0 || door.second == direction; });
    }

    void CheckExitsHaveDoors() {
        for (const EdgeExit& exit : tables_.edge_exits) {
            if (exit.from_block != map_.block || HasEdgeDoor(exit.direction)) continue;
            Report(-1, rules::kExitHasDoor,
                   std::string("the exit ") + kDirectionNames[exit.direction] + " to block " +
                       std::to_string(exit.to_block) + " has no door in the " +
                       kDirectionNames[exit.direction] + " edge");
        }
        for (const WildernessExit& exit : tables_.wilderness_exits) {
            if (exit.block != map_.block || HasEdgeDoor(exit.direction)) continue;
            Report(
                -1, rules::kExitHasDoor,
                std::string("the way to the wilderness has no door in ") +
                    (exit.direction < 0 ? std::string("any edge")
                                        : std::string("the ") + kDirectionNames[exit.direction] + " edge"));
        }
    }

    std::vector<PartyPlaceOfTable> ArrivalsInside() {
        std::vector<PartyPlaceOfTable> inside;
        for (const ArrivalPoint& arrival : tables_.arrivals) {
            if (arrival.block != map_.block) continue;
            if (!map_.Inside(arrival.x, arrival.y)) {
                Report(arrival.cell, rules::kArrivalInside,
                       "the arrival point " + CellName(arrival.x, arrival.y) + " lies outside the map");
                continue;
            }
            if (CellOf(arrival.x, arrival.y) != arrival.cell) {
                Report(arrival.cell, rules::kArrivalInside,
                       "the arrival point " + CellName(arrival.x, arrival.y) + " is cell " +
                           std::to_string(CellOf(arrival.x, arrival.y)) + " on this map, not cell " +
                           std::to_string(arrival.cell));
            }
            inside.push_back({arrival.x, arrival.y});
        }
        if (inside.empty()) Report(-1, rules::kArrivalInside, "the block has no arrival point on its map");
        return inside;
    }

    bool StairsNamed(int kind) const {
        return std::any_of(tables_.stairs.begin(), tables_.stairs.end(), [&](const StairsRow& row) {
            return row.from_block == map_.block && row.stairs == kind;
        });
    }

    void CheckEncounters() {
        for (const EncounterCell& encounter : tables_.encounters[map_.block]) {
            if (encounter.cell < 0) continue;
            if (encounter.cell >= map_.CellCount()) {
                Report(encounter.cell, rules::kEncounterInside,
                       "entry " + std::to_string(encounter.entry) + " lies outside the map");
                continue;
            }
            targets_.push_back({encounter.cell, "entry " + std::to_string(encounter.entry)});
            if (encounter.kind == kKindStairsUp || encounter.kind == kKindStairsDown) CheckStairs(encounter);
        }
    }

    void CheckStairs(const EncounterCell& stairs) {
        const char* way = stairs.kind == kKindStairsUp ? "up" : "down";
        if (!StairsNamed(stairs.kind)) {
            Report(stairs.cell, rules::kStairsTable,
                   "entry " + std::to_string(stairs.entry) + " is a staircase " + way +
                       " that no row of the stairs table takes anywhere");
        }
        const MapCell& cell = map_.cells[stairs.cell];
        int walls = 0;
        for (int direction = 0; direction < 4; ++direction) walls += Solid(cell, direction) ? 1 : 0;
        if (walls < 2) {
            Report(stairs.cell, rules::kStairsWalls,
                   "the staircase " + std::string(way) + " has " + std::to_string(walls) +
                       " walls; a staircase stands at a dead end or in a corner, with at least two");
        }
    }

    void CheckReachable(const std::vector<PartyPlaceOfTable>& arrivals) {
        reachable_from_any_.assign(map_.CellCount(), false);
        for (const auto& [cell, direction] : edge_door_cells_) {
            targets_.push_back(
                {cell, std::string("the door in the ") + kDirectionNames[direction] + " edge"});
        }
        for (const PartyPlaceOfTable& arrival : arrivals) {
            targets_.push_back({CellOf(arrival.x, arrival.y), "the arrival point"});
        }
        std::set<int> reported;
        for (const PartyPlaceOfTable& arrival : arrivals) {
            const std::vector<bool> reachable = ReachableFrom(map_, arrival.x, arrival.y);
            for (int cell = 0; cell < map_.CellCount(); ++cell) {
                if (reachable[cell]) reachable_from_any_[cell] = true;
            }
            for (const auto& [cell, what] : targets_) {
                if (reachable[cell] || reported.count(cell) != 0) continue;
                reported.insert(cell);
                Report(cell, rules::kReachable,
                       what + " cannot be reached from the arrival point " + CellName(arrival.x, arrival.y));
            }
        }
    }

    const BlockMap& map_;
    const WorldTables& tables_;
    std::vector<Violation>& violations_;
    std::vector<std::pair<int, int>> edge_door_cells_;  // cell, direction
    std::vector<std::pair<int, std::string>> targets_;  // cell, what waits there
    std::vector<bool> reachable_from_any_;
};

}  // namespace

std::string Describe(const Violation& violation, int width) {
    std::string text = "block " + std::to_string(violation.block);
    if (violation.cell >= 0) {
        text += ", cell " + std::to_string(violation.cell);
        if (width > 0) text += " " + CellName(violation.cell % width, violation.cell / width);
    }
    return text + ": " + violation.rule + ": " + violation.detail;
}

std::vector<bool> ReachableFrom(const BlockMap& map, int x, int y) {
    std::vector<bool> reached(map.CellCount(), false);
    if (!map.Inside(x, y)) return reached;
    std::deque<int> waiting = {y * map.width + x};
    reached[waiting.front()] = true;
    while (!waiting.empty()) {
        const int cell = waiting.front();
        waiting.pop_front();
        const int cell_x = cell % map.width;
        const int cell_y = cell / map.width;
        for (int direction = 0; direction < 4; ++direction) {
            const int next_x = cell_x + kStepX[direction];
            const int next_y = cell_y + kStepY[direction];
            if (!map.Inside(next_x, next_y) || !Passable(map.cells[cell], direction)) continue;
            const int next = next_y * map.width + next_x;
            if (reached[next]) continue;
            reached[next] = true;
            waiting.push_back(next);
        }
    }
    return reached;
}

std::vector<Violation> CheckMap(const BlockMap& map, const WorldTables& tables) {
    std::vector<Violation> violations;
    if (map.block < 0 || map.block >= kBlockCount) {
        violations.push_back({map.block, -1, rules::kSize, "there is no such block"});
        return violations;
    }
    BlockChecker(map, tables, violations).Run();
    return violations;
}

std::vector<Violation> CheckWorld(const std::array<std::optional<BlockMap>, kBlockCount>& maps,
                                  const WorldTables& tables) {
    std::vector<Violation> violations;
    for (int block = 0; block < kBlockCount; ++block) {
        if (!maps[block]) {
            violations.push_back({block, -1, rules::kSize, "the block has no map"});
            continue;
        }
        const std::vector<Violation> found = CheckMap(*maps[block], tables);
        violations.insert(violations.end(), found.begin(), found.end());
    }
    return violations;
}

}  // namespace duskmoor::maps
