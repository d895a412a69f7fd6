#pragma once
// The map grid of the block the party is in: emptying it, reading a block's
// map file into it, and the block's name.
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

// Empties the map grid and its size; the position is not touched.
void ClearMap(GameState& state);
// Reads the map file of `block` into the grid. A block without a map, a file
// that is missing or unreadable, one whose size does not fit the grid, or one
// whose width is not the block's shows "Error loading map." and leaves the grid as it was (normally the
// empty map `ClearMap` left); returns whether the map was loaded.
bool LoadNewMap(Game& game, int block);
// The town map where every new game begins, with its own error text.
void LoadStartingMap(Game& game);
// The name announced on arrival in `CurrentBlock`; empty for Rizevoz, the
// North Caves, the Trog Camp and any number that is not a block.
std::string GetBlockName(const GameState& state);

}  // namespace duskmoor
