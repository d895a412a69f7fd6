#pragma once
// The battle's pictures: the foes in their stone niches, the vampire, the tomb
// a beaten group leaves, and the heap of coins on the treasure screen. Each is
// framed in the same bronze rim and stone as the game's buttons.
#include "raster.h"

namespace duskmoor::content {

// A horned brute with glowing eyes, crouched in a torch-lit niche.
Raster MonsterPortrait(int width, int height);
// Von Devever: pale face, high red-lined collar, black cloak, a blood moon behind.
Raster VampirePortrait(int width, int height);
// A cracked headstone under the night sky, grass at its foot.
Raster TombPortrait(int width, int height);
// Gold and silver coins heaped on the stone.
Raster TreasurePicture(int width, int height);

}  // namespace duskmoor::content
