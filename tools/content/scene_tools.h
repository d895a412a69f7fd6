#pragma once
// Helpers of the larger scene pictures (the camp, the overland map): the same
// scattered stars, tufts and sparks on every build, and fills that visit only
// the pixels near a small shape.
#include <cstdint>

#include "raster.h"

namespace duskmoor::content {

struct Scatter {
    uint32_t state;
    // The next value in [0, 1).
    double Next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
};

// Fills a shape that lies within `reach` of `centre`.
inline void FillNear(Raster& picture, const Shape& shape, const Paint& paint, Point centre, double reach) {
    picture.FillWithin(shape, paint, centre.x - reach, centre.y - reach, centre.x + reach + 1,
                       centre.y + reach + 1);
}

}  // namespace duskmoor::content
