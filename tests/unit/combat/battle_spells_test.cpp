#include "combat/battle_spells.h"

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "combat/battle_flow.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"
#include "combat/player_attacks.h"
#include "combat/recording_battle_view.h"
#include "core/random.h"
#include "items/item_catalogue.h"
#include "magic/spells.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;
using battle_test::Member;

constexpr int16_t kMemory = 1, kScroll = 2;

class BattleSpells : public ::testing::Test {
  protected:
    void SetUp() override {
        battle_test::ClearForcedRolls();
        view.Attach(battle);
        battle_test::SetParty(state, {Member("Rhomadon", battle_test::kFighter, 15, 5, 10),
                                      Member("Sharah", battle_test::kCleric, 18, 6, 6),
                                      Member("Whisper", battle_test::kMagicUser, 18, 9, 4)});
    }
    void TearDown() override { battle_test::ClearForcedRolls(); }

    // Monsters of the groups with the hit points given, in roster order.
    void Foes(std::initializer_list<EncounterGroup> groups, std::initializer_list<int16_t> hit_points) {
        battle_test::SetGroups(state, groups);
        BuildBattleRoster(state);
        int slot = 0;
        for (int16_t hp : hit_points) state.Monsters[slot++].HitPoints = hp;
    }

    // The caster in `slot` has a ready copy of `spell` and aims it at `group`.
    void Ready(int slot, int16_t spell, int group = 0) {
        PLAYER& caster = state.Party[slot];
        AddToMemory(caster, spell);
        LearnChosenSpells(state);
        caster.CastSpell = spell;
        caster.CastSource = kMemory;
        caster.BattleTarget = static_cast<int16_t>(group);
    }

    int ReadyCopies(int slot, int16_t spell) const {
        int ready = 0;
        for (int pair = 0; pair < spell::kPairs; ++pair)
            if (state.Party[slot].Spells[2 * pair] == spell::Ready &&
                state.Party[slot].Spells[2 * pair + 1] == spell)
                ++ready;
        return ready;
    }

    GameState state;
    BattleModel model;
    RecordingBattleView view;
    BattleContext battle{state, model, view};
};

TEST_F(BattleSpells, OneTargetSpellsRollForSuccessAndAreUsedUpEitherWay) {
    Foes({{monster::Orc, 2}}, {20, 9});
    state.Party[2].Level = 2;  // 88%
    Ready(2, spell::BurningTouch);
    Ready(2, spell::BurningTouch);
    ForceRolls({89});
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper's Burning Touch spell fails.");
    EXPECT_EQ(state.Monsters[0].HitPoints, 20);
    EXPECT_EQ(ReadyCopies(2, spell::BurningTouch), 1);
    // 88 succeeds; a 1 on the d12 is raised to the least damage, 3.
    ForceRolls({88, 1});
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper hits Orc for 3 hit points.");
    EXPECT_EQ(state.Monsters[0].HitPoints, 17);
    EXPECT_EQ(ReadyCopies(2, spell::BurningTouch), 0);
    // Magic Missile cannot fail, even on 100.
    Ready(2, spell::MagicMissile);
    ForceRolls({100, 8});
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper hits Orc for 8 hit points.");
    EXPECT_EQ(state.Monsters[0].HitPoints, 9);
    // Destroy slays the first Orc still standing, and the battle ends with the last.
    Ready(2, spell::Destroy);
    Ready(2, spell::Destroy);
    ForceRolls({88, 50});
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper hits and kills an Orc.");
    EXPECT_EQ(state.Monsters[0].MonsterStatus, monster_status::Dead);
    EXPECT_EQ(state.Monsters[1].MonsterStatus, monster_status::Active);
    ForceRolls({1, 1});
    EXPECT_TRUE(SpellAttack(battle, 2));
    EXPECT_EQ(model.tomb, (std::array<bool, 4>{true, true, true, true}));
}

