#pragma once
// A block's plan for reading: the source format with every set encounter and
// arrival point marked in its cell, and a legend of what each mark stands for.
#include <string>

#include "map_checker.h"

namespace duskmoor::maps {

// The mark of an encounter kind: B battle, T treasure, N note, X trap,
// Q quest object, U stairs up, V stairs down, H town building.
char EncounterMark(int kind);

std::string PlanWithMarks(const BlockMap& map, const WorldTables& tables);

}  // namespace duskmoor::maps
