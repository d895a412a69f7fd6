#pragma once
// The party on the grid: a quarter turn left or right, or one step forward.
// There is no step back and no sidestep.
namespace duskmoor {

struct Game;

namespace move {
constexpr int Forward = 1, Right = 2, Left = 3;
}  // namespace move

// Steps forward or turns; true when the party moved or turned, false when a
// wall refused the step (or for any other `direction`). The coordinate and
// direction read-outs are rewritten in every case.
bool UpdateCoords(Game& game, int direction);

// The turn buttons and keys: `move::Left` or `move::Right`. No time passes
// and nothing is met.
void TurnCommand(Game& game, int direction);
// The forward button and key: a step (with the clock and the death check),
// or the block change of an edge door, then whatever waits on the cell.
void ForwardCommand(Game& game);

}  // namespace duskmoor
