#pragma once
// Traps on the ruins' cells: a thief may find and disarm one; otherwise it
// springs and hurts everyone still standing.
#include <cstdint>

namespace duskmoor {

struct Game;

namespace trap_kind {
constexpr int16_t Spikes = 1, Pit = 2, Arrows = 3;
}  // namespace trap_kind

// A thief's chance in percent of finding a trap, by level: 10 at level 1 up to
// 35 at level 6; none at any other level.
int16_t TrapDetectChance(int16_t level);

// Springs or disarms the trap of `TrapKind`. True when afterwards nobody in the
// party has hit points left (never when a thief disarmed it).
bool HandleTrap(Game& game);

}  // namespace duskmoor
