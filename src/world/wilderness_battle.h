#pragma once

namespace duskmoor {

struct Game;

// Wandering monsters fall on the party in the open or in its camp; a lost
// fight sets `PartyDefeated`.
void FightWanderingMonsters(Game& game);

}  // namespace duskmoor
