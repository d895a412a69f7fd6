#include "items/can_carry.h"

#include "core/codepage.h"
#include "items/item_catalogue.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {

bool CanCarry(Game& game, int code, int slot) {
    const PLAYER& character = game.state.Party[slot];
    constexpr int kPackRoom = 24;
    const std::string name = Cp1252ToUtf8(character.Name);
    if (character.PackCount >= kPackRoom) {
        ShowDialog(game, "No room in " + name + "'s pack.");
        return false;
    }
    if (static_cast<int>(character.Load) + ItemWeight(code) > character.MaxLoad) {
        ShowDialog(game, name + " is overloaded.");
        return false;
    }
    return true;
}

}  // namespace duskmoor
