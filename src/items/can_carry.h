#pragma once
// Whether a character can take one more item.

namespace duskmoor {

struct Game;
struct GameState;

// Whether the character in `slot` can take one more `code`: a pack holds 24
// items (although `Pack` has 25 entries), and the load may not pass `MaxLoad`.
enum class CarryCheck { Fits, PackFull, Overloaded };
CarryCheck CheckCarry(const GameState& state, int code, int slot);
// The same, telling the player why not through the message dialog.
bool CanCarry(Game& game, int code, int slot);

}  // namespace duskmoor
