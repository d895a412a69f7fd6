#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "combat/battle_flow.h"
#include "combat/battle_roster.h"
#include "combat/recording_battle_view.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;
using battle_test::Member;

class BattleRound : public ::testing::Test {
  protected:
    void SetUp() override {
        battle_test::ClearForcedRolls();
        view.Attach(battle);
    }
    void TearDown() override { battle_test::ClearForcedRolls(); }

    GameState state;
    BattleModel model;
    RecordingBattleView view;
    BattleContext battle{state, model, view};
};

TEST_F(BattleRound, PartyFirstWinsInOneRound) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10),
                                  Member("Nim", battle_test::kMagicUser, 20, 9, 4),
                                  Member("Tam", battle_test::kFighter, 18, 5, 10)});
    battle_test::SetGroups(state, {{0, 1}});
    // Surprise (1 + 1): the party acts first; the Kobold has 2 hit points.
    ForceRolls({1, 1, 2});
    SetupBattle(battle);
    EXPECT_EQ(view.battle_cries, 1);
    EXPECT_EQ(state.Initiative, 1);
    EXPECT_EQ(state.InBattle, True);
    EXPECT_EQ(model.message, "Enter Evro's battle command...");
    EXPECT_EQ(model.white_name, 0);
    EXPECT_FALSE(model.spell_enabled);
    // N while commands are entered does nothing.
    PressNext(battle);
    EXPECT_EQ(state.NextPressed, False);
    RecordCommand(battle);
    EXPECT_EQ(model.command_text[0], "Attack");
    EXPECT_EQ(model.message, "Enter Nim's battle command...");
    EXPECT_TRUE(model.spell_enabled);
    EXPECT_FALSE(model.turn_enabled);
    CommandDown(battle);
    CommandDown(battle);
    EXPECT_EQ(model.CommandIndex, 4);
    CommandDown(battle);
    RecordCommand(battle);  // Nim defends
    EXPECT_EQ(model.command_text[1], "Defend");
    EXPECT_EQ(model.CommandIndex, 5);
    // Evro hits for 2 and kills; Tam, the third, never acts.
    CommandUp(battle);
    CommandUp(battle);
    EXPECT_EQ(model.CommandIndex, 1);  // from 4 past the disabled 3 and 2
    ForceRolls({15, 2});
    RecordCommand(battle);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Evro hits and kills a Kobold.\n  The party has won.");
    EXPECT_EQ(state.BattleOutcome, 1);
    EXPECT_TRUE(model.CloseRequested);
    EXPECT_EQ(state.InBattle, False);
    EXPECT_TRUE(model.tomb[0]);
}

TEST_F(BattleRound, BelowTheCityTheMonstersStrikeFirst) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10)});
    state.Party[0].BattleCommand = 5;  // still defending from the last battle
    state.CurrentBlock = 21;
    battle_test::SetGroups(state, {{4, 2}});
    ForceRolls({5, 5});  // the two Skeletons' hit points; no initiative roll
    SetupBattle(battle);
    EXPECT_EQ(state.Initiative, 2);
    EXPECT_EQ(state.TurnSide, 2);
    EXPECT_EQ(model.message, "Your opponents win intiative...");
    EXPECT_TRUE(model.next_visible);
    EXPECT_EQ(state.AcceptingCommands, False);
    RecordCommand(battle);  // Enter is refused until NEXT
    EXPECT_EQ(view.messages.size(), 0u);
    // Skeleton 1 aims at Evro: to-hit 18 - AC 5 + 2 for defence = 15.
    // It rolls 14 (miss); Skeleton 2 rolls 15 and hits for 6.
    ForceRolls({1, 14, 30, 15, 6});
    PressNext(battle);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], "Skeleton(1) misses Evro.");
    EXPECT_EQ(view.messages[1], "Skeleton(2) hits Evro for 6 hit points.");
    EXPECT_EQ(state.Party[0].HP, 4);
    EXPECT_EQ(state.TurnSide, 1);
    EXPECT_EQ(state.AcceptingCommands, True);
    EXPECT_EQ(model.message, "Enter Evro's battle command...");
    EXPECT_FALSE(model.MonstersFirstPending);
}

TEST_F(BattleRound, InitiativeRolls) {
    // Surprise on 2; otherwise 1d6 + 1 against 1d6, ties to the party.
    ForceRolls({1, 1});
    EXPECT_EQ(RollInitiative(state), 1);
    ForceRolls({1, 2, 4, 5});
    EXPECT_EQ(RollInitiative(state), 1);
    ForceRolls({1, 2, 4, 6});
    EXPECT_EQ(RollInitiative(state), 2);
}

TEST_F(BattleRound, DefeatEndsTheBattle) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 2)});
    battle_test::SetGroups(state, {{22, 1}});  // a Troglodyte: 3 attacks and poison
    ForceRolls({1, 1, 5, 5, 0, 0, 0});         // surprise; 10 hit points; coins (A) never
    SetupBattle(battle);
    ForceRolls({12});        // Evro misses
    ForceRolls({1, 20, 4});  // the Troglodyte hits for 4: unconscious, no poison roll
    RecordCommand(battle);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], "Evro misses.");
    EXPECT_EQ(view.messages[1], "Troglodyte(1) knocks Evro unconcious.\nThe party has been defeated.");
    EXPECT_EQ(state.BattleOutcome, 2);
    EXPECT_EQ(state.InBattle, False);
}

