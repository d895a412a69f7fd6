#pragma once
// What a guarded quest object leads to once its guards are beaten.
#include <cstdint>

namespace duskmoor {

struct Game;

// Shows quest object `object` and offers it to the party; false when nobody
// took it, so the encounter comes again.
bool RevealQuestObject(Game& game, int16_t object);

}  // namespace duskmoor
