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

    bool operator==(const Monster&) const = default;

    // Every field by name, in order, for `VisitFields`.
    template <typename Visitor, typename... Self>
    static void FieldsOf(Visitor& visit, Self&... monster) {
        visit.Field("MonsterType", monster.MonsterType...);
        visit.Field("HitPoints", monster.HitPoints...);
        visit.Field("ArmorClass", monster.ArmorClass...);
        visit.Field("ToHitBase", monster.ToHitBase...);
        visit.Field("NumAttacks", monster.NumAttacks...);
        visit.Field("AttackDie", monster.AttackDie...);
        visit.Field("SpecialAttack", monster.SpecialAttack...);
        visit.Field("GoldCarried", monster.GoldCarried...);
        visit.Field("SilverCarried", monster.SilverCarried...);
        visit.Field("CopperCarried", monster.CopperCarried...);
        visit.Field("MonsterStatus", monster.MonsterStatus...);
        visit.Field("WeaponCarried", monster.WeaponCarried...);
        visit.Field("ArmorKit", monster.ArmorKit...);
        visit.Field("CarriedItems", monster.CarriedItems...);
        visit.Field("ExperienceValue", monster.ExperienceValue...);
        visit.Field("SleepRounds", monster.SleepRounds...);
    }
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
