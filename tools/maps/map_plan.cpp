#include "map_plan.h"

#include <sstream>

#include "map_text.h"

namespace duskmoor::maps {
namespace {

constexpr char kArrivalMark = '@';
constexpr const char* kFacingNames = "NESW";

const char* KindName(int kind) {
    switch (kind) {
        case 1:
            return "battle";
        case 2:
            return "treasure";
        case 3:
            return "note";
        case 4:
            return "trap";
        case 5:
            return "town building";
        case 6:
            return "treasure and a note";
        case 7:
            return "battle and a note";
        case 8:
            return "battle and a quest object";
        case 9:
            return "quest object";
        case 10:
            return "stairs up";
        case 11:
            return "stairs down";
        case 12:
            return "Von Devever";
        case 13:
            return "ambush";
        default:
            return "nothing";
    }
}

// The encounter that fires first on a cell is the one with the lowest entry.
const EncounterCell* FirstEncounterAt(const WorldTables& tables, int block, int cell) {
    const EncounterCell* first = nullptr;
    for (const EncounterCell& encounter : tables.encounters[block]) {
        if (encounter.cell == cell && (first == nullptr || encounter.entry < first->entry))
            first = &encounter;
    }
    return first;
}

}  // namespace

char EncounterMark(int kind) {
    switch (kind) {
        case 1:
        case 7:
        case 12:
        case 13:
            return 'B';
        case 2:
        case 6:
            return 'T';
        case 3:
            return 'N';
        case 4:
            return 'X';
        case 5:
            return 'H';
        case 8:
        case 9:
            return 'Q';
        case 10:
            return 'U';
        case 11:
            return 'V';
        default:
            return '?';
    }
}

std::string PlanWithMarks(const BlockMap& map, const WorldTables& tables) {
    const auto marker = [&](int x, int y) {
        CellMarks marks;
        const int cell = y * map.width + x;
        if (const EncounterCell* encounter = FirstEncounterAt(tables, map.block, cell)) {
            marks.left = EncounterMark(encounter->kind);
        }
        for (const ArrivalPoint& arrival : tables.arrivals) {
            if (arrival.block == map.block && arrival.x == x && arrival.y == y) marks.right = kArrivalMark;
        }
        return marks;
    };
    std::ostringstream out;
    out << WriteMapText(map, marker);
    out << "; marks: B battle, T treasure, N note, X trap, Q quest object, U stairs up, V stairs down,\n"
        << ";        H town building, ? nothing happens, @ arrival point; '.' roofed, blank sky\n";
    for (const EncounterCell& encounter : tables.encounters[map.block]) {
        out << "; entry " << encounter.entry << ": cell " << encounter.cell << " ("
            << encounter.cell % map.width << ", " << encounter.cell / map.width << ") "
            << KindName(encounter.kind) << '\n';
    }
    for (const ArrivalPoint& arrival : tables.arrivals) {
        if (arrival.block != map.block) continue;
        out << "; arrival travelling "
            << (arrival.direction < 0 ? "any way" : std::string(1, kFacingNames[arrival.direction])) << ": ("
            << arrival.x << ", " << arrival.y << ") facing " << kFacingNames[arrival.facing] << '\n';
    }
    return out.str();
}

}  // namespace duskmoor::maps
