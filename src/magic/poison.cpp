#include "magic/poison.h"

namespace duskmoor {

// Poison damage while walking arrives with the rest and camp rules; until
// then a poisoned character only shows the status.
void PoisonWalkTick(Game& /*game*/) {}

}  // namespace duskmoor
