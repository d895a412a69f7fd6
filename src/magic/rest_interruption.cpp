#include "magic/rest_interruption.h"

#include "events/random_encounters.h"
#include "magic/rest.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/new_game.h"

namespace duskmoor {
namespace {

// The monsters came and were met, whether the party beat them, fled or
// fell: one fewer band roams the block.
void UseUpWanderingBand(GameState& state) {
    if (IsSet(state.InWilderness)) return;
    if (state.CurrentBlock < 0 || state.CurrentBlock >= kEncounterBlocks) return;
    int16_t& left = state.Encounters[state.CurrentBlock].RandomLeft;
    if (left > 0) --left;
}

}  // namespace

bool BreakCamp(Game& game) {
    GameState& state = game.state;
    if (CheckPartyDeath(game)) return true;
    if (state.RestState != rest_state::Interrupted) return false;
    ShowDialog(game, "Your rest has been interrupted!");
    if (game.view) game.view->RefreshPartyPanel();
    HandleRandom(game);
    state.RestState = rest_state::NotDone;
    UseUpWanderingBand(state);
    return IsSet(state.PartyDefeated);
}

}  // namespace duskmoor
