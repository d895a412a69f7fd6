#include "party_walk.h"

namespace duskmoor::maps {

void TurnLeft(PartyPlace& party) {
    party.facing = (party.facing + 3) % 4;
}

void TurnRight(PartyPlace& party) {
    party.facing = (party.facing + 1) % 4;
}

bool StepForward(const BlockMap& map, PartyPlace& party) {
    if (!map.Inside(party.x, party.y)) return false;
    const int next_x = party.x + kStepX[party.facing];
    const int next_y = party.y + kStepY[party.facing];
    if (!map.Inside(next_x, next_y) || !Passable(map.At(party.x, party.y), party.facing)) return false;
    party.x = next_x;
    party.y = next_y;
    return true;
}

}  // namespace duskmoor::maps
