#include "magic/poison.h"

#include "core/codepage.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {

void PoisonWalkTick(Game& game) {
    GameState& state = game.state;
    if (++state.PoisonWalkCounter < 10) return;
    state.PoisonWalkCounter = 0;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& character = state.Party[slot];
        if (!(character.Status & status::Poisoned) || character.HP <= 0) continue;
        character.HP = static_cast<int16_t>(character.HP - 1);
        const std::string name = Cp1252ToUtf8(character.Name);
        if (character.HP > 0) {
            ShowDialog(game, name + " takes one hit point of poison damage.");
        } else {
            if (!(character.Status & status::Unconscious)) {
                character.Status =
                    static_cast<int16_t>((character.Status | status::Unconscious) & ~status::Ok);
            }
            ShowDialog(game, name + " takes poison damage and is unconcious.");
        }
        if (game.view) game.view->RefreshPartyPanel();
    }
}

}  // namespace duskmoor
