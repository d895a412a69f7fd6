#include "tactics.h"

#include <gtest/gtest.h>

#include "combat/monster_codes.h"

namespace duskmoor::bot {
namespace {

GameState Fighters(int count, int hp, int ac, int to_hit, int weapon) {
    GameState state;
    state.NumPlayers = static_cast<int16_t>(count);
    for (int slot = 0; slot < count; ++slot) {
        PLAYER& p = state.Party[slot];
        p.Class = 0;
        p.HP = p.MaxHP = static_cast<int16_t>(hp);
        p.AC = static_cast<int16_t>(ac);
        p.ToHit = static_cast<int16_t>(to_hit);
        p.Weapon = static_cast<int16_t>(weapon);
        p.Status = 1;
        p.Position = static_cast<int16_t>(slot + 1);
    }
    return state;
}

TEST(BotTactics, TheTwentySidedDieAtItsEdges) {
    EXPECT_DOUBLE_EQ(D20Chance(1), 1.0);
    EXPECT_DOUBLE_EQ(D20Chance(-5), 1.0);
    EXPECT_DOUBLE_EQ(D20Chance(11), 0.5);
    EXPECT_DOUBLE_EQ(D20Chance(20), 0.05);
    EXPECT_DOUBLE_EQ(D20Chance(21), 0.0);
    // A kobold (to-hit 19) against plate and shield (AC 2) needs 17.
    EXPECT_DOUBLE_EQ(MonsterThreat(0, 2), 4 / 20.0 * 3.5);
    EXPECT_DOUBLE_EQ(MonsterHitPoints(15), 45.0);  // an ettin's 10d8
}

TEST(BotTactics, OutcomesFollowStrengthAndHealth) {
    const std::vector<GroupSight> kobolds{{0, 4, false}};
    const std::vector<GroupSight> ettins{{15, 3, false}};
    GameState strong = Fighters(4, 40, 2, 12, 10);
    GameState weak = Fighters(4, 6, 9, 18, 3);
    EXPECT_GT(ExpectedOutcome(strong, kobolds), 0.8);
    EXPECT_GT(ExpectedOutcome(strong, kobolds), ExpectedOutcome(weak, kobolds));
    EXPECT_LE(ExpectedOutcome(weak, ettins), 0.0);
    EXPECT_TRUE(ShouldRun(weak, ettins));
    EXPECT_FALSE(ShouldRun(strong, kobolds));
    // Wounded, the same party does worse; rested, as well as when whole.
    GameState wounded = strong;
    for (int slot = 0; slot < 4; ++slot) wounded.Party[slot].HP = 3;
    const std::vector<GroupSight> bugbears{{12, 3, false}};
    EXPECT_GT(ExpectedOutcome(strong, bugbears), 0.0);
    EXPECT_LT(ExpectedOutcome(wounded, bugbears), ExpectedOutcome(strong, bugbears));
    EXPECT_DOUBLE_EQ(ExpectedOutcome(wounded, bugbears, true), ExpectedOutcome(strong, bugbears));
    // The fallen fight no more.
    GameState fallen = strong;
    for (int slot = 0; slot < 4; ++slot) fallen.Party[slot].Status = 2;
    EXPECT_DOUBLE_EQ(ExpectedOutcome(fallen, kobolds), 0.0);
}

TEST(BotTactics, TargetsSleepersFirstThenTheDeadliestForItsHitPoints) {
    GameState party = Fighters(4, 20, 4, 15, 10);
    std::vector<GroupSight> groups{{0, 5, false}, {7, 1, false}, {6, 0, false}};
    EXPECT_EQ(ChooseTarget(party, groups), 1);  // the scorpion's three stings
    groups[0].asleep = true;
    EXPECT_EQ(ChooseTarget(party, groups), 0);
    // An empty group is never the target, and sleep is not for the undead.
    std::vector<GroupSight> undead{{4, 0, false}, {4, 6, false}};
    EXPECT_EQ(ChooseTarget(party, undead), 1);
    EXPECT_EQ(SleepTarget(party, undead), -1);
    std::vector<GroupSight> mixed{{4, 6, false}, {15, 2, false}};
    EXPECT_EQ(SleepTarget(party, mixed), 1);
}

TEST(BotTactics, TurningChancesFollowTheClericsLevel) {
    EXPECT_DOUBLE_EQ(TurnChance(4, 1), 0.5);        // skeletons: 7 or more on a d12
    EXPECT_DOUBLE_EQ(TurnChance(4, 2), 1.0);        // and without a roll from level 2
    EXPECT_DOUBLE_EQ(TurnChance(17, 1), 2 / 12.0);  // ghouls need 11 at level 1
    EXPECT_DOUBLE_EQ(TurnChance(21, 3), 0.0);       // mummies give nothing below level 4
    EXPECT_DOUBLE_EQ(TurnChance(21, 4), 2 / 12.0);
    EXPECT_DOUBLE_EQ(TurnChance(21, 5), 1.0);
    EXPECT_DOUBLE_EQ(TurnChance(23, 5), 0.0);  // the vampire only from level 6
    EXPECT_DOUBLE_EQ(TurnChance(23, 6), 2 / 12.0);
    EXPECT_DOUBLE_EQ(TurnChance(23, 8), 6 / 12.0);
    EXPECT_DOUBLE_EQ(TurnChance(15, 9), 0.0);  // an ettin is no undead
    // Sleep takes one ettin at least, and more of the small fry.
    EXPECT_EQ(SleepersPerSpell(15, 3), 1);
    EXPECT_EQ(SleepersPerSpell(0, 20), 9);
    EXPECT_EQ(SleepersPerSpell(0, 4), 4);
}

TEST(BotTactics, SleepAndTurningWinWhatBladesAloneLose) {
    GameState party = Fighters(4, 20, 2, 14, 10);
    const std::vector<GroupSight> ettins{{15, 2, false}};
    const std::vector<GroupSight> zombies{{5, 12, false}};
    const double blades = ExpectedOutcome(party, ettins);
    party.Party[3].Class = 1;  // a magic-user with two sleeps
    party.Party[3].Spells = {1, 10, 1, 10};
    EXPECT_GT(ExpectedOutcome(party, ettins), std::max(blades, 0.0));
    const double without_cleric = ExpectedOutcome(party, zombies);
    party.Party[2].Class = 3;
    party.Party[2].Level = 3;  // zombies turn without a roll
    EXPECT_GT(ExpectedOutcome(party, zombies), without_cleric);
}

}  // namespace
}  // namespace duskmoor::bot
