#pragma once

namespace duskmoor {

struct Game;

// Every game minute of walking, poison works on the characters who carry it.
void PoisonWalkTick(Game& game);

}  // namespace duskmoor
