#pragma once
// Handing out a treasure: coins by amounts typed for one member at a time,
// special items one by one. The rules say what happened; the treasure screen
// tells the player.
#include <array>
#include <string>

namespace duskmoor {

struct GameState;

enum class TakeResult {
    Taken,
    NothingThere,   // the slot is empty
    PackFull,       // 23 items already: "Not enough room in ...'s pack."
    Overloaded,     // "... is overloaded."
    AmountRefused,  // a box asks for more than is on offer, or for no sensible amount
};

// The number a take box holds: its leading numeric part, 0 if none.
double LeadingNumber(const std::string& text);

// Member `member` takes special item `slot` (0..3) of the treasure.
TakeResult TakeTreasureItem(GameState& state, int member, int slot);

// Member `member` takes the amount typed in box `coin` (0 gold, 1 silver,
// 2 copper). The three boxes are checked first, in that order; a box that
// asks for more than is on offer, or for a negative amount or one beyond 16
// bits, is named in `refused_box` and nothing else happens.
struct CoinTake {
    TakeResult result = TakeResult::Taken;
    int refused_box = -1;
};
CoinTake TakeTreasureCoins(GameState& state, int member, int coin, const std::array<std::string, 3>& boxes);

// The coins still on offer of kind `coin`.
int32_t& OfferOf(GameState& state, int coin);

// The question asked on Done when something is left, empty when nothing is.
std::string LeftoverQuestion(const GameState& state);

}  // namespace duskmoor
