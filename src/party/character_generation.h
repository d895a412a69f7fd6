#pragma once
// The rules of making a new character: what a finished bio needs, how old
// each race may be, and how abilities and hit points are rolled.
#include <array>
#include <cstdint>
#include <string>

#include "party/player.h"

namespace duskmoor {

// The six abilities in the order the generator rolls and shows them.
enum class Ability { Strength, Intelligence, Wisdom, Dexterity, Constitution, Charisma };
constexpr int kAbilityCount = 6;

// Every race comes of age at 18.
constexpr int16_t kMinimumAge = 18;
// The oldest a new character of the race may be (dwarves 275, elves 1000,
// halflings 100, humans 60); 0 for a code outside the table.
int16_t MaximumAge(int16_t race);
// The die of a class's hit points: fighters d8, magic-users and thieves d4,
// clerics d6; 0 for a code outside the table.
int16_t HitDie(int16_t class_code);

// A number as the age box takes it: optional spaces, an optional sign, digits
// with an optional fraction. Any size counts; whether it fits is asked later.
bool IsNumberText(const std::string& text);
// A bio is complete with a name and an age that is a number.
bool IsBioComplete(const std::string& name, const std::string& age);

enum class AgeVerdict { Fine, TooYoung, TooOld, DoesNotFit };
// Checks the age text (a number) against the race. An age that cannot be held
// by a 16-bit integer does not fit and cancels the whole command.
AgeVerdict CheckAge(const std::string& age, int16_t race);
// What the player is told for TooYoung and TooOld; empty otherwise.
std::string AgeMessage(AgeVerdict verdict, int16_t race);

// One ability score: draws until the rounded draw lies in 7..18, so every
// score is equally likely.
int16_t RollAbility();
std::array<int16_t, kAbilityCount> RollAbilities();
// One die of the class's hit die, drawn as every die of the game is.
int16_t RollHitPoints(int16_t hit_die);

// What the generator's boxes, lists and labels hold when the player accepts.
struct GeneratorChoices {
    std::string name;  // UTF-8, as typed
    std::string age;
    int16_t class_code = 0;
    int16_t race = 0;
    int16_t gender = 0;
    int16_t alignment = 0;
    std::array<std::string, kAbilityCount> abilities{"0", "0", "0", "0", "0", "0"};
    std::string hit_points = "0";
};

// The new level-1 character; false when a value cannot be stored as a 16-bit
// number (the command is then cancelled).
bool BuildCharacter(const GeneratorChoices& choices, PLAYER& character);

}  // namespace duskmoor
