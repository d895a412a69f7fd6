#pragma once

namespace duskmoor {

struct Game;

// What waits on the party's cell in `block` after a forward command: the
// first pending set encounter there, or perhaps a random one.
void CheckEncounter(Game& game, int block);

}  // namespace duskmoor
