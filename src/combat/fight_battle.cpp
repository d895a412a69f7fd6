#include "combat/fight_battle.h"

#include "shell/game.h"

namespace duskmoor {

// STAND-IN until the battle screen exists: the party slips away before any
// blow is struck, so every caller sees a fled battle and leaves its encounter
// pending. The battle code replaces this body.
void FightBattle(Game& game) {
    constexpr int16_t kFled = 7;
    game.state.BattleOutcome = kFled;
}

}  // namespace duskmoor
