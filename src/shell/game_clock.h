#pragma once
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;

// One step of the party: two steps make a game minute, and every minute the
// poison in a walking character's blood works.
void AdvanceClock(Game& game);
// The clock read-out: "13 : 05" is written "13 : 05", "13 : 10" as "13 : 10".
std::string ClockLabel(int16_t hour, int16_t minute);

}  // namespace duskmoor
