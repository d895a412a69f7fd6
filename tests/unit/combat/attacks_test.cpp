#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/monster_turn.h"
#include "combat/player_attacks.h"
#include "items/item_catalogue.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;
using battle_test::Member;

class Attacks : public ::testing::Test {
  protected:
    void SetUp() override { battle_test::ClearForcedRolls(); }
    void TearDown() override { battle_test::ClearForcedRolls(); }

    // Kobolds with known hit points in slots 0.., then `others` of a second type.
    void Kobolds(std::initializer_list<int16_t> hit_points) {
        battle_test::SetGroups(state, {{0, static_cast<int16_t>(hit_points.size())}});
        BuildBattleRoster(state);
        int slot = 0;
        for (int16_t hp : hit_points) state.Monsters[slot++].HitPoints = hp;
    }

    GameState state;
    BattleModel model;
};

TEST_F(Attacks, WeaponRollMustReachToHitLessArmour) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10)});
    state.Party[0].Weapon = 10;
    Kobolds({4, 4});
    // ToHit 18 against AC 7 needs 11.
    ForceRolls({10});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro misses.");
    ForceRolls({11, 3});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro hits Kobold for 3 hit points.");
    EXPECT_EQ(state.Monsters[0].HitPoints, 1);
    // A Sword +2: 9 + 2 reaches 11, and the 1d8 gains 2.
    state.Party[0].Weapon = 601;
    ForceRolls({9, 1});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro hits and kills a Kobold.");
    EXPECT_EQ(state.Monsters[0].MonsterStatus, monster_status::Dead);
    // The second Kobold is hit for exactly 1: " hit point."
    state.Party[0].Weapon = 0;
    state.Monsters[1].HitPoints = 2;
    ForceRolls({20, 1});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro hits Kobold for 1 hit point.");
    ForceRolls({20, 2});
    EXPECT_TRUE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.tomb, (std::array<bool, 4>{true, true, true, true}));
}

TEST_F(Attacks, DiceAndBonusesOfTheWeapons) {
    EXPECT_EQ(WeaponDie(0), 2);
    EXPECT_EQ(WeaponDie(1), 4);
    EXPECT_EQ(WeaponDie(607), 4);
    EXPECT_EQ(WeaponDie(606), 6);
    EXPECT_EQ(WeaponDie(602), 8);
    EXPECT_EQ(WeaponDie(12), 10);
    EXPECT_EQ(WeaponDie(23), 1);
    EXPECT_EQ(WeaponDie(20), 2);
    EXPECT_EQ(MagicWeaponBonus(602), 3);
    EXPECT_EQ(MagicWeaponBonus(604), 2);
    EXPECT_EQ(MagicWeaponBonus(605), 0);
    EXPECT_EQ(MagicWeaponBonus(606), 0);
    EXPECT_EQ(MagicWeaponBonus(10), 0);
}

TEST_F(Attacks, ASleeperMakesEveryBlowKillTheFirstLiveMonster) {
    // A to-hit no roll could reach against these armour classes.
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 30, 5, 10)});
    battle_test::SetGroups(state, {{6, 3}, {0, 1}});
    BuildBattleRoster(state);
    state.Monsters[0].MonsterStatus = monster_status::Dead;
    state.Monsters[2].MonsterStatus = monster_status::Asleep;
    state.Monsters[1].HitPoints = 8;
    ForceRolls({50});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro hits and kills an Orc.");
    EXPECT_EQ(state.Monsters[1].MonsterStatus, monster_status::Dead);
    EXPECT_EQ(state.Monsters[2].MonsterStatus, monster_status::Asleep);
    EXPECT_EQ(Random().Next(), 0.5);  // the blow drew no dice
    // Against the Kobolds, who have no sleeper, the same fighter misses.
    ForceRolls({19});
    EXPECT_FALSE(WeaponAttack(state, model, 0, 1));
    EXPECT_EQ(model.message, "Evro misses.");
}

TEST_F(Attacks, MonsterBlowsKnockOutOrKill) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 3)});
    battle_test::SetGroups(state, {{15, 1}});  // an Ettin: 1d16
    BuildBattleRoster(state);
    ForceRolls({12});
    DishMonsterDamage(state, model, 0, 0, 1);
    EXPECT_EQ(state.Party[0].HP, -9);
    EXPECT_EQ(state.Party[0].Status, status::Unconscious);
    EXPECT_EQ(model.message, "Ettin(1) knocks Evro unconcious.");
    EXPECT_TRUE(CheckForDefeat(state));
    state.Party[0].HP = 3;
    state.Party[0].Status = status::Ok | status::Poisoned;
    ForceRolls({13});
    DishMonsterDamage(state, model, 0, 0, 1);
    EXPECT_EQ(state.Party[0].Status, status::Dead);
    EXPECT_EQ(model.message, "Ettin(1) kills Evro.");
    state.Party[0].HP = 3;
    state.Party[0].Status = status::Ok;
    ForceRolls({1});
    DishMonsterDamage(state, model, 0, 0, 1);
    EXPECT_EQ(model.message, "Ettin(1) hits Evro for 1 hit point.");
    EXPECT_FALSE(CheckForDefeat(state));
}

