#include "combat/battle_roster.h"

#include <algorithm>

#include "combat/monster_catalogue.h"
#include "core/dice.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int kGroups = 4;

void FillSlot(Monster& monster, int16_t type) {
    monster = Monster{};
    monster.MonsterType = type;
    monster.MonsterStatus = monster_status::Active;
    const MonsterKind* kind = FindMonster(type);
    // A type the catalogue does not know stays an empty shell: it cannot hit
    // and falls to the first blow.
    if (!kind) return;
    monster.HitPoints = RollDice(kind->hit_dice.count, kind->hit_dice.sides);
    monster.ArmorClass = kind->armor_class;
    monster.ToHitBase = kind->to_hit;
    monster.NumAttacks = kind->attacks;
    monster.AttackDie = kind->attack_die;
    monster.SpecialAttack = kind->special;
    monster.WeaponCarried = kind->weapon;
    monster.ArmorKit = kind->armor_kit;
    monster.ExperienceValue = kind->experience;
    monster.GoldCarried = TreasureRoll(kind->treasure, 1);
    monster.SilverCarried = TreasureRoll(kind->treasure, 2);
    monster.CopperCarried = TreasureRoll(kind->treasure, 3);
    FillCarriedItems(monster);
}

}  // namespace

void BuildBattleRoster(GameState& state) {
    int16_t groups = 0;
    for (const EncounterGroup& group : state.EncounterGroups)
        if (group.Count > 0) ++groups;
    state.NumGroups = groups;
    state.NumMonsters = 0;
    for (int g = 0; g < groups; ++g) {
        const EncounterGroup& group = state.EncounterGroups[g];
        for (int member = 0; member < group.Count && state.NumMonsters < kRosterSize; ++member)
            FillSlot(state.Monsters[state.NumMonsters++], group.MonsterType);
    }
}

int RosterSize(const GameState& state) {
    return std::clamp<int>(state.NumMonsters, 0, kRosterSize);
}

int GroupsInUse(const GameState& state) {
    return std::clamp<int>(state.NumGroups, 0, kGroups);
}

bool OutOfFight(const Monster& monster) {
    return (monster.MonsterStatus & (monster_status::Dead | monster_status::Turned)) != 0;
}

int GetGroupIndex(const GameState& state, int slot) {
    int first_of_group = 0;
    for (int g = 0; g < GroupsInUse(state); ++g) {
        const int count = std::max<int>(state.EncounterGroups[g].Count, 0);
        if (slot < first_of_group + count) return slot - first_of_group + 1;
        first_of_group += count;
    }
    return 0;
}

int GroupType(const GameState& state, int group) {
    if (group < 0 || group >= kGroups) return -1;
    return state.EncounterGroups[group].MonsterType;
}

int LiveOfType(const GameState& state, int type) {
    int live = 0;
    for (int slot = 0; slot < RosterSize(state); ++slot) {
        const Monster& monster = state.Monsters[slot];
        if (monster.MonsterType == type && !OutOfFight(monster)) ++live;
    }
    return live;
}

int FirstLiveOfType(const GameState& state, int type) {
    for (int slot = 0; slot < RosterSize(state); ++slot) {
        const Monster& monster = state.Monsters[slot];
        if (monster.MonsterType == type && !OutOfFight(monster)) return slot;
    }
    return -1;
}

int FirstOfType(const GameState& state, int type) {
    for (int slot = 0; slot < RosterSize(state); ++slot)
        if (state.Monsters[slot].MonsterType == type) return slot;
    return -1;
}

bool AnyMonsterLeft(const GameState& state) {
    for (int slot = 0; slot < RosterSize(state); ++slot)
        if (!OutOfFight(state.Monsters[slot])) return true;
    return false;
}

}  // namespace duskmoor
