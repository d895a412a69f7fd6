#pragma once
// Changes to who is in the party and in what order. Outside the party-order
// screen slot s always holds the character at marching position s + 1, the
// slots in play are active and the rest are not.
#include <string>

namespace duskmoor {

struct GameState;

// Takes the character in `slot` out of the party: later characters move down
// a slot and a place in the marching order, the vacated last slot is emptied,
// and there is one character fewer. The last character leaves an empty party.
void RemoveFromParty(GameState& state, int slot);

// The slot of the character in play at marching position `position`, or -1.
int SlotAtPosition(const GameState& state, int position);

// A marching position as typed into a box: a number from 1 to 4, or 0 when
// the text is empty, not a number or out of range.
int TypedPosition(const std::string& text);

enum class SwapResult { Swapped, Ignored, NobodyThere };
// Exchanges the marching positions typed in two boxes. Empty, non-numeric,
// out-of-range or equal entries are ignored; a position no character holds
// is refused with nothing changed.
SwapResult SwapPositions(GameState& state, const std::string& first, const std::string& second);

// Puts the characters back into slots by marching position: slot s holds the
// character at position s + 1.
void SortSlotsByPosition(GameState& state);

}  // namespace duskmoor
