#pragma once
// Wherever a fraction becomes a whole number the game rounds to the nearest
// integer, and an exact half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
#include <string>

namespace duskmoor {

long long RoundHalfEven(double value);

// Reads a whole decimal number the way a text box does: optional spaces, an
// optional sign, digits and an optional fraction, rounded half to even.
// Returns false for empty text, other characters, or a value out of range.
bool ParseRoundedNumber(const std::string& text, long long& out);
// The same number before rounding.
bool ParseNumber(const std::string& text, double& out);

}  // namespace duskmoor
