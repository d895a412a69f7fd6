#include "town/trade.h"

#include "items/can_carry.h"
#include "items/item_catalogue.h"
#include "items/pack.h"
#include "shell/game_state.h"

namespace duskmoor {

MoveResult MoveItem(GameState& state, int receiver) {
    const int giver = state.SelectedPlayer - 1;
    const int members = state.NumPlayers;
    if (giver < 0 || giver >= members || giver > 3 || receiver < 0 || receiver >= members || receiver > 3)
        return MoveResult::NothingToGive;
    PLAYER& from = state.Party[giver];
    // The entry must still hold the item the pack screen chose.
    if (state.TradeSlot < 0 || state.TradeSlot >= from.PackCount ||
        from.Pack[state.TradeSlot] != state.TradeItem)
        return MoveResult::NothingToGive;
    if (CheckCarry(state, state.TradeItem, receiver) != CarryCheck::Fits) return MoveResult::CannotCarry;
    RemovePackEntry(from, static_cast<int>(state.TradeSlot));
    AppendToPack(state.Party[receiver], state.TradeItem);
    return MoveResult::Moved;
}

}  // namespace duskmoor
