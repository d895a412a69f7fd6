#include "party/party.h"

#include "core/codepage.h"
#include "core/rounding.h"
#include "party/code_tables.h"
#include "shell/game_state.h"

namespace duskmoor {

std::string ClassName(const GameState& state, int slot) {
    return ClassNameOf(state.Party[slot].Class);
}
std::string RaceName(const GameState& state, int slot) {
    return RaceNameOf(state.Party[slot].Race);
}
std::string GenderName(const GameState& state, int slot) {
    return GenderNameOf(state.Party[slot].Gender);
}
std::string AlignmentName(const GameState& state, int slot) {
    return AlignmentNameOf(state.Party[slot].Alignment);
}
std::string StatusName(const GameState& state, int slot) {
    return StatusNameOf(state.Party[slot].Status);
}

std::array<PanelRow, 4> PartyPanelRows(const GameState& state) {
    std::array<PanelRow, 4> rows;
    for (int row = 0; row < state.NumPlayers && row < 4; ++row) {
        for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
            const PLAYER& member = state.Party[slot];
            if (!IsSet(member.Active) || member.Position != row + 1) continue;
            rows[row].name = Cp1252ToUtf8(member.Name);
            rows[row].hit_points = "HP: " + std::to_string(member.HP) + "/" + std::to_string(member.MaxHP);
            rows[row].armor_class = "AC: " + std::to_string(member.AC);
            rows[row].class_name = ClassName(state, slot);
            break;
        }
    }
    return rows;
}

namespace {

struct DefaultCharacter {
    const char* name;
    int16_t class_code, race, gender, age, alignment, hit_points, to_hit;
    int16_t strength, wisdom, intelligence, dexterity, constitution, charisma;
};

constexpr DefaultCharacter kDefaultParty[4] = {
    {"Rhomadon", 0, 3, 0, 26, 0, 8, 15, 15, 13, 11, 13, 17, 9},
    {"Evro", 2, 0, 0, 48, 1, 4, 18, 15, 13, 11, 17, 12, 9},
    {"Sharah", 3, 3, 1, 38, 0, 6, 18, 15, 16, 14, 12, 8, 10},
    {"Whisper", 1, 2, 1, 113, 0, 4, 18, 11, 14, 17, 9, 12, 9},
};

}  // namespace

std::array<PLAYER, 4> DefaultParty() {
    std::array<PLAYER, 4> party;
    for (int slot = 0; slot < 4; ++slot) {
        const DefaultCharacter& source = kDefaultParty[slot];
        PLAYER& member = party[slot];
        member.Name = source.name;
        member.Class = source.class_code;
        member.Race = source.race;
        member.Gender = source.gender;
        member.Age = source.age;
        member.Alignment = source.alignment;
        member.HP = member.MaxHP = source.hit_points;
        member.ToHit = source.to_hit;
        member.Strength = source.strength;
        member.Wisdom = source.wisdom;
        member.Intelligence = source.intelligence;
        member.Dexterity = source.dexterity;
        member.Constitution = source.constitution;
        member.Charisma = source.charisma;
        member.Level = 1;
        member.Status = status::Ok;
        member.Active = True;
        member.MaxLoad = kMaxLoad;
        member.AC = 9;
        member.Position = static_cast<int16_t>(slot + 1);
    }
    return party;
}

bool PartyIsDead(const GameState& state) {
    int standing = 0;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        if (state.Party[slot].HP > 0) ++standing;
    }
    return standing == 0;
}

long long PartyGoldTotal(const GameState& state) {
    long long total = 0;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        const PLAYER& member = state.Party[slot];
        total += member.Gold + RoundHalfEven(member.Silver / 10.0) + RoundHalfEven(member.Copper / 100.0);
    }
    return total;
}

}  // namespace duskmoor
