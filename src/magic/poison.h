#pragma once

namespace duskmoor {

struct Game;

// Every ten game minutes of walking, poison costs each poisoned character
// still on its feet one hit point.
void PoisonWalkTick(Game& game);

}  // namespace duskmoor
