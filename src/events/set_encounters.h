#pragma once

namespace duskmoor {

struct GameState;

// Fills the set-encounter table of every block with its cells, pending flags
// and random allowances.
void SetEncounters(GameState& state);

}  // namespace duskmoor
