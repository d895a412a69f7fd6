#pragma once
// The overland map between the towns: grassland with a desert to the west,
// hills to the north and the troglodytes' barrens to the south, roads joining
// the four places, each drawn inside the rectangle where the game finds it.
#include "raster.h"

namespace duskmoor::content {

Raster WildernessPicture(int width, int height);

}  // namespace duskmoor::content
