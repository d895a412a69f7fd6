#include "items/can_carry.h"

#include <string>

#include "core/codepage.h"
#include "items/item_catalogue.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {

CarryCheck CheckCarry(const GameState& state, int code, int slot) {
    const PLAYER& character = state.Party[slot];
    constexpr int kPackRoom = 24;
    if (character.PackCount >= kPackRoom) return CarryCheck::PackFull;
    if (static_cast<int>(character.Load) + ItemWeight(code) > character.MaxLoad)
        return CarryCheck::Overloaded;
    return CarryCheck::Fits;
}

bool CanCarry(Game& game, int code, int slot) {
    const std::string name = Cp1252ToUtf8(game.state.Party[slot].Name);
    switch (CheckCarry(game.state, code, slot)) {
        case CarryCheck::PackFull:
            ShowDialog(game, "No room in " + name + "'s pack.");
            return false;
        case CarryCheck::Overloaded:
            ShowDialog(game, name + " is overloaded.");
            return false;
        case CarryCheck::Fits:
            break;
    }
    return true;
}

}  // namespace duskmoor
