#pragma once
#include <array>
#include <cstdint>

namespace duskmoor {

// One monster of the battle roster.
struct Monster {
    int16_t MonsterType = 0;
    int16_t HitPoints = 0;
    int16_t ArmorClass = 0;
    int16_t ToHitBase = 0;
    int16_t NumAttacks = 0;
    int16_t AttackDie = 0;
    int16_t SpecialAttack = 0;
    int32_t GoldCarried = 0;
    int32_t SilverCarried = 0;
    int32_t CopperCarried = 0;
    int16_t MonsterStatus = 0;
    int16_t WeaponCarried = 0;
    int16_t ArmorKit = 0;
    std::array<int16_t, 11> CarriedItems{};
    int32_t ExperienceValue = 0;
    int16_t SleepRounds = 0;
};

// Monster status bits. A dead monster carries exactly 256, nothing else.
namespace monster_status {
constexpr int16_t Active = 1;
constexpr int16_t Asleep = 8;
constexpr int16_t Turned = 32;
constexpr int16_t Dead = 256;
}  // namespace monster_status

constexpr int kRosterSize = 41;

}  // namespace duskmoor
