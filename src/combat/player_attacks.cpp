#include "combat/player_attacks.h"

#include <algorithm>

#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"
#include "core/dice.h"
#include "items/pack.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int16_t kSleeperDamage = 300;
constexpr int16_t kHealingPotion = 20;

std::string HitPoints(int amount) {
    return std::to_string(amount) + (amount == 1 ? " hit point." : " hit points.");
}

int16_t Clamp16(int value) {
    return static_cast<int16_t>(std::clamp(value, INT16_MIN + 0, INT16_MAX + 0));
}

// The armour class a blow against `type` must beat: the first monster of the
// type decides for the whole group, whatever has become of it.
int16_t DefenderArmorClass(const GameState& state, int type) {
    const int slot = FirstOfType(state, type);
    return slot < 0 ? 0 : state.Monsters[slot].ArmorClass;
}

bool HasSleeper(const GameState& state, int type) {
    for (int slot = 0; slot < RosterSize(state); ++slot) {
        const Monster& monster = state.Monsters[slot];
        if (monster.MonsterType == type && (monster.MonsterStatus & monster_status::Asleep)) return true;
    }
    return false;
}

}  // namespace

int16_t WeaponDie(int weapon) {
    switch (weapon) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 24:
        case 607:
            return 4;
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 603:
        case 604:
        case 605:
        case 606:
            return 6;
        case 10:
        case 11:
        case 600:
        case 601:
        case 602:
            return 8;
        case 12:
            return 10;
        case 23:
            return 1;
        default:
            // Bare hands, and anything held that was never made for fighting.
            return 2;
    }
}

int16_t MagicWeaponBonus(int weapon) {
    switch (weapon) {
        case 600:
        case 603:
            return 1;
        case 601:
        case 604:
        case 607:
            return 2;
        case 602:
            return 3;
        default:
            // The war hammers' enchantment does not help in a fight.
            return 0;
    }
}

bool WeaponAttack(GameState& state, BattleModel& model, int player, int group) {
    const PLAYER& attacker = state.Party[player];
    const int type = GroupType(state, group);
    const bool sleeper = HasSleeper(state, type);
    const int needed = attacker.ToHit - DefenderArmorClass(state, type);
    const int bonus = MagicWeaponBonus(attacker.Weapon);
    const int roll = (sleeper ? needed : RollDice(1, 20)) + bonus;
    if (roll < needed) {
        model.message = ShownName(attacker) + " misses.";
        return false;
    }
    const int damage = (sleeper ? kSleeperDamage : RollDice(1, WeaponDie(attacker.Weapon))) + bonus;
    return DishDamage(state, model, type, damage, player);
}

bool DishDamage(GameState& state, BattleModel& model, int type, int damage, int player) {
    const int slot = FirstLiveOfType(state, type);
    if (slot >= 0) {
        Monster& monster = state.Monsters[slot];
        const std::string name = ShownName(state.Party[player]);
        monster.HitPoints = Clamp16(monster.HitPoints - damage);
        if (monster.HitPoints >= 1) {
            if (damage >= 1)
                model.message = name + " hits " + MonsterName(type) + " for " + HitPoints(damage);
        } else {
            monster.MonsterStatus = monster_status::Dead;
            model.message = name + " hits and kills " + MonsterArticle(type) + MonsterName(type) + ".";
        }
    }
    return ClearFoes(state, model);
}

bool ClearFoes(const GameState& state, BattleModel& model) {
    if (AnyMonsterLeft(state)) return false;
    model.tomb.fill(true);
    return true;
}

int FleeChance(const GameState& state) {
    int chance = 15;
    for (int slot = 0; slot < std::clamp<int>(state.NumPlayers, 0, 4); ++slot) {
        const PLAYER& member = state.Party[slot];
        const int dexterity_bonus =
            member.Dexterity >= 16 && member.Dexterity <= 18 ? member.Dexterity - 15 : 0;
        chance += member.Level + dexterity_bonus;
    }
    return chance;
}

bool AttemptToFlee(GameState& state, BattleModel& model) {
    if (RollDice(1, 100) <= FleeChance(state)) {
        state.BattleOutcome = 4;
        return true;
    }
    model.message = "\nThe party is unable to flee.";
    return false;
}

bool ItemAttack(GameState& state, BattleModel& model, int player, int group) {
    const PLAYER& user = state.Party[player];
    if (IsSet(state.PotionChosen)) {
        state.PotionChosen = False;
        BattleHeal(state, model, player);
        return false;
    }
    if (user.Weapon != 0) {
        model.message = ShownName(user) + " has nothing to use.";
        return false;
    }
    // A bare-handed blow: no enchantment and no easy kill of a sleeper.
    const int type = GroupType(state, group);
    const int needed = user.ToHit - DefenderArmorClass(state, type);
    if (RollDice(1, 20) < needed) {
        model.message = ShownName(user) + " misses.";
        return false;
    }
    return DishDamage(state, model, type, RollDice(1, 2), player);
}

void BattleHeal(GameState& state, BattleModel& model, int player) {
    PLAYER& drinker = state.Party[player];
    const int heal = RollDice(2, 6);
    if (drinker.HP + heal < drinker.MaxHP) {
        drinker.HP = static_cast<int16_t>(drinker.HP + heal);
        model.message = ShownName(drinker) + " is healed for " + HitPoints(heal);
    } else {
        drinker.HP = drinker.MaxHP;
        model.message = ShownName(drinker) + " is fully healed.";
    }
    if (!RemoveFirstOf(drinker, kHealingPotion)) model.message = "Error finding heal potion in backpack.";
}

}  // namespace duskmoor
