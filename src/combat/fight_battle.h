#pragma once
// Handing a battle to the battle screen and settling what follows it: the
// experience shared by those still standing, the coins for the treasure
// screen, and the waking of the fallen.
#include <cstdint>

namespace duskmoor {

struct Game;
struct GameState;

// Fights the groups already written into `EncounterGroups`; `BattleOutcome`
// tells how it ended (1 won, 2 defeated, 7 fled, 0 left by "ExiT").
void FightBattle(Game& game);
// Opens the battle screen and settles the outcome.
void Battle(Game& game);

// What each member able to fight gets of the roster's experience (rounded
// half to even); 0 when nobody is.
int32_t ExperienceShare(const GameState& state);
// Adds the share to the able members and tells the party.
void GiveExpPoints(Game& game);
// Sums the roster's coins into the treasure and opens the treasure screen.
void GetBattleTreasure(Game& game);
// The roster's coins become the treasure on offer, with no special items.
void CollectBattleCoins(GameState& state);
// After a battle the unconscious come round with 1 hit point.
void WakeTheFallen(GameState& state);

}  // namespace duskmoor
