#include "party/character_generation.h"

#include <cctype>

#include "core/codepage.h"
#include "core/dice.h"
#include "core/int16.h"
#include "core/random.h"
#include "core/rounding.h"

namespace duskmoor {
namespace {

constexpr int16_t kMaximumAges[4] = {275, 1000, 100, 60};
constexpr int16_t kHitDice[4] = {8, 4, 4, 6};
constexpr int16_t kLowestAbility = 7;
constexpr int16_t kHighestAbility = 18;
constexpr int16_t kNewCharacterToHit = 19;

// A box's text as a whole 16-bit number, rounded half to even.
bool ToInt16(const std::string& text, int16_t& out) {
    long long value = 0;
    if (!ParseRoundedNumber(text, value) || !FitsInt16(value)) return false;
    out = static_cast<int16_t>(value);
    return true;
}

}  // namespace

int16_t MaximumAge(int16_t race) {
    return race >= 0 && race < 4 ? kMaximumAges[race] : 0;
}

int16_t HitDie(int16_t class_code) {
    return class_code >= 0 && class_code < 4 ? kHitDice[class_code] : 0;
}

bool IsNumberText(const std::string& text) {
    size_t position = text.find_first_not_of(' ');
    const size_t end = text.find_last_not_of(' ');
    if (position == std::string::npos) return false;
    if (text[position] == '+' || text[position] == '-') ++position;
    int digits = 0;
    bool fraction = false;
    for (; position <= end; ++position) {
        const char c = text[position];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            ++digits;
        } else if (c == '.' && !fraction) {
            fraction = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

bool IsBioComplete(const std::string& name, const std::string& age) {
    return !name.empty() && IsNumberText(age);
}

AgeVerdict CheckAge(const std::string& age, int16_t race) {
    // The limits hold for the number as typed: 17.5 is still too young.
    double years = 0;
    if (!ParseNumber(age, years)) return AgeVerdict::DoesNotFit;
    if (years < kMinimumAge) return AgeVerdict::TooYoung;
    if (years > MaximumAge(race)) return AgeVerdict::TooOld;
    int16_t stored = 0;
    if (!ToInt16(age, stored)) return AgeVerdict::DoesNotFit;
    return AgeVerdict::Fine;
}

std::string AgeMessage(AgeVerdict verdict, int16_t race) {
    switch (verdict) {
        case AgeVerdict::TooYoung:
            return "Player must be at least " + std::to_string(kMinimumAge) + " years old.";
        case AgeVerdict::TooOld:
            return "Maximum reasonable age for this race is " + std::to_string(MaximumAge(race)) + ".";
        case AgeVerdict::Fine:
        case AgeVerdict::DoesNotFit:
            break;
    }
    return {};
}

int16_t RollAbility() {
    long long score = 0;
    do {
        score = RoundHalfEven(Random().Next() * 100.0);
    } while (score < kLowestAbility || score > kHighestAbility);
    return static_cast<int16_t>(score);
}

std::array<int16_t, kAbilityCount> RollAbilities() {
    std::array<int16_t, kAbilityCount> scores{};
    for (int16_t& score : scores) score = RollAbility();
    return scores;
}

int16_t RollHitPoints(int16_t hit_die) {
    return RollDice(1, hit_die);
}

bool BuildCharacter(const GeneratorChoices& choices, PLAYER& character) {
    PLAYER built;
    built.Name = Utf8ToCp1252(choices.name);
    std::array<int16_t, kAbilityCount> scores{};
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        if (!ToInt16(choices.abilities[ability], scores[ability])) return false;
    }
    if (!ToInt16(choices.age, built.Age) || !ToInt16(choices.hit_points, built.HP)) return false;
    built.MaxHP = built.HP;
    built.Class = choices.class_code;
    built.Race = choices.race;
    built.Gender = choices.gender;
    built.Alignment = choices.alignment;
    built.Strength = scores[static_cast<int>(Ability::Strength)];
    built.Intelligence = scores[static_cast<int>(Ability::Intelligence)];
    built.Wisdom = scores[static_cast<int>(Ability::Wisdom)];
    built.Dexterity = scores[static_cast<int>(Ability::Dexterity)];
    built.Constitution = scores[static_cast<int>(Ability::Constitution)];
    built.Charisma = scores[static_cast<int>(Ability::Charisma)];
    built.ToHit = kNewCharacterToHit;
    built.AC = 9;
    built.Level = 1;
    built.Status = status::Ok;
    built.Active = True;
    built.MaxLoad = kMaxLoad;
    character = built;
    return true;
}

}  // namespace duskmoor
