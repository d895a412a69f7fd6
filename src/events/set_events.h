#pragma once
// The set encounters that are not battles: treasure on the ground, notes,
// traps and unguarded quest objects.

namespace duskmoor {

struct Game;

// Carries out the pending encounter of entry `index` of the current block
// when it is a treasure, a note, a trap, a treasure with a note or a quest
// object (kinds 2, 3, 4, 6, 9), and marks the entry done when it is; false
// for any other kind.
bool HandleSetEvent(Game& game, int index);

}  // namespace duskmoor