TEST_F(BattleSpells, TouchOfDeathOnlyScratchesTheVampire) {
    Foes({{monster::Skeleton, 1}, {monster::VonDevever, 1}}, {5, 40});
    state.Party[1].Level = 4;  // 95%
    Ready(1, spell::TouchOfDeath, 1);
    ForceRolls({96});
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Sharah's Touch of Death spell fails.");
    EXPECT_EQ(ReadyCopies(1, spell::TouchOfDeath), 0);
    Ready(1, spell::TouchOfDeath, 1);
    ForceRolls({95, 100});
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Sharah hits Von Devever for 1 hit point.");
    EXPECT_EQ(state.Monsters[1].HitPoints, 39);
    // The same spell on the skeleton kills.
    Ready(1, spell::TouchOfDeath, 0);
    ForceRolls({1, 1});
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Sharah hits and kills a Skeleton.");
}

TEST_F(BattleSpells, SleepCoversTheGroupAsFarAsItsBudgetReaches) {
    auto sleep = [&](std::initializer_list<EncounterGroup> groups, int duration, int budget) {
        battle_test::SetGroups(state, groups);
        BuildBattleRoster(state);
        Ready(2, spell::Sleep);
        ForceRolls({duration, budget});
        EXPECT_FALSE(SpellAttack(battle, 2));
    };
    auto asleep = [&]() {
        int count = 0;
        for (int slot = 0; slot < state.NumMonsters; ++slot)
            if (state.Monsters[slot].MonsterStatus == monster_status::Asleep) ++count;
        return count;
    };
    // Six Kobolds (level 1): a budget of 7 covers them all, 5 puts five to sleep.
    sleep({{monster::Kobold, 6}}, 4, 7);
    EXPECT_EQ(model.message, "Whisper puts 6 Kobolds to sleep.");
    EXPECT_EQ(asleep(), 6);
    EXPECT_EQ(state.Monsters[5].SleepRounds, 4);
    sleep({{monster::Kobold, 6}}, 4, 5);
    EXPECT_EQ(model.message, "Whisper puts 5 Kobolds to sleep.");
    EXPECT_EQ(state.Monsters[4].MonsterStatus, monster_status::Asleep);
    EXPECT_EQ(state.Monsters[5].MonsterStatus, monster_status::Active);
    // Rolls of 1 are raised to 2 rounds and 2 hit dice.
    sleep({{monster::Kobold, 6}}, 1, 1);
    EXPECT_EQ(model.message, "Whisper puts 2 Kobolds to sleep.");
    EXPECT_EQ(state.Monsters[0].SleepRounds, 2);
    // Gnolls (level 2): 5 of budget buys 2.5 of them, rounded to even; 7 buys 3.5.
    sleep({{monster::Gnoll, 4}}, 3, 5);
    EXPECT_EQ(model.message, "Whisper puts 2 Gnolls to sleep.");
    sleep({{monster::Gnoll, 4}}, 3, 7);
    EXPECT_EQ(model.message, "Whisper puts 4 Gnolls to sleep.");
    // A budget below one Ogre's level (4) still puts one to sleep.
    sleep({{monster::Ogre, 3}}, 3, 3);
    EXPECT_EQ(model.message, "Whisper puts 1 Ogre to sleep.");
    EXPECT_EQ(asleep(), 1);
    // Those already asleep or dead are passed over.
    battle_test::SetGroups(state, {{monster::Kobold, 4}});
    BuildBattleRoster(state);
    state.Monsters[0].MonsterStatus = monster_status::Dead;
    state.Monsters[1].MonsterStatus = monster_status::Asleep;
    Ready(2, spell::Sleep);
    ForceRolls({6, 1});
    SpellAttack(battle, 2);
    EXPECT_EQ(model.message, "Whisper puts 2 Kobolds to sleep.");
    EXPECT_EQ(state.Monsters[2].MonsterStatus, monster_status::Asleep);
    EXPECT_EQ(state.Monsters[3].MonsterStatus, monster_status::Asleep);
    EXPECT_EQ(state.Monsters[2].SleepRounds, 6);
    // The undead never sleep, and the spell draws no dice on them; it is spent all the same.
    battle_test::SetGroups(state, {{monster::Zombie, 2}});
    BuildBattleRoster(state);
    Ready(2, spell::Sleep);
    Random().Force(0.5);
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper fails to put any monsters to sleep.");
    EXPECT_EQ(Random().Next(), 0.5);
    EXPECT_EQ(asleep(), 0);
    EXPECT_EQ(ReadyCopies(2, spell::Sleep), 0);
}

