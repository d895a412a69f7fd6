#pragma once
// The hand-drawn capitals that label the game's buttons: 5 by 7 pixels, drawn
// at a whole-number scale so that every stroke stays crisp.
#include <string_view>

#include "raster.h"

namespace duskmoor::content {

constexpr int kGlyphHeight = 7;

// Width in pixels of the text at the scale with `spacing` pixels between letters.
int TextWidth(std::string_view text, int scale, int spacing);
// Draws the text with its top-left corner at (x, y). Letters it does not know are skipped.
void DrawText(Raster& layer, int x, int y, std::string_view text, int scale, int spacing, const Paint& paint);

}  // namespace duskmoor::content
