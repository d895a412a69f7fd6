#pragma once
// The town's own rules: every building is entered from a street through a
// door and left the same way; the inn has its back room; the transport office
// stands by the wagon's stop; a new game starts on a street under the sky.
#include <vector>

#include "map_checker.h"

namespace duskmoor::maps {

constexpr int kTownBlock = 0;
constexpr int kInnEntry = 0;
constexpr int kTransportEntry = 14;
// Where every new game places the party: (4, 10), facing west towards the council.
constexpr int kStartX = 4;
constexpr int kStartY = 10;

// `reachable`: the cells the party can walk to from the town's arrival points.
void CheckTown(const BlockMap& map, const WorldTables& tables, const std::vector<bool>& reachable,
               std::vector<Violation>& violations);

}  // namespace duskmoor::maps
