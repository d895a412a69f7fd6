#pragma once
// Finding the way through a block: the party steps only through sides of its
// own cell that have no wall or have a door, so the search reads each cell's
// own sides, as the movement rules do.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/game_state.h"

namespace duskmoor::bot {

enum class Move { Left, Right, Forward };

struct Place {
    int x = 0, y = 0, facing = 0;
};

// Whether a step from the cell in the direction stays on the map and passes its side.
bool CanStep(const GameState& map, int cell, int direction);
// The cell a step leads to (no checks).
int NeighbourCell(const GameState& map, int cell, int direction);
// Whether the side of an edge cell holds a door that leads off the map.
bool EdgeDoor(const GameState& map, int cell, int direction);

// Turns that make `from` face `to` (the shorter way round).
std::vector<Move> TurnsToFace(int from, int to);

// A step onto a cell to avoid costs this many steps.
constexpr int kAvoidCost = 100;

// The cheapest walk from `start` to a cell for which `goal` holds, where a
// step onto a cell of `avoid` (that is not the goal) costs `kAvoidCost` more
// than a step; when `face` is 0..3 the walk ends facing that way. False when there is no way.
bool FindWalk(const GameState& map, const Place& start, const std::function<bool(int)>& goal,
              const std::set<int>& avoid, int face, std::vector<Move>& walk);

}  // namespace duskmoor::bot