TEST_F(BattleRound, FleeingAndClosing) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10),
                                  Member("Tam", battle_test::kFighter, 18, 5, 10)});
    battle_test::SetGroups(state, {{0, 2}});
    ForceRolls({1, 1, 3, 3});
    SetupBattle(battle);
    model.CommandIndex = 7;
    RecordCommand(battle);
    ForceRolls({18, 17});  // chance 17: the first fails, the second gets away
    RecordCommand(battle);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], "\nThe party is unable to flee.");
    EXPECT_EQ(view.messages[1], "The party successfully flees the scene.");
    EXPECT_EQ(state.BattleOutcome, 7);

    // ExiT during the first wait: nothing after it happens.
    GameState closed_state;
    BattleModel closed_model;
    RecordingBattleView closing;
    BattleContext closed{closed_state, closed_model, closing};
    closing.Attach(closed);
    closing.close_at_wait = 1;
    battle_test::SetParty(closed_state, {Member("Evro", battle_test::kFighter, 18, 5, 10)});
    battle_test::SetGroups(closed_state, {{0, 1}});
    ForceRolls({1, 1, 3, 1});
    SetupBattle(closed);
    RecordCommand(closed);  // Evro misses with 1; the screen closes on the message
    EXPECT_EQ(closing.messages, std::vector<std::string>{"Evro misses."});
    EXPECT_EQ(closed_state.BattleOutcome, 0);
    EXPECT_EQ(closed_state.TurnSide, 1);
}

TEST_F(BattleRound, GroupsCountTheirTypeAndTargetsFollow) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10),
                                  Member("Tam", battle_test::kFighter, 18, 5, 10)});
    // Two Orc groups and a Kobold: the Orc rows both show every live Orc.
    battle_test::SetGroups(state, {{6, 1}, {0, 1}, {6, 2}});
    ForceRolls({1, 1, 1, 100, 100, 100, 3, 5, 100, 100, 100, 5, 100, 100, 100});
    SetupBattle(battle);
    EXPECT_EQ(model.shown_count, (std::array<int, 4>{1, 1, 2, 0}));
    // Tam aims at the second Orc group; Evro kills the first Orc, the row of
    // group 0 now counts the two Orcs left.
    RecordCommand(battle);
    TargetRight(battle);
    TargetRight(battle);
    EXPECT_EQ(model.TargetGroup, 2);
    ForceRolls({20, 8, 12, 1});
    ForceRolls({1, 20, 1});  // the monsters' turn: the Orc and the Kobold hit Evro
    ForceRolls({1, 20, 1});
    ForceRolls({1, 20, 1});
    RecordCommand(battle);
    EXPECT_EQ(view.messages[0], "Evro hits and kills an Orc.");
    EXPECT_EQ(view.messages[1], "Tam hits Orc for 1 hit point.");
    EXPECT_EQ(model.shown_count, (std::array<int, 4>{2, 1, 2, 0}));
    EXPECT_EQ(state.Monsters[2].HitPoints, 4);
    // Kill the Kobold: its row reads (0) and turns to the tomb; Tam, who aimed
    // at it, is sent to the first group that has anybody left.
    state.Monsters[1].MonsterStatus = monster_status::Dead;
    state.Party[1].BattleTarget = 1;
    UpdateMonsters(battle);
    ValidateAttacks(battle);
    EXPECT_TRUE(ReadsZero(state, model, 1));
    EXPECT_TRUE(model.tomb[1]);
    EXPECT_EQ(state.Party[1].BattleTarget, 0);
    // Enter on a group that reads (0) records the code and waits.
    model.TargetGroup = 1;
    model.CommandIndex = 5;
    RecordCommand(battle);
    EXPECT_EQ(state.Party[0].BattleCommand, 5);
    EXPECT_EQ(model.CurrentPlayer, 0);
    EXPECT_EQ(model.message, "Enter Evro's battle command...");
}

TEST_F(BattleRound, FallenCharactersAreSkipped) {
    battle_test::SetParty(state, {Member("Evro", battle_test::kFighter, 18, 5, 10),
                                  Member("Nim", battle_test::kCleric, 18, 5, 10),
                                  Member("Tam", battle_test::kFighter, 18, 5, 10)});
    state.Party[0].Status = status::Unconscious;
    state.Party[1].Status = status::Dead;
    state.Party[2].Weapon = 7;
    battle_test::SetGroups(state, {{0, 1}});
    ForceRolls({1, 1, 3});
    SetupBattle(battle);
    EXPECT_EQ(model.CurrentPlayer, 2);
    EXPECT_EQ(model.message, "Enter Tam's battle command...");
    // Enter with the disabled labels skipped: Down from 1 goes to 4.
    CommandDown(battle);
    EXPECT_EQ(model.CommandIndex, 4);
    SelectCommand(battle, 2);  // a disabled label takes no click
    EXPECT_EQ(model.CommandIndex, 4);
    RecordCommand(battle);
    EXPECT_EQ(view.backpacks_opened, 1);
    EXPECT_EQ(state.BackpackMode, 5);
    EXPECT_EQ(state.SelectedPlayer, 3);
    EXPECT_EQ(view.messages.front(), "Tam has nothing to use.");
}

}  // namespace
}  // namespace duskmoor
