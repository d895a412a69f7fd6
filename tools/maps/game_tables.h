#pragma once
// The world's tables as the game declares them, gathered for the checker.
#include "map_checker.h"

namespace duskmoor::maps {

WorldTables GameWorldTables();

}  // namespace duskmoor::maps