TEST_F(BattleSpells, AStormKillsWhatItsPoolPaysForAndWoundsTheNext) {
    state.Party[2].Level = 3;
    auto storm = [&](int16_t spell, std::initializer_list<int16_t> hit_points, int pool_roll) {
        Foes({{monster::Kobold, 1}, {monster::Orc, static_cast<int16_t>(hit_points.size())}}, {});
        int slot = 1;
        for (int16_t hp : hit_points) state.Monsters[slot++].HitPoints = hp;
        Ready(2, spell, 1);
        ForceRolls({pool_roll});
        return SpellAttack(battle, 2);
    };
    EXPECT_FALSE(storm(spell::Fireball, {4, 3, 8}, 10));
    EXPECT_EQ(model.message, "Whisper kills 2 Orcs and hits one Orc for 3 hit points.");
    EXPECT_EQ(state.Monsters[3].HitPoints, 5);
    EXPECT_EQ(state.Monsters[0].MonsterStatus, monster_status::Active);  // the Kobolds stand apart
    // A pool that pays exactly for two leaves nothing for the third.
    EXPECT_FALSE(storm(spell::Fireball, {4, 3, 8}, 7));
    EXPECT_EQ(model.message, "Whisper kills 2 Orcs.");
    EXPECT_EQ(state.Monsters[3].HitPoints, 8);
    // One kill is singular; a wound alone names the one hit; the pool's least is 6.
    EXPECT_FALSE(storm(spell::Fireball, {5, 8}, 1));
    EXPECT_EQ(model.message, "Whisper kills 1 Orc and hits one Orc for 1 hit points.");
    EXPECT_FALSE(storm(spell::Lightening, {8}, 4));
    EXPECT_EQ(model.message, "Whisper hits one Orc for 4 hit points.");
    // The dead and the turned are passed over; killing the last foe wins.
    state.Monsters[0].MonsterStatus = monster_status::Dead;
    Foes({{monster::Orc, 3}}, {2, 6, 6});
    state.Monsters[0].MonsterStatus = monster_status::Turned;
    Ready(2, spell::IceStorm);
    ForceRolls({12});
    EXPECT_TRUE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper kills 2 Orcs.");
    EXPECT_EQ(model.tomb, (std::array<bool, 4>{true, true, true, true}));
}

TEST_F(BattleSpells, CastersWhoChoseNothing) {
    Foes({{monster::Orc, 1}}, {5});
    Random().Force(0.5);
    // A Magic-User's empty choice still runs the storm rules, with no pool.
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper's spell does no damage.");
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Sharah casts nothing.");
    EXPECT_EQ(Random().Next(), 0.5);
    EXPECT_EQ(state.Monsters[0].HitPoints, 5);
}

