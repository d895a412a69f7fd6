#pragma once
// Going from one block to another: through a door in the map's edge, by the
// stairs, or into a town from the wilderness (or by the town's wagon).
#include "events/encounter_kinds.h"

namespace duskmoor {

struct Game;

// A staircase is the set encounter that takes the party up or down a level.
namespace stairs {
constexpr int Up = encounter_kind::StairsUp, Down = encounter_kind::StairsDown;
}  // namespace stairs

// Places the party at `block`'s arrival point for travel in `direction` and
// makes `block` the current one. Some arrival points depend on the row the
// party leaves from or on the wagon; a pair without an arrival point leaves
// the position as it is.
void LoadStartCoords(Game& game, int block, int direction);
// The party walked into a door in the edge of `block` while facing
// `direction`: the next block, the wilderness, or the wagon home. Always
// ends with the bell and the name of the block the party is then in, except
// when the party was beaten on its way out of Verezeve.
void ChangeBlock(Game& game, int block, int direction);
// Enters the town of `TownSite` and rings the bell.
void SetTown(Game& game);
// The staircase on the party's cell: `stairs::Up` or `stairs::Down`.
void StairsToLevel(Game& game, int stairs);

}  // namespace duskmoor
