#pragma once
// Whether a character can take one more item.

namespace duskmoor {

struct Game;

// Whether the character in `slot` can take one more `code`: refuses a full pack
// (24 items, although `Pack` has 25 entries) and a load beyond `MaxLoad`, and
// tells the player why through the message dialog.
bool CanCarry(Game& game, int code, int slot);

}  // namespace duskmoor