TEST_F(BattleSpells, AScrollLeavesThePackAndMemoryIsUntouched) {
    PLAYER& whisper = state.Party[2];
    whisper.Level = 3;
    const int16_t scroll = ScrollItemCode(spell::Fireball);
    whisper.Pack = {20, scroll, 7, scroll};
    whisper.PackCount = 4;
    whisper.Load = 50;
    Ready(2, spell::Fireball);
    whisper.CastSource = kScroll;
    Foes({{monster::Orc, 2}}, {20, 20});
    ForceRolls({24});
    EXPECT_FALSE(SpellAttack(battle, 2));
    EXPECT_EQ(model.message, "Whisper kills 1 Orc and hits one Orc for 4 hit points.");
    EXPECT_EQ(whisper.PackCount, 3);
    EXPECT_EQ(whisper.Pack[0], 20);
    EXPECT_EQ(whisper.Pack[1], 7);
    EXPECT_EQ(whisper.Pack[2], scroll);
    EXPECT_EQ(whisper.Pack[3], 0);
    EXPECT_EQ(whisper.Load, 50 - ItemWeight(scroll));
    EXPECT_EQ(ReadyCopies(2, spell::Fireball), 1);
}

TEST_F(BattleSpells, ACureWorksOnTheMemberChosenAndIsSpentWhateverHappened) {
    PLAYER& sharah = state.Party[1];
    PLAYER& rhomadon = state.Party[0];
    Foes({{monster::Orc, 1}}, {5});
    rhomadon.HP = 0;
    rhomadon.Status = status::Unconscious;
    Ready(1, spell::CureLightWounds);
    sharah.CastIndex = 500;
    ForceRolls({3});
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Rhomadon is healed for 4 hit points.");
    EXPECT_EQ(rhomadon.HP, 4);
    EXPECT_EQ(rhomadon.Status, status::Ok);  // awake for the next round
    EXPECT_EQ(ReadyCopies(1, spell::CureLightWounds), 0);
    // Cure Poison on someone who is not poisoned: nothing to say, still spent.
    model.message.clear();
    Ready(1, spell::CurePoison);
    sharah.CastIndex = 502;
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "");
    EXPECT_EQ(ReadyCopies(1, spell::CurePoison), 0);
    // A cure on the dead is said in the dialog even in battle.
    rhomadon.Status = status::Dead;
    Ready(1, spell::CureCriticalWounds);
    sharah.CastIndex = 500;
    SpellAttack(battle, 1);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.back(), "dialog: Rhomadon is dead.  This spell will have no effect.");
    EXPECT_EQ(ReadyCopies(1, spell::CureCriticalWounds), 0);
}

TEST_F(BattleSpells, AFailedRaiseTakesTheDeadOutAndTheCasterKeepsItsOwnRecord) {
    Foes({{monster::Orc, 1}}, {5});
    state.Party[0].Status = status::Dead;
    state.Party[1].Level = 4;
    Ready(1, spell::RaiseDead);
    Ready(1, spell::RaiseDead);
    state.Party[1].CastIndex = 500;
    ForceRolls({15});
    EXPECT_FALSE(SpellAttack(battle, 1));
    EXPECT_EQ(model.message, "Rhomadon has been destroyed.");
    ASSERT_EQ(state.NumPlayers, 2);
    // Sharah moved into the first slot; it is her spell that was spent.
    EXPECT_EQ(state.Party[0].Name, "Sharah");
    EXPECT_EQ(ReadyCopies(0, spell::RaiseDead), 1);
    EXPECT_EQ(state.Party[1].Name, "Whisper");
}

TEST_F(BattleSpells, AfterAFailedRaiseInTheRoundTheMembersBehindStillAct) {
    state.Party[0].Status = status::Dead;
    state.Party[1].Level = 4;
    battle_test::SetGroups(state, {{monster::Kobold, 1}});
    ForceRolls({1, 1, 3});
    SetupBattle(battle);
    AddToMemory(state.Party[1], spell::RaiseDead);
    LearnChosenSpells(state);
    view.cast_spell = spell::RaiseDead;
    view.cast_source = kMemory;
    view.cast_index = 500;
    CommandDown(battle);
    RecordCommand(battle);  // Sharah raises Rhomadon
    CommandDown(battle);
    CommandDown(battle);
    ForceRolls({15, 1, 1});
    RecordCommand(battle);  // Whisper defends
    ASSERT_GE(view.messages.size(), 3u);
    EXPECT_EQ(view.messages[0], "Rhomadon has been destroyed.");
    EXPECT_EQ(view.messages[1], "Whisper defends.");
    EXPECT_EQ(view.messages[2], "Kobold(1) misses Sharah.");
    EXPECT_EQ(model.removed_member, -1);
}

