#include "world/wilderness_battle.h"

#include "events/random_encounters.h"
#include "shell/game.h"

namespace duskmoor {

void FightWanderingMonsters(Game& game) {
    HandleRandom(game);
}

}  // namespace duskmoor
