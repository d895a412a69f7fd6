#pragma once

namespace duskmoor {

struct Game;
struct GameState;

// Empties the map grid.
void ClearMap(GameState& state);
// Loads the map of `CurrentBlock` from the Maps folder.
void LoadNewMap(Game& game);
// The town map where every new game begins.
void LoadStartingMap(Game& game);

}  // namespace duskmoor
