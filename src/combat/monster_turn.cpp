#include "combat/monster_turn.h"

#include <algorithm>

#include "combat/battle_flow.h"
#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"
#include "core/dice.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int kDeathBelow = -9;  // from 0 down to -9 a character only falls unconscious

int PartySize(const GameState& state) {
    return std::clamp<int>(state.NumPlayers, 0, 4);
}

bool Able(const PLAYER& player) {
    return (player.Status & status::Ok) != 0;
}

// "Orc(2)": the monster's name with its number in the group.
std::string Attacker(const GameState& state, int slot, int member) {
    return MonsterName(state.Monsters[slot].MonsterType) + "(" + std::to_string(member) + ")";
}

int16_t Lowered(int16_t value, int amount) {
    return static_cast<int16_t>(std::max<int>(value - amount, INT16_MIN));
}

// A character brought below 1 hit point: dead below -9, unconscious above.
bool FallsDead(PLAYER& player) {
    if (player.HP < kDeathBelow) {
        player.Status = status::Dead;
        return true;
    }
    player.Status = static_cast<int16_t>((player.Status | status::Unconscious) & ~status::Ok);
    return false;
}

enum class AttackEnd { Next, Defeated, Closed };

AttackEnd AttackOnce(BattleContext& battle, int slot, int target, int member) {
    GameState& state = battle.state;
    const Monster& monster = state.Monsters[slot];
    PLAYER& victim = state.Party[target];
    int needed = monster.ToHitBase - victim.AC;
    if (victim.BattleCommand == battle_command::Defend) needed += 2;
    if (RollDice(1, 20) < needed)
        battle.model.message = Attacker(state, slot, member) + " misses " + ShownName(victim) + ".";
    else
        DishMonsterDamage(state, battle.model, slot, target, member);
    if (CheckForDefeat(state)) return AttackEnd::Defeated;
    if (monster.SpecialAttack != special_attack::None) {
        CheckSpecial(state, battle.model, slot, target);
        if (CheckForDefeat(state)) return AttackEnd::Defeated;
    }
    if (!AwaitNext(battle)) return AttackEnd::Closed;
    FillLabels(battle);
    return AttackEnd::Next;
}

}  // namespace

int ChooseTarget(const GameState& state) {
    if (CheckForDefeat(state)) return -1;
    for (;;) {
        const int r = RollDice(1, 100);
        const int target = r <= 40 ? 0 : r <= 80 ? 1 : r <= 90 ? 2 : 3;
        if (target < PartySize(state) && Able(state.Party[target])) return target;
    }
}

MonsterTurnEnd MonsterTurn(BattleContext& battle) {
    GameState& state = battle.state;
    for (int slot = 0; slot < RosterSize(state); ++slot) {
        Monster& monster = state.Monsters[slot];
        const int member = GetGroupIndex(state, slot);
        if (monster.MonsterStatus & monster_status::Active) {
            const int target = ChooseTarget(state);
            if (target < 0) return MonsterTurnEnd::Defeated;
            for (int attack = 0; attack < monster.NumAttacks; ++attack) {
                // A target that has fallen is left alone for the rest of the turn.
                if (!Able(state.Party[target])) break;
                const AttackEnd end = AttackOnce(battle, slot, target, member);
                if (end == AttackEnd::Defeated) return MonsterTurnEnd::Defeated;
                if (end == AttackEnd::Closed) return MonsterTurnEnd::Closed;
            }
        } else if (monster.MonsterStatus & monster_status::Asleep) {
            battle.model.message = Attacker(state, slot, member) + " is asleep.";
            monster.SleepRounds = Lowered(monster.SleepRounds, 1);
            if (monster.SleepRounds < 1)
                monster.MonsterStatus = static_cast<int16_t>(monster.MonsterStatus - monster_status::Asleep +
                                                             monster_status::Active);
            if (!AwaitNext(battle)) return MonsterTurnEnd::Closed;
        }
    }
    return MonsterTurnEnd::RoundOver;
}

void DishMonsterDamage(GameState& state, BattleModel& model, int slot, int target, int member) {
    PLAYER& victim = state.Party[target];
    const int damage = RollDice(1, state.Monsters[slot].AttackDie);
    victim.HP = Lowered(victim.HP, damage);
    const std::string attacker = Attacker(state, slot, member);
    if (victim.HP >= 1)
        model.message = attacker + " hits " + ShownName(victim) + " for " + std::to_string(damage) +
                        (damage == 1 ? " hit point." : " hit points.");
    else if (FallsDead(victim))
        model.message = attacker + " kills " + ShownName(victim) + ".";
    else
        model.message = attacker + " knocks " + ShownName(victim) + " unconcious.";
}

void CheckSpecial(GameState& state, BattleModel& model, int slot, int target) {
    const int16_t special = state.Monsters[slot].SpecialAttack;
    const int chance = special == special_attack::Poison  ? 25
                       : special == special_attack::Acid  ? 40
                       : special == special_attack::Drain ? 15
                                                          : 0;
    if (RollDice(1, 100) > chance) return;
    PLAYER& victim = state.Party[target];
    const std::string name = ShownName(victim);
    std::string text;
    if (special == special_attack::Poison) {
        text = name + " is poisoned.";
        victim.Status = static_cast<int16_t>(victim.Status | status::Poisoned);
    } else if (special == special_attack::Acid) {
        const int acid = RollDice(1, 8);
        text = name + " takes " + std::to_string(acid) + " points of acid damage.";
        victim.HP = Lowered(victim.HP, acid);
        if (victim.HP < 1)
            text += FallsDead(victim) ? name + " is killed." : name + " is knocked unconcious.";
    } else {
        text = name + " is drained.";
        if (victim.Level > 1) --victim.Level;
    }
    model.message += "  " + text;
}

bool CheckForDefeat(const GameState& state) {
    for (int slot = 0; slot < PartySize(state); ++slot)
        if (Able(state.Party[slot])) return false;
    return true;
}

}  // namespace duskmoor
