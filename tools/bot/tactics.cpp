#include "tactics.h"

#include <algorithm>

#include "combat/monster_catalogue.h"
#include "combat/player_attacks.h"
#include "magic/spells.h"
#include "spell_plan.h"

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

double TurnChance(int type, int level) {
    // The cleric's level from which each kind of undead is turned without a roll.
    int automatic = 0;
    switch (type) {
        case 4:
            automatic = 2;
            break;  // skeleton
        case 5:
            automatic = 3;
            break;  // zombie
        case 17:    // ghoul
        case 18:
            automatic = 4;
            break;  // ghast
        case 21:
            automatic = 5;
            break;  // mummy
        case 23:
            automatic = 9;
            break;  // the vampire
        default:
            return 0;
    }
    if (level >= automatic) return 1;
    // Below it the d12 must reach 7, 9 or 11 for one, two or three levels short;
    // mummies and the vampire give way only to a cleric close to their level.
    const int short_by = automatic - level;
    const bool mummy = type == 21;
    if (short_by > (mummy ? 1 : 3)) return 0;
    const int needed = mummy ? 11 : 5 + 2 * short_by;
    return std::clamp((13 - needed) / 12.0, 0.0, 1.0);
}

int KillTarget(const std::vector<GroupSight>& groups) {
    constexpr int kVonDevever = 23;
    // A monster worth a killing spell: hit points the party's blades would need rounds for.
    constexpr double kWorthKilling = 15;
    int best = -1;
    double best_worth = kWorthKilling;
    for (size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].live <= 0 || groups[g].type == kVonDevever) continue;
        double worth = MonsterHitPoints(groups[g].type) + 3 * MonsterThreat(groups[g].type, 2);
        if (worth > best_worth) {
            best_worth = worth;
            best = static_cast<int>(g);
        }
    }
    return best;
}

int SleepersPerSpell(int type, int live) {
    const int level = std::max<int>(1, MonsterLevel(type));
    // The budget of 1d16 (at least 2) averages eight and a half hit dice.
    return std::clamp(static_cast<int>(8.5 / level + 0.5), 1, std::max(1, live));
}

double ExpectedOutcome(const GameState& state, const std::vector<GroupSight>& groups, bool rested) {
    const int ac = static_cast<int>(PartyArmorClass(state) + 0.5);
    const size_t count = groups.size();
    std::vector<double> live(count), asleep(count);
    for (size_t g = 0; g < count; ++g) live[g] = groups[g].live;
    std::vector<double> hp(state.NumPlayers, 0);
    std::vector<int> sleeps(state.NumPlayers, 0), kills(state.NumPlayers, 0);
    double start_hp = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        const PLAYER& p = state.Party[slot];
        if (Standing(p)) hp[slot] = rested ? p.MaxHP : p.HP;
        start_hp += hp[slot];
        // Rested, the casters hold a full set of the spells they learn; else what they have left.
        std::vector<int> ready;
        if (rested && Standing(p)) {
            PLAYER fresh;
            fresh.Class = p.Class;
            fresh.Level = p.Level;
            ready = SpellsToLearn(fresh, MaxSpells(p.Level));
        }
        for (int pair = 0; pair < 13 && !rested; ++pair)
            if (p.Spells[2 * pair] == 1) ready.push_back(p.Spells[2 * pair + 1]);
        for (int spell : ready) {
            sleeps[slot] += p.Class == 1 && spell == 10;
            kills[slot] += (p.Class == 1 && spell == 16) || (p.Class == 3 && spell == 8);
        }
    }
    if (start_hp <= 0) return 0;
    const auto any_left = [&] {
        for (double left : live)
            if (left > 0.01) return true;
        return false;
    };
    for (int round = 0; round < 60 && any_left(); ++round) {
        for (int slot = 0; slot < state.NumPlayers; ++slot) {
            if (hp[slot] <= 0 || !any_left()) continue;
            const PLAYER& p = state.Party[slot];
            std::vector<GroupSight> left = groups;
            for (size_t g = 0; g < count; ++g) {
                left[g].live = live[g] > 0.01 ? 1 : 0;
                left[g].asleep = asleep[g] > 0.01;
            }
            // A magic-user puts the worst of the living to sleep while it has the spell.
            int sleep_group = sleeps[slot] > 0 ? SleepTarget(state, left) : -1;
            if (sleep_group >= 0) {
                --sleeps[slot];
                double awake = live[sleep_group] - asleep[sleep_group];
                asleep[sleep_group] += std::min(
                    awake, 1.0 * SleepersPerSpell(groups[sleep_group].type, static_cast<int>(awake + 0.5)));
                continue;
            }
            // A cleric turns the undead it can.
            if (p.Class == 3) {
                int best = -1;
                double best_turned = 0;
                for (size_t g = 0; g < count; ++g) {
                    if (live[g] <= 0.01) continue;
                    double turned = TurnChance(groups[g].type, p.Level) *
                                    std::min(live[g], 6.5 / std::max<int>(1, MonsterLevel(groups[g].type)));
                    if (turned > best_turned) {
                        best_turned = turned;
                        best = static_cast<int>(g);
                    }
                }
                if (best >= 0 && best_turned > 0.3) {
                    live[best] = std::max(0.0, live[best] - best_turned);
                    continue;
                }
            }
            // Destroy and the touch of death take one monster each; a cleric turns first.
            int kill_group = kills[slot] > 0 ? KillTarget(left) : -1;
            if (kill_group >= 0) {
                --kills[slot];
                live[kill_group] = std::max(0.0, live[kill_group] - 0.95);
                continue;
            }
            // A blow on a group with a sleeper kills.
            int target = ChooseTarget(state, left);
            if (asleep[target] > 0.01) {
                double killed = std::min(1.0, asleep[target]);
                asleep[target] -= killed;
                live[target] = std::max(0.0, live[target] - killed);
                continue;
            }
            live[target] =
                std::max(0.0, live[target] - BlowDamage(p, groups[target].type) /
                                                 std::max(1.0, MonsterHitPoints(groups[target].type)));
        }
        // The monsters awake strike back, mostly at the front two.
        double threat = 0;
        for (size_t g = 0; g < count; ++g)
            threat += std::max(0.0, live[g] - asleep[g]) * MonsterThreat(groups[g].type, ac);
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
    if (any_left()) return 0;
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
