#pragma once

namespace duskmoor {

struct Game;

// Fights the battle whose groups wait in `EncounterGroups` and leaves the
// outcome in `BattleOutcome` (1 won, 2 defeated, 7 fled).
void FightBattle(Game& game);

}  // namespace duskmoor
