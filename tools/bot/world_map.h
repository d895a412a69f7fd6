#pragma once
// The bot's notes on how the blocks join: the edge doors between them and the
// staircases, as a player would draw them on paper.
#include <vector>

namespace duskmoor::bot {

struct Crossing {
    int from_block = 0;
    int to_block = 0;
    int direction = -1;    // an edge door faced this way, or -1
    int stairs_cell = -1;  // the staircase's cell in `from_block`, or -1
};

// Every way on foot from one block to another.
const std::vector<Crossing>& Crossings();
// The blocks to pass from `from` to `to`, both included; empty when there is no way on foot.
std::vector<int> BlockPath(int from, int to);
// The crossing from one block to a neighbour, or null.
const Crossing* CrossingBetween(int from, int to);

}  // namespace duskmoor::bot
