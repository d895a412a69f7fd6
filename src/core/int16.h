#pragma once
// The game counts in 16-bit signed integers and 32-bit signed longs, with flags
// stored as 16-bit integers where True is -1 and False is 0.
#include <cstdint>

namespace duskmoor {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

inline constexpr int16_t Flag(bool value) {
    return value ? True : False;
}
inline constexpr bool IsSet(int16_t flag) {
    return flag != 0;
}

// Whether a wider result fits the 16-bit range.
inline constexpr bool FitsInt16(long long value) {
    return value >= INT16_MIN && value <= INT16_MAX;
}

}  // namespace duskmoor