TEST_F(Attacks, PoisonAcidAndDrain) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 5)});
    state.Party[0].Level = 3;
    battle_test::SetGroups(state, {{22, 1}, {9, 1}, {23, 1}});  // Troglodyte, Anhkheg, Von Devever
    BuildBattleRoster(state);
    model.message = "Troglodyte(1) misses Evro.";
    ForceRolls({26});
    CheckSpecial(state, model, 0, 0);
    EXPECT_EQ(model.message, "Troglodyte(1) misses Evro.");
    ForceRolls({25});
    CheckSpecial(state, model, 0, 0);
    EXPECT_EQ(model.message, "Troglodyte(1) misses Evro.  Evro is poisoned.");
    EXPECT_EQ(state.Party[0].Status, status::Ok | status::Poisoned);
    ForceRolls({1});
    CheckSpecial(state, model, 0, 0);
    EXPECT_EQ(state.Party[0].Status, status::Ok | status::Poisoned);  // poisoned once only
    // Acid at 40%: 1d8 of damage, and a fall when it takes the last hit points.
    model.message.clear();
    ForceRolls({40, 4});
    CheckSpecial(state, model, 1, 0);
    EXPECT_EQ(model.message, "  Evro takes 4 points of acid damage.");
    EXPECT_EQ(state.Party[0].HP, 1);
    model.message.clear();
    ForceRolls({40, 8});
    CheckSpecial(state, model, 1, 0);
    EXPECT_EQ(model.message, "  Evro takes 8 points of acid damage.Evro is knocked unconcious.");
    EXPECT_EQ(state.Party[0].Status, status::Unconscious | status::Poisoned);
    state.Party[0].HP = -5;
    model.message.clear();
    ForceRolls({1, 5});
    CheckSpecial(state, model, 1, 0);
    EXPECT_EQ(model.message, "  Evro takes 5 points of acid damage.Evro is killed.");
    EXPECT_EQ(state.Party[0].Status, status::Dead);
    // Drain at 15%: a level lost, never below 1.
    model.message.clear();
    ForceRolls({16, 15, 15});
    CheckSpecial(state, model, 2, 0);
    EXPECT_EQ(state.Party[0].Level, 3);
    CheckSpecial(state, model, 2, 0);
    EXPECT_EQ(state.Party[0].Level, 2);
    EXPECT_EQ(model.message, "  Evro is drained.");
    state.Party[0].Level = 1;
    CheckSpecial(state, model, 2, 0);
    EXPECT_EQ(state.Party[0].Level, 1);
}

TEST_F(Attacks, FlightOddsCountLevelsAndDexterity) {
    battle_test::SetParty(state, {Member("A", 0, 18, 5, 5), Member("B", 0, 18, 5, 5),
                                  Member("C", 0, 18, 5, 5), Member("D", 0, 18, 5, 5)});
    const int16_t dexterity[] = {17, 12, 16, 9};
    for (int slot = 0; slot < 4; ++slot) {
        state.Party[slot].Level = 3;
        state.Party[slot].Dexterity = dexterity[slot];
    }
    state.Party[3].Status = status::Dead;  // the fallen still count
    EXPECT_EQ(FleeChance(state), 30);
    ForceRolls({31});
    EXPECT_FALSE(AttemptToFlee(state, model));
    EXPECT_EQ(model.message, "\nThe party is unable to flee.");
    EXPECT_EQ(state.BattleOutcome, 0);
    ForceRolls({30});
    EXPECT_TRUE(AttemptToFlee(state, model));
    EXPECT_EQ(state.BattleOutcome, 4);
    state.Party[1].Dexterity = 18;
    state.Party[3].Dexterity = 19;  // no bonus beyond 18
    EXPECT_EQ(FleeChance(state), 33);
}

TEST_F(Attacks, MonstersPickAnAbleTarget) {
    battle_test::SetParty(state,
                          {Member("A", 0, 18, 5, 5), Member("B", 0, 18, 5, 5), Member("C", 0, 18, 5, 5)});
    ForceRolls({40, 41, 81, 90, 91});
    EXPECT_EQ(ChooseTarget(state), 0);
    EXPECT_EQ(ChooseTarget(state), 1);
    EXPECT_EQ(ChooseTarget(state), 2);
    EXPECT_EQ(ChooseTarget(state), 2);
    // 91..100 names slot 3, where nobody stands: drawn again.
    state.Party[0].Status = status::Unconscious;
    ForceRolls({10, 45});
    EXPECT_EQ(ChooseTarget(state), 1);
    EXPECT_EQ(state.Party[1].Status, status::Ok);
}

TEST_F(Attacks, UsingAnItem) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10)});
    PLAYER& evro = state.Party[0];
    evro.HP = 3;
    evro.Pack[0] = 7;
    evro.Pack[1] = 20;
    evro.Pack[2] = 20;
    evro.Pack[3] = 23;
    evro.PackCount = 4;
    evro.Load = 100;
    Kobolds({4});
    state.PotionChosen = True;
    ForceRolls({2, 3});
    EXPECT_FALSE(ItemAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro is healed for 5 hit points.");
    EXPECT_EQ(evro.HP, 8);
    EXPECT_EQ(state.PotionChosen, False);
    EXPECT_EQ(evro.PackCount, 3);
    EXPECT_EQ(evro.Pack[1], 20);
    EXPECT_EQ(evro.Pack[2], 23);
    EXPECT_EQ(evro.Pack[3], 0);
    EXPECT_EQ(evro.Load, 100 - ItemWeight(20));
    state.PotionChosen = True;
    ForceRolls({1, 1});
    ItemAttack(state, model, 0, 0);
    EXPECT_EQ(model.message, "Evro is fully healed.");
    EXPECT_EQ(evro.HP, 10);
    state.PotionChosen = True;
    ForceRolls({1, 1});
    ItemAttack(state, model, 0, 0);
    EXPECT_EQ(model.message, "Error finding heal potion in backpack.");
    // A weapon in hand and no potion: the turn passes.
    evro.Weapon = 7;
    EXPECT_FALSE(ItemAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro has nothing to use.");
    // Bare hands: 1d2, no sleeper rule.
    evro.Weapon = 0;
    ForceRolls({11, 2});
    EXPECT_FALSE(ItemAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Evro hits Kobold for 2 hit points.");
}

}  // namespace
}  // namespace duskmoor
