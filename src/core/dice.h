#pragma once
#include <cstdint>

namespace duskmoor {

// The sum of `Count` rolls of a die with `sides` sides. Each roll draws a
// uniform value times 100, rounds it half to even and draws again until it
// lies in 1..sides, so a die of more than 100 sides never rolls above 100.
int16_t RollDice(int16_t Count, int16_t sides);

}  // namespace duskmoor
