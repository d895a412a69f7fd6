#pragma once
// Handing an item from one character's pack to another's.
#include <cstdint>

namespace duskmoor {

struct GameState;

namespace trade {
constexpr int16_t GiveItem = 50, PickSpellTarget = 51;
}

enum class MoveResult { Moved, CannotCarry, NothingToGive };
// Moves `TradeItem` from slot `TradeSlot` of the giver's pack (`SelectedPlayer`)
// to the end of `receiver`'s pack; the giver may be the receiver. Refused when
// the receiver has no room or could not carry the weight.
MoveResult MoveItem(GameState& state, int receiver);

}  // namespace duskmoor
