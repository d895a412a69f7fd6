#pragma once
// The look of the game's buttons: a face of weathered stone set in a bevelled
// bronze rim, with a pictogram and a caption in pale gold; and the two icons.
#include <cstdint>
#include <functional>
#include <string_view>

#include "raster.h"
#include "symbols.h"

namespace duskmoor::content {

// The stone-and-bronze plate every button is made of; `seed` varies the stone.
Raster ButtonPlate(int width, int height, uint32_t seed);
// Draws a pictogram on its transparent layer, inside the frame given.
using Pictogram = std::function<void(Raster& layer, const Frame& frame)>;
// Pictogram above a small caption: the command buttons of the main and camp screens.
Raster CommandButton(int width, int height, Symbol symbol, std::string_view caption, uint32_t seed);
Raster CommandButton(int width, int height, const Pictogram& pictogram, std::string_view caption,
                     uint32_t seed);
// A long menu button: a large caption, with the pictogram beside it when there is room.
Raster MenuButton(int width, int height, Symbol symbol, std::string_view caption, uint32_t seed);
// A button that is only a pictogram, as large as the plate allows.
Raster SymbolButton(int width, int height, Symbol symbol, uint32_t seed);

// The window icon: a crescent moon over a dark tower on the moor, in a round
// bronze frame, transparent outside.
Raster DuskIcon(int width, int height);
// The pointer shown while the player picks a character: an eye whose pupil is
// the hot spot, at the centre.
Raster ViewIcon(int width, int height);

}  // namespace duskmoor::content
