#include "combat/turn_undead.h"

#include <algorithm>
#include <array>
#include <string>

#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"
#include "combat/player_attacks.h"
#include "core/dice.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

struct UndeadKind {
    int16_t type;
    int16_t auto_level;             // turned without a roll from this level on
    std::array<int16_t, 9> needed;  // levels 1..8, then 9 and up
    const char* one;                // the kind in the turning message
    const char* many;
};

constexpr int16_t N = turning::kNever;

// In the order the turning message names them. A Mummy's 9 and 7 for levels 5
// and 6 are never rolled for: from level 5 a cleric handles Mummies outright.
constexpr std::array<UndeadKind, 6> kUndead{{
    {monster::Skeleton, 2, {7, 0, 0, 0, 0, 0, 0, 0, 0}, " skeleton", " skeletons"},
    {monster::Zombie, 3, {9, 7, 0, 0, 0, 0, 0, 0, 0}, " zombie", " zombies"},
    {monster::Ghoul, 4, {11, 9, 7, 0, 0, 0, 0, 0, 0}, " ghoul", " ghouls"},
    {monster::Ghast, 4, {11, 9, 7, 0, 0, 0, 0, 0, 0}, " ghast", " ghasts"},
    {monster::Mummy, 5, {N, N, N, 11, 9, 7, 0, 0, 0}, " mummy", " mummies"},
    // The vampire's words close the sentence themselves.
    {monster::VonDevever, 9, {N, N, N, N, N, 11, 9, 7, 0}, " vampire.", " vampires."},
}};

// The row of `type`, or -1 for the living.
int KindIndex(int type) {
    for (size_t index = 0; index < kUndead.size(); ++index)
        if (kUndead[index].type == type) return static_cast<int>(index);
    return -1;
}

struct Turning {
    int budget;  // hit dice the cleric can still drive off
    int level;
    std::array<int, kUndead.size()> turned{};
    bool undead_present = false;
};

// Drives off the monster in `slot` when it still stands and the budget
// covers its level.
void TryToTurn(Monster& monster, Turning& turning, int kind) {
    const int cost = MonsterLevel(monster.MonsterType);
    if (!(monster.MonsterStatus & monster_status::Active) || turning.budget < cost) return;
    monster.MonsterStatus = monster_status::Turned;
    ++turning.turned[static_cast<size_t>(kind)];
    turning.budget -= cost;
}

// The kinds the cleric's level handles without a roll.
void AutomaticPass(GameState& state, Turning& turning) {
    for (int slot = 0; slot < RosterSize(state) && turning.budget >= 1; ++slot) {
        Monster& monster = state.Monsters[slot];
        const int kind = KindIndex(monster.MonsterType);
        if (kind < 0) continue;
        turning.undead_present = true;
        if (turning.level >= kUndead[static_cast<size_t>(kind)].auto_level) TryToTurn(monster, turning, kind);
    }
}

// The stronger kinds answer to the roll; the first one that resists it ends
// the turning.
void RolledPass(GameState& state, Turning& turning, int roll) {
    for (int slot = 0; slot < RosterSize(state) && turning.budget >= 1; ++slot) {
        Monster& monster = state.Monsters[slot];
        const int kind = KindIndex(monster.MonsterType);
        if (kind < 0 || turning.level >= kUndead[static_cast<size_t>(kind)].auto_level) continue;
        if (roll < TurnNeeded(monster.MonsterType, turning.level)) return;
        TryToTurn(monster, turning, kind);
    }
}

std::string TurnedKinds(const Turning& turning) {
    std::string list;
    for (size_t kind = 0; kind < kUndead.size(); ++kind) {
        const int count = turning.turned[kind];
        if (count < 1) continue;
        if (!list.empty()) list += ", ";
        list += std::to_string(count) + (count == 1 ? kUndead[kind].one : kUndead[kind].many);
    }
    if (list.back() != '.') list += ".";
    return list;
}

}  // namespace

int16_t TurnNeeded(int type, int level) {
    const int kind = KindIndex(type);
    if (kind < 0 || level < 1) return turning::kNever;
    return kUndead[static_cast<size_t>(kind)].needed[static_cast<size_t>(std::min(level, 9) - 1)];
}

int16_t AutoTurnLevel(int type) {
    const int kind = KindIndex(type);
    return kind < 0 ? int16_t{0} : kUndead[static_cast<size_t>(kind)].auto_level;
}

bool TurnAttack(GameState& state, BattleModel& model, int player) {
    const PLAYER& cleric = state.Party[player];
    Turning turning{RollDice(1, 12), cleric.Level};
    const int roll = RollDice(1, 12);
    AutomaticPass(state, turning);
    if (turning.undead_present && turning.budget >= 1) RolledPass(state, turning, roll);
    const bool any = std::any_of(turning.turned.begin(), turning.turned.end(), [](int n) { return n > 0; });
    model.message =
        ShownName(cleric) + (any ? " turns " + TurnedKinds(turning) : " fails to turn any undead.");
    return ClearFoes(state, model);
}

}  // namespace duskmoor
