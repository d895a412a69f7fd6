#include "tactics.h"

#include <algorithm>

#include "combat/monster_catalogue.h"
#include "combat/player_attacks.h"

namespace duskmoor::bot {

namespace {

bool Standing(const PLAYER& p) {
    return (p.Status & 1) && !(p.Status & (2 | 256)) && p.HP > 0;
}

// The armour class the monsters meet on average, weighted by who they strike.
double PartyArmorClass(const GameState& state) {
    double ac = 0, weight = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if (!Standing(p)) continue;
        double share = slot < 2 ? 0.4 : 0.1;
        ac += p.AC * share;
        weight += share;
    }
    return weight > 0 ? ac / weight : 9;
}

}  // namespace

double D20Chance(int needed) {
    return std::clamp((21 - needed) / 20.0, 0.0, 1.0);
}

double MonsterThreat(int type, int ac) {
    const MonsterKind* kind = FindMonster(type);
    if (!kind) return 0;
    return kind->attacks * D20Chance(kind->to_hit - ac) * (kind->attack_die + 1) / 2.0;
}

double BlowDamage(const PLAYER& character, int type) {
    const MonsterKind* kind = FindMonster(type);
    if (!kind) return 0;
    int bonus = MagicWeaponBonus(character.Weapon);
    int die = character.Weapon == 0 ? 2 : WeaponDie(character.Weapon);
    if (die <= 0) return 0;
    return D20Chance(character.ToHit - kind->armor_class - bonus) * ((die + 1) / 2.0 + bonus);
}

double MonsterHitPoints(int type) {
    const MonsterKind* kind = FindMonster(type);
    return kind ? kind->hit_dice.count * (kind->hit_dice.sides + 1) / 2.0 : 0;
}

int ChooseTarget(const GameState& state, const std::vector<GroupSight>& groups) {
    int best = -1;
    double best_value = -1;
    const int ac = static_cast<int>(PartyArmorClass(state) + 0.5);
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].live <= 0) continue;
        if (groups[g].asleep) return static_cast<int>(g);
        double value = MonsterThreat(groups[g].type, ac) / std::max(1.0, MonsterHitPoints(groups[g].type));
        if (value > best_value) {
            best_value = value;
            best = static_cast<int>(g);
        }
    }
    return best < 0 ? 0 : best;
}

double ExpectedOutcome(const GameState& state, const std::vector<GroupSight>& groups, bool rested) {
    const int ac = static_cast<int>(PartyArmorClass(state) + 0.5);
    std::vector<double> live;  // monsters left in each group, fractions counted
    for (const GroupSight& group : groups) live.push_back(group.live);
    std::vector<double> hp(state.NumPlayers, 0);
    double start_hp = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        if (Standing(state.Party[slot])) hp[slot] = rested ? state.Party[slot].MaxHP : state.Party[slot].HP;
        start_hp += hp[slot];
    }
    if (start_hp <= 0) return 0;
    for (int round = 0; round < 60; ++round) {
        std::vector<GroupSight> left = groups;
        for (size_t g = 0; g < left.size(); ++g) left[g].live = live[g] > 0.01 ? 1 : 0;
        bool monsters_left = false;
        for (double count : live) monsters_left = monsters_left || count > 0.01;
        if (!monsters_left) break;
        // The party strikes.
        int target = ChooseTarget(state, left);
        double damage = 0;
        for (int slot = 0; slot < state.NumPlayers; ++slot)
            if (hp[slot] > 0) damage += BlowDamage(state.Party[slot], groups[target].type);
        live[target] =
            std::max(0.0, live[target] - damage / std::max(1.0, MonsterHitPoints(groups[target].type)));
        // The monsters strike back, mostly at the front two.
        double threat = 0;
        for (size_t g = 0; g < groups.size(); ++g) threat += live[g] * MonsterThreat(groups[g].type, ac);
        double shares = 0;
        for (int slot = 0; slot < state.NumPlayers; ++slot)
            if (hp[slot] > 0) shares += slot < 2 ? 0.4 : 0.1;
        if (shares <= 0) return 0;
        double left_hp = 0;
        for (int slot = 0; slot < state.NumPlayers; ++slot) {
            if (hp[slot] <= 0) continue;
            hp[slot] -= threat * (slot < 2 ? 0.4 : 0.1) / shares;
            left_hp += std::max(0.0, hp[slot]);
        }
        if (left_hp <= 0) return 0;
    }
    for (double count : live)
        if (count > 0.01) return 0;
    double end_hp = 0;
    for (double left : hp) end_hp += std::max(0.0, left);
    return end_hp / start_hp;
}

bool ShouldRun(const GameState& state, const std::vector<GroupSight>& groups) {
    return ExpectedOutcome(state, groups) <= 0;
}

int SleepTarget(const GameState& state, const std::vector<GroupSight>& groups) {
    const int ac = static_cast<int>(PartyArmorClass(state) + 0.5);
    int best = -1;
    double best_threat = 0;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].live <= 0 || groups[g].asleep || IsUndead(groups[g].type)) continue;
        double threat = groups[g].live * MonsterThreat(groups[g].type, ac) + MonsterHitPoints(groups[g].type);
        if (threat > best_threat) {
            best_threat = threat;
            best = static_cast<int>(g);
        }
    }
    return best;
}

}  // namespace duskmoor::bot
