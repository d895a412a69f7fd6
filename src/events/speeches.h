#pragma once

namespace duskmoor {

struct Game;

// The king's welcome at the start of a new game.
void ShowKingSpeech(Game& game);

}  // namespace duskmoor
