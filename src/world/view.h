#pragma once

namespace duskmoor {

struct Game;
class Canvas;

// Draws what the party sees from its cell into the view area.
void UpdateGraphics(Game& game, Canvas& view);

}  // namespace duskmoor
