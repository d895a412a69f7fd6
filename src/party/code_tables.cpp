#include "party/code_tables.h"

#include <array>
#include <string_view>

#include "party/player.h"

namespace duskmoor {
namespace {

template <size_t N>
std::string Lookup(const std::array<std::string_view, N>& table, int16_t code) {
    if (code < 0 || static_cast<size_t>(code) >= N) return {};
    return std::string(table[code]);
}

constexpr std::array<std::string_view, 4> kClassNames = {"Fighter", "Magic-User", "Thief", "Cleric"};
constexpr std::array<std::string_view, 4> kRaceNames = {"Dwarf", "Elf", "Halfling", "Human"};
constexpr std::array<std::string_view, 2> kGenderNames = {"Male", "Female"};
constexpr std::array<std::string_view, 9> kAlignmentNames = {
    "Lawful Good",  "Lawful Neutral", "Lawful Evil",     "Neutral Good", "True Neutral",
    "Neutral Evil", "Chaotic Good",   "Chaotic Neutral", "Chaotic Evil"};

}  // namespace

std::string ClassNameOf(int16_t code) {
    return Lookup(kClassNames, code);
}
std::string RaceNameOf(int16_t code) {
    return Lookup(kRaceNames, code);
}
std::string GenderNameOf(int16_t code) {
    return Lookup(kGenderNames, code);
}
std::string AlignmentNameOf(int16_t code) {
    return Lookup(kAlignmentNames, code);
}

std::string StatusNameOf(int16_t status_bits) {
    if (status_bits & status::Dead) return "Dead";
    if (status_bits & status::Unconscious) return "Unconcious";
    if (status_bits & status::Poisoned) return "Poisoned";
    if (status_bits & status::Cursed) return "Cursed";
    if (status_bits & status::Ok) return "Ok";
    return {};
}

}  // namespace duskmoor
