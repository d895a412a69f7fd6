#pragma once
// The town's pictures: a sign for each building over the greeting of the
// building screen, and the three coins of the bank.
#include <functional>
#include <vector>

#include "raster.h"

namespace duskmoor::content {

struct TownPicture {
    const char* name;
    std::function<Raster()> draw;
    bool with_alpha;
};

std::vector<TownPicture> TownPictures();

}  // namespace duskmoor::content
