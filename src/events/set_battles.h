#pragma once
// The fixed battles of the blocks: what they announce, and when their entry
// is done. A battle that ends badly (the party beaten or fled) leaves its
// entry pending, so it is met again.
#include <cstdint>

namespace duskmoor {

struct Game;
struct GameState;

// Carries out the battle kinds (1, 7, 8, 12, 13) of the pending encounter
// already filled for entry `index` of the current block; false for any other kind.
bool HandleSetBattle(Game& game, int index);
// The party was beaten or ran away.
bool BattleEndedBadly(const GameState& state);

}  // namespace duskmoor
