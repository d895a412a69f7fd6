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

    // Walks every field in file order, by name; `visit` is a reader, a writer
    // or anything else that wants the fields, so saving, loading and naming
    // share this one description.
    template <typename Visitor, typename... Self>
    static void FieldsOf(Visitor& visit, Self&... p) {
        visit.Field("Name", p.Name...);
        visit.Field("Class", p.Class...);
        visit.Field("Race", p.Race...);
        visit.Field("Gender", p.Gender...);
        visit.Field("Age", p.Age...);
        visit.Field("Alignment", p.Alignment...);
        visit.Field("Weapon", p.Weapon...);
        visit.Field("Pack", p.Pack...);
        visit.Field("PackCount", p.PackCount...);
        visit.Field("ToHit", p.ToHit...);
        visit.Field("Armor", p.Armor...);
        visit.Field("Experience", p.Experience...);
        visit.Field("MaxHP", p.MaxHP...);
        visit.Field("HP", p.HP...);
        visit.Field("AC", p.AC...);
        visit.Field("Gold", p.Gold...);
        visit.Field("Silver", p.Silver...);
        visit.Field("Copper", p.Copper...);
        visit.Field("Load", p.Load...);
        visit.Field("MaxLoad", p.MaxLoad...);
        visit.Field("Position", p.Position...);
        visit.Field("Status", p.Status...);
        visit.Field("Level", p.Level...);
        visit.Field("Strength", p.Strength...);
        visit.Field("Wisdom", p.Wisdom...);
        visit.Field("Intelligence", p.Intelligence...);
        visit.Field("Dexterity", p.Dexterity...);
        visit.Field("Constitution", p.Constitution...);
        visit.Field("Charisma", p.Charisma...);
        visit.Field("Active", p.Active...);
        visit.Field("Reserved", p.Reserved...);
        visit.Field("BattleCommand", p.BattleCommand...);
        visit.Field("BattleTarget", p.BattleTarget...);
        visit.Field("Reserved2", p.Reserved2...);
        visit.Field("Spells", p.Spells...);
        visit.Field("CastSpell", p.CastSpell...);
        visit.Field("CastSource", p.CastSource...);
        visit.Field("CastIndex", p.CastIndex...);
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
