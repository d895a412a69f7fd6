#pragma once
// The pictograms on the game's buttons. Each is designed on a 24 by 24 grid and
// drawn into any square of the picture, on a transparent layer.
#include <vector>

#include "raster.h"

namespace duskmoor::content {

enum class Symbol {
    None,
    Tent,
    Book,
    Star,
    Die,
    Chest,
    Crown,
    Magnifier,
    Portrait,
    ArrowUp,
    ArrowTurnLeft,
    ArrowTurnRight,
    Sparkle,
    Scroll,
    SpeakerOn,
    SpeakerOff,
    Door,
    Shield,
    Moon,
    Party,
    Check,
};

// Where the 24 by 24 design grid lands in the picture; mirrored pictures are
// flipped left to right.
struct Frame {
    double left = 0;
    double top = 0;
    double size = 24;
    bool mirrored = false;

    Point At(double u, double v) const;
    double Length(double units) const { return units * size / 24.0; }
    std::vector<Point> Map(const std::vector<Point>& design) const;
};

void DrawSymbol(Raster& layer, Symbol symbol, const Frame& frame);

}  // namespace duskmoor::content
