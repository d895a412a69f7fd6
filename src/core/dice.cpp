#include "core/dice.h"

#include "core/random.h"
#include "core/rounding.h"

namespace duskmoor {

int16_t RollDice(int16_t Count, int16_t sides) {
    int total = 0;
    // A die with no faces could never be rolled: the draw loop would not end.
    if (sides < 1) return 0;
    for (int roll = 0; roll < Count; ++roll) {
        long long r = 0;
        do {
            r = RoundHalfEven(Random().Next() * 100.0);
        } while (r < 1 || r > sides);
        total += static_cast<int>(r);
    }
    return static_cast<int16_t>(total);
}

}  // namespace duskmoor
