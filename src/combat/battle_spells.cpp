#include "combat/battle_spells.h"

#include <algorithm>
#include <string>

#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/battle_view.h"
#include "combat/monster_catalogue.h"
#include "combat/player_attacks.h"
#include "core/dice.h"
#include "core/rounding.h"
#include "items/pack.h"
#include "magic/spells.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int16_t kFromMemory = 1, kFromScroll = 2;
constexpr int16_t kCureTargetBase = 500;
constexpr int16_t kDeathBlow = 500;  // Touch of Death and Destroy
constexpr int kLeastSleep = 2;

// The roster slots a spell on `group` sweeps: from the first monster of the
// group's type on, as many as the group counts.
struct SlotRange {
    int first = 0, end = 0;
};

SlotRange GroupSlots(const GameState& state, int group) {
    const int type = GroupType(state, group);
    const int first = type < 0 ? -1 : FirstOfType(state, type);
    if (first < 0) return {};
    const int count = std::max<int>(state.EncounterGroups[static_cast<size_t>(group)].Count, 0);
    return {first, std::min(first + count, RosterSize(state))};
}

bool StrikesOneMonster(const PLAYER& caster, int spell) {
    if (caster.Class == class_code::MagicUser)
        return spell == spell::MagicMissile || spell == spell::BurningTouch || spell == spell::Destroy;
    return spell == spell::CauseLightWounds || spell == spell::TouchOfDeath;
}

bool IsCure(int spell) {
    return spell == spell::CureLightWounds || spell == spell::CureSeriousWounds ||
           spell == spell::CurePoison || spell == spell::CureCriticalWounds || spell == spell::CureDisease ||
           spell == spell::RaiseDead;
}

// The spell leaves the caster's memory, or the scroll leaves the pack.
void UseUp(PLAYER& caster) {
    if (caster.CastSource == kFromMemory)
        ForgetSpell(caster, caster.CastSpell);
    else if (caster.CastSource == kFromScroll)
        RemoveFirstOf(caster, ScrollItemCode(caster.CastSpell));
}

// A Cleric's cure on the party member chosen on the magic screen. Answers the
// caster's slot afterwards: a failed raise takes the dead out of the party,
// and everyone behind moves down a place.
int CureInBattle(BattleContext& battle, int caster) {
    GameState& state = battle.state;
    const PLAYER& cleric = state.Party[caster];
    const int target = cleric.CastIndex - kCureTargetBase;
    const int16_t party_before = state.NumPlayers;
    const CureOutcome cure = CureTarget(state, cleric.CastSpell, target);
    if (cure.always_dialog)
        battle.view.ShowMessage(cure.text);
    else
        battle.model.message = cure.text;
    if (state.NumPlayers < party_before) battle.model.removed_member = target;
    battle.view.Refresh();  // the cured member's hit points
    return state.NumPlayers < party_before && target < caster ? caster - 1 : caster;
}

std::string Plural(const std::string& name, int count) {
    return count > 1 ? name + "s" : name;
}

// How many of the group a sleep budget covers: all when it reaches the
// group's hit dice, one when it is below a single monster's level, else as
// many whole monsters as it pays for.
int NumberToSleep(int budget, int level, int group_count, int live) {
    if (budget >= level * group_count) return live;
    if (budget < level) return live >= 1 ? 1 : 0;
    if (budget <= level * live) return static_cast<int>(RoundHalfEven(static_cast<double>(budget) / level));
    return live;
}

}  // namespace

bool SpellAttack(BattleContext& battle, int player) {
    GameState& state = battle.state;
    BattleModel& model = battle.model;
    const PLAYER& caster = state.Party[player];
    const int16_t spell = caster.CastSpell;
    const int group = caster.BattleTarget;
    bool decided = false;
    if (StrikesOneMonster(caster, spell)) {
        decided = SpellOneTarget(state, model, spell, group, player);
    } else if (caster.Class == class_code::MagicUser) {
        // A Magic-User who chose nothing still goes through the storm rules
        // and does no damage.
        decided = SpellManyTargets(state, model, spell, group, player);
    } else if (caster.Class == class_code::Cleric && IsCure(spell)) {
        player = CureInBattle(battle, player);
    } else {
        model.message = ShownName(caster) + " casts nothing.";
        return false;
    }
    UseUp(state.Party[player]);
    return decided;
}

