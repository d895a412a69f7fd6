#pragma once
// The camp's picture: a small fire under the night sky, logs and stones
// around it, the light falling on the ground and the trees behind.
#include <cstdint>

#include "raster.h"

namespace duskmoor::content {

Raster CampFirePicture(int width, int height);

}  // namespace duskmoor::content