TEST_F(BattleSpells, APotionAtFullHealthIsStillDrunk) {
    PLAYER& rhomadon = state.Party[0];
    rhomadon.Pack = {7, 20};
    rhomadon.PackCount = 2;
    rhomadon.Load = 40;
    rhomadon.Status = status::Unconscious;
    Foes({{monster::Orc, 1}}, {5});
    state.PotionChosen = True;
    ForceRolls({1, 1});
    EXPECT_FALSE(ItemAttack(state, model, 0, 0));
    EXPECT_EQ(model.message, "Rhomadon is fully healed.");
    EXPECT_EQ(rhomadon.HP, rhomadon.MaxHP);
    EXPECT_EQ(rhomadon.PackCount, 1);
    EXPECT_EQ(rhomadon.Pack[1], 0);
    EXPECT_EQ(rhomadon.Load, 40 - ItemWeight(20));
    EXPECT_EQ(state.PotionChosen, False);
    // A potion does not wake the unconscious.
    EXPECT_EQ(rhomadon.Status, status::Unconscious);
}

TEST_F(BattleSpells, ARoundFromTheMagicScreenToTheMessage) {
    battle_test::SetParty(state, {Member("Whisper", battle_test::kMagicUser, 18, 9, 4)});
    battle_test::SetGroups(state, {{monster::Kobold, 2}, {monster::Orc, 2}});
    // Surprise: the party first; the roster's hit points 2, 2, 5, 5.
    ForceRolls({1, 1, 2, 2, 5, 5});
    SetupBattle(battle);
    state.Party[0].CastSpell = spell::Fireball;  // left over from another fight
    AddToMemory(state.Party[0], spell::Sleep);
    LearnChosenSpells(state);
    // Cancelled: the same character is asked again.
    view.cancel_magic = true;
    TargetRight(battle);
    CommandDown(battle);
    RecordCommand(battle);
    EXPECT_EQ(view.magic_screens, 1);
    EXPECT_EQ(state.MagicMode, 2);
    EXPECT_EQ(state.MagicCaster, 0);
    EXPECT_EQ(state.Party[0].CastSpell, 0);
    EXPECT_EQ(model.command_text[0], "");
    EXPECT_EQ(state.AcceptingCommands, True);
    // Sleep on the Orcs, who then skip their turn; the Kobolds miss.
    view.cancel_magic = false;
    view.cast_spell = spell::Sleep;
    view.cast_source = kMemory;
    ForceRolls({3, 16, 1, 1, 1, 1});
    RecordCommand(battle);
    EXPECT_EQ(view.magic_screens, 2);
    EXPECT_EQ(state.Party[0].BattleTarget, 1);
    ASSERT_GE(view.messages.size(), 5u);
    EXPECT_EQ(view.messages[0], "Whisper puts 2 Orcs to sleep.");
    EXPECT_EQ(view.messages[1], "Kobold(1) misses Whisper.");
    EXPECT_EQ(view.messages[2], "Kobold(2) misses Whisper.");
    EXPECT_EQ(view.messages[3], "Orc(1) is asleep.");
    EXPECT_EQ(ReadyCopies(0, spell::Sleep), 0);
    EXPECT_EQ(model.message, "Enter Whisper's battle command...");
    // Leaving the screen without a choice in the next round does no damage.
    view.cast_spell = view.cast_source = 0;
    ForceRolls({1, 1, 1, 1});
    CommandDown(battle);
    RecordCommand(battle);
    EXPECT_EQ(view.messages[5], "Whisper's spell does no damage.");
}

}  // namespace
}  // namespace duskmoor
