#include "events/set_encounters.h"

#include "shell/game_state.h"

namespace duskmoor {

// The blocks' encounters arrive with the world; until then every block is
// quiet: no set encounter and no random one.
void SetEncounters(GameState& state) {
    for (BlockEncounters& block : state.Encounters) {
        block.Cell.fill(-1);
        block.Pending.fill(False);
        block.RandomLeft = 0;
    }
}

}  // namespace duskmoor