bool SpellOneTarget(GameState& state, BattleModel& model, int spell, int group, int caster) {
    const PLAYER& wizard = state.Party[caster];
    const int chance = spell == spell::MagicMissile ? 100 : SpellSuccessChance(wizard.Level);
    if (RollDice(1, 100) > chance) {
        model.message = ShownName(wizard) + "'s " + SpellName(spell) + " spell fails.";
        return false;
    }
    const int type = GroupType(state, group);
    int damage = OneTargetDamage(spell);
    // The vampire shrugs off the killing spells with a scratch.
    if (damage == kDeathBlow && type == monster::VonDevever) damage = 1;
    return DishDamage(state, model, type, damage, caster);
}

bool SpellManyTargets(GameState& state, BattleModel& model, int spell, int group, int caster) {
    if (spell != spell::Sleep) return DamageSpell(state, model, spell, group, caster);
    SleepSpell(state, model, group, caster);
    return false;
}

void SleepSpell(GameState& state, BattleModel& model, int group, int caster) {
    const int type = GroupType(state, group);
    int number = 0;
    if (type >= 0 && !IsUndead(type)) {
        const int16_t duration = std::max<int16_t>(RollDice(1, 6), kLeastSleep);
        const int level = MonsterLevel(type);
        const int budget = std::max<int>(RollDice(1, 16), kLeastSleep);
        const int group_count = state.EncounterGroups[static_cast<size_t>(group)].Count;
        number = NumberToSleep(budget, level, group_count, LiveOfType(state, type));
        const SlotRange slots = GroupSlots(state, group);
        for (int slot = slots.first, asleep = 0; slot < slots.end && asleep < number; ++slot) {
            Monster& monster = state.Monsters[slot];
            if (!(monster.MonsterStatus & monster_status::Active)) continue;
            monster.MonsterStatus = static_cast<int16_t>((monster.MonsterStatus | monster_status::Asleep) &
                                                         ~monster_status::Active);
            monster.SleepRounds = duration;
            ++asleep;
        }
    }
    const std::string name = ShownName(state.Party[caster]);
    model.message = number == 0 ? name + " fails to put any monsters to sleep."
                                : name + " puts " + std::to_string(number) + " " +
                                      Plural(MonsterName(type), number) + " to sleep.";
}

bool DamageSpell(GameState& state, BattleModel& model, int spell, int group, int caster) {
    int pool = GroupDamagePool(spell);
    int kills = 0, wound = 0;
    const SlotRange slots = GroupSlots(state, group);
    for (int slot = slots.first; slot < slots.end && pool >= 1; ++slot) {
        Monster& monster = state.Monsters[slot];
        if (OutOfFight(monster)) continue;
        if (pool < monster.HitPoints) {
            monster.HitPoints = static_cast<int16_t>(monster.HitPoints - pool);
            wound = pool;
            break;
        }
        monster.MonsterStatus = monster_status::Dead;
        ++kills;
        pool -= monster.HitPoints;
    }
    const std::string name = ShownName(state.Party[caster]);
    const std::string kind = MonsterName(GroupType(state, group));
    const std::string hit = " hits one " + kind + " for " + std::to_string(wound) + " hit points.";
    if (kills >= 1)
        model.message = name + " kills " + std::to_string(kills) + " " + Plural(kind, kills) +
                        (wound > 0 ? " and" + hit : ".");
    else if (wound > 0)
        model.message = name + hit;
    else
        model.message = name + "'s spell does no damage.";
    return ClearFoes(state, model);
}

}  // namespace duskmoor
