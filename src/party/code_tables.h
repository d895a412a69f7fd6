#pragma once
// Display names of the character codes. A code outside its table has no name.
#include <cstdint>
#include <string>

namespace duskmoor {

struct PLAYER;

std::string ClassNameOf(int16_t code);
std::string RaceNameOf(int16_t code);
std::string GenderNameOf(int16_t code);
std::string AlignmentNameOf(int16_t code);
// The most serious condition wins: dead, unconscious, poisoned, cursed, ok.
std::string StatusNameOf(int16_t status_bits);

}  // namespace duskmoor
