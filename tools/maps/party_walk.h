#pragma once
// The party's moves inside a block, as the main screen makes them: a quarter
// turn either way, or a step forward that only the own cell's side decides.
#include "block_map.h"

namespace duskmoor::maps {

struct PartyPlace {
    int x = 0;
    int y = 0;
    int facing = kNorth;

    bool operator==(const PartyPlace&) const = default;
};

void TurnLeft(PartyPlace& party);
void TurnRight(PartyPlace& party);
// False when the side faced is a wall or the map's edge (an edge door is an
// exit to another block, not a step).
bool StepForward(const BlockMap& map, PartyPlace& party);

}  // namespace duskmoor::maps
