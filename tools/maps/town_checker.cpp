#include "town_checker.h"

#include <set>

#include "party_walk.h"

namespace duskmoor::maps {
namespace {

std::string PlaceName(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

class TownChecker {
  public:
    TownChecker(const BlockMap& map, const WorldTables& tables, const std::vector<bool>& reachable,
                std::vector<Violation>& violations)
        : map_(map), tables_(tables), reachable_(reachable), violations_(violations) {
        for (const EncounterCell& entry : tables_.encounters[kTownBlock]) {
            if (entry.kind != kKindTownBuilding || entry.cell < 0 || entry.cell >= map_.CellCount()) continue;
            buildings_.insert(entry.cell);
            if (entry.entry == kInnEntry) inn_ = entry.cell;
            if (entry.entry == kTransportEntry) transport_ = entry.cell;
        }
    }

    void Run() {
        for (const int building : buildings_) CheckBuilding(building);
        if (inn_ >= 0) CheckInnStay();
        CheckTransport();
        CheckStart();
        CheckSky();
    }

  private:
    void Report(int cell, const char* rule, std::string detail) {
        violations_.push_back({kTownBlock, cell, rule, std::move(detail)});
    }
    int CellOf(int x, int y) const { return y * map_.width + x; }
    bool IsStreet(int cell) const { return buildings_.count(cell) == 0 && reachable_[cell]; }

    // The inn's back room is reached through the inn's south door only.
    int BackRoom() const {
        if (inn_ < 0) return -1;
        const int x = inn_ % map_.width;
        const int y = inn_ / map_.width - 1;
        return map_.Inside(x, y) ? CellOf(x, y) : -1;
    }

    void CheckBuilding(int building) {
        const int x = building % map_.width;
        const int y = building / map_.width;
        const MapCell& cell = map_.cells[building];
        int street_doors = 0;
        for (int direction = 0; direction < 4; ++direction) {
            if (!Passable(cell, direction)) continue;
            const std::string side = std::string(kDirectionNames[direction]) + " side";
            if (OnOuterEdge(map_, x, y, direction)) {
                Report(building, rules::kBuildingDoor,
                       "the building opens onto the map's edge on its " + side);
                continue;
            }
            if (WallOf(cell, direction) == 0) {
                Report(building, rules::kBuildingDoor,
                       "the building is open on its " + side + "; a building is entered only through a door");
            }
            const int next = CellOf(x + kStepX[direction], y + kStepY[direction]);
            if (building == inn_ && direction == kSouth) continue;  // the back room, checked on its own
            if (building == inn_ && direction != kNorth) {
                Report(building, rules::kInn,
                       "the inn has a way out on its " + side +
                           "; it is entered facing south, from the street to its north");
                continue;
            }
            if (buildings_.count(next) != 0 || next == BackRoom()) {
                Report(building, rules::kBuildingDoor,
                       "the door on its " + side + " opens into another building");
                continue;
            }
            if (!reachable_[next]) {
                Report(building, rules::kBuildingDoor,
                       "the door on its " + side + " opens onto a cell the party cannot reach");
                continue;
            }
            CheckLeaving(building, direction);
            ++street_doors;
        }
        if (street_doors == 0) Report(building, rules::kBuildingDoor, "the building has no door to a street");
    }

    // Standing in the street facing the door, the party steps in; leaving turns
    // it round, steps it out and turns it to face the building again.
    void CheckLeaving(int building, int door_direction) {
        const int x = building % map_.width;
        const int y = building / map_.width;
        const PartyPlace street{x + kStepX[door_direction], y + kStepY[door_direction],
                                Opposite(door_direction)};
        PartyPlace party = street;
        const bool entered = StepForward(map_, party) && party.x == x && party.y == y;
        TurnLeft(party);
        TurnLeft(party);
        const bool stepped_out = StepForward(map_, party);
        TurnRight(party);
        TurnRight(party);
        if (!entered || !stepped_out || !(party == street)) {
            Report(building, rules::kLeaving,
                   "entering from " + PlaceName(street.x, street.y) +
                       " and leaving (turn left, turn left, step forward, turn right, turn right) does not "
                       "bring the party back there facing the building");
        }
    }

    // Paying for a room keeps the party on the inn facing south; it walks on
    // into the back room, turns round and steps back onto the inn facing north
    // (the farewell), whose "Ok" steps it forward onto the street.
    void CheckInnStay() {
        const int x = inn_ % map_.width;
        const int y = inn_ / map_.width;
        const int back_room = BackRoom();
        PartyPlace party{x, y, kSouth};
        if (back_room < 0 || !StepForward(map_, party)) {
            Report(inn_, rules::kInn, "the inn has no door on its south side to a back room");
            return;
        }
        if (buildings_.count(back_room) != 0) {
            Report(inn_, rules::kInn, "the inn's back room is another building");
            return;
        }
        const MapCell& room = map_.cells[back_room];
        for (int direction = 0; direction < 4; ++direction) {
            if (direction != kNorth && Passable(room, direction)) {
                Report(back_room, rules::kInn,
                       std::string("the inn's back room has a way out on its ") + kDirectionNames[direction] +
                           " side; it is reached through the inn only");
            }
        }
        TurnRight(party);
        TurnRight(party);
        const bool back_on_inn = StepForward(map_, party) && party == PartyPlace{x, y, kNorth};
        const bool out = back_on_inn && StepForward(map_, party) && IsStreet(CellOf(party.x, party.y));
        if (!out) {
            Report(
                inn_, rules::kInn,
                "from the back room facing north the party does not step onto the inn and on to the street");
        }
    }

    void CheckTransport() {
        if (transport_ < 0) return;
        for (const ArrivalPoint& arrival : tables_.arrivals) {
            if (arrival.block != kTownBlock || arrival.condition != ArrivalCondition::WagonRide) continue;
            if (!map_.Inside(arrival.x, arrival.y)) return;
            const int tx = transport_ % map_.width;
            const int ty = transport_ / map_.width;
            for (int direction = 0; direction < 4; ++direction) {
                if (tx + kStepX[direction] != arrival.x || ty + kStepY[direction] != arrival.y) continue;
                if (DoorOf(map_.cells[transport_], direction) != 0) return;
            }
            Report(transport_, rules::kTransport,
                   "the office has no door onto the wagon's stop " + PlaceName(arrival.x, arrival.y));
        }
    }

    void CheckStart() {
        if (!map_.Inside(kStartX, kStartY)) {
            Report(-1, rules::kStart, "the start " + PlaceName(kStartX, kStartY) + " lies outside the map");
            return;
        }
        const int start = CellOf(kStartX, kStartY);
        if (!IsStreet(start)) {
            Report(start, rules::kStart,
                   "the start is not a street cell that the party can walk from the gates");
        }
    }

    void CheckSky() {
        for (int cell = 0; cell < map_.CellCount(); ++cell) {
            if (!IsStreet(cell) || cell == BackRoom() || map_.cells[cell].Roofed == 0) continue;
            Report(cell, rules::kTownSky, "a street cell is roofed");
        }
    }

    const BlockMap& map_;
    const WorldTables& tables_;
    const std::vector<bool>& reachable_;
    std::vector<Violation>& violations_;
    std::set<int> buildings_;
    int inn_ = -1;
    int transport_ = -1;
};

}  // namespace

void CheckTown(const BlockMap& map, const WorldTables& tables, const std::vector<bool>& reachable,
               std::vector<Violation>& violations) {
    TownChecker(map, tables, reachable, violations).Run();
}

}  // namespace duskmoor::maps
