#pragma once
// The character record. Its fields, in this order, are also the layout of a
// character file and of each party slot in a saved game.
#include <array>
#include <cstdint>
#include <string>

namespace duskmoor {

struct PLAYER {
    std::string Name;  // Windows-1252, as stored in files
    int16_t Class = 0;
    int16_t Race = 0;
    int16_t Gender = 0;
    int16_t Age = 0;
    int16_t Alignment = 0;
    int16_t Weapon = 0;
    std::array<int16_t, 25> Pack{};
    int16_t PackCount = 0;
    int16_t ToHit = 0;
    int16_t Armor = 0;
    int32_t Experience = 0;
    int16_t MaxHP = 0;
    int16_t HP = 0;
    int16_t AC = 0;
    int32_t Gold = 0;
    int32_t Silver = 0;
    int32_t Copper = 0;
    int16_t Load = 0;
    int16_t MaxLoad = 0;
    int16_t Position = 0;
    int16_t Status = 0;
    int16_t Level = 0;
    int16_t Strength = 0;
    int16_t Wisdom = 0;
    int16_t Intelligence = 0;
    int16_t Dexterity = 0;
    int16_t Constitution = 0;
    int16_t Charisma = 0;
    int16_t Active = 0;
    std::array<int16_t, 5> Reserved{};
    int16_t BattleCommand = 0;
    int16_t BattleTarget = 0;
    int16_t Reserved2 = 0;
    std::array<int16_t, 26> Spells{};
    int16_t CastSpell = 0;
    int16_t CastSource = 0;
    int16_t CastIndex = 0;

    bool operator==(const PLAYER&) const = default;

    // Walks every field in file order; `visit` is a reader or a writer, so
    // saving and loading share this one description.
    template <typename Visitor>
    void Fields(Visitor& visit) {
        visit.Field(Name);
        for (int16_t* field : {&Class, &Race, &Gender, &Age, &Alignment, &Weapon}) visit.Field(*field);
        for (int16_t& item : Pack) visit.Field(item);
        for (int16_t* field : {&PackCount, &ToHit, &Armor}) visit.Field(*field);
        visit.Field(Experience);
        for (int16_t* field : {&MaxHP, &HP, &AC}) visit.Field(*field);
        for (int32_t* field : {&Gold, &Silver, &Copper}) visit.Field(*field);
        for (int16_t* field : {&Load, &MaxLoad, &Position, &Status, &Level, &Strength, &Wisdom, &Intelligence,
                               &Dexterity, &Constitution, &Charisma, &Active})
            visit.Field(*field);
        for (int16_t& reserved : Reserved) visit.Field(reserved);
        for (int16_t* field : {&BattleCommand, &BattleTarget, &Reserved2}) visit.Field(*field);
        for (int16_t& entry : Spells) visit.Field(entry);
        for (int16_t* field : {&CastSpell, &CastSource, &CastIndex}) visit.Field(*field);
    }
};

// Status bits.
namespace status {
constexpr int16_t Ok = 1;
constexpr int16_t Unconscious = 2;
constexpr int16_t Poisoned = 4;
constexpr int16_t Diseased = 64;
constexpr int16_t Cursed = 128;
constexpr int16_t Dead = 256;
}  // namespace status

constexpr int16_t kMaxLoad = 1600;

}  // namespace duskmoor
