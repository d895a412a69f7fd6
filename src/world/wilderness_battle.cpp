#include "world/wilderness_battle.h"

#include "combat/fight_battle.h"
#include "shell/game.h"

namespace duskmoor {

void FightWanderingMonsters(Game& game) {
    constexpr int16_t kDefeated = 2;
    FightBattle(game);
    if (game.state.BattleOutcome == kDefeated) game.state.PartyDefeated = True;
}

}  // namespace duskmoor
