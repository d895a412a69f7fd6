#include "events/traps.h"

#include <gtest/gtest.h>

#include "events/scripted_game.h"

namespace duskmoor {
namespace {

TEST(Traps, ThievesFindTrapsByLevelOnly) {
    EXPECT_EQ(TrapDetectChance(0), 0);
    EXPECT_EQ(TrapDetectChance(1), 10);
    EXPECT_EQ(TrapDetectChance(4), 25);
    EXPECT_EQ(TrapDetectChance(6), 35);
    EXPECT_EQ(TrapDetectChance(7), 0);
    EXPECT_EQ(TrapDetectChance(-1), 0);
}

TEST(Traps, ALevelOneThiefDisarmsWithTenOrLessAndEveryoneGainsExperience) {
    // Evro, a level-1 thief in slot 1, rolls 11 (missed), then on a second trap 10.
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 3);
    GameState& state = scripted.game.state;
    state.TrapKind = trap_kind::Pit;
    state.Party[2].HP = 0;  // the fallen take no damage and are not named
    state.Party[2].Status = status::Unconscious;
    state.Party[0].HP = 5;
    state.Party[1].HP = 4;
    ScriptedGame::Rolls({11, 3, 4});
    EXPECT_FALSE(HandleTrap(scripted.game));
    EXPECT_EQ(state.Party[0].HP, 2);
    EXPECT_EQ(state.Party[1].HP, 0);
    EXPECT_EQ(state.Party[1].Status, status::Unconscious);
    EXPECT_EQ(state.Party[2].HP, 0);
    ScriptedGame::Rolls({10});
    EXPECT_FALSE(HandleTrap(scripted.game));
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(state.Party[slot].Experience, 50) << slot;
    EXPECT_EQ(scripted.Said(),
              "dialog 1 You fall into a trap pit.\n"
              "dialog 1 Rhomadon is hit for 3 hit points.\n"
              "dialog 1 Evro is hit for 4 hit points and is knocked unconcious.\n"
              "dialog 1 Evro detects and disarms a trap!  Each player gains 50 experience points!\n");
}

TEST(Traps, TheSecondThiefRollsWhenTheFirstMisses) {
    ScriptedGame scripted("click cmdButton1\n", 3);
    GameState& state = scripted.game.state;
    state.Party[0].Class = 2;  // two thieves: slot 0 at level 3 (20%), slot 1 at level 1
    state.Party[0].Level = 3;
    ScriptedGame::Rolls({21, 9});
    EXPECT_FALSE(HandleTrap(scripted.game));
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Evro detects and disarms a trap!  Each player gains 50 experience points!\n");
}

// Dice of at most ten sides never take a standing character to -10: traps
// knock out but do not kill.
TEST(Traps, SpikesKnockOutAtZeroAndAtMinusNine) {
    ScriptedGame scripted(
        "click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 4);
    GameState& state = scripted.game.state;
    state.TrapKind = trap_kind::Spikes;
    state.Party[1].Class = 0;  // nobody looks for the trap
    state.Party[0].HP = 10;
    state.Party[1].HP = 1;
    state.Party[2].HP = 2;
    state.Party[3].HP = 1;
    state.Party[3].Status = status::Ok | status::Poisoned;
    ScriptedGame::Rolls({10, 10, 1, 1});
    EXPECT_FALSE(HandleTrap(scripted.game));
    EXPECT_EQ(state.Party[0].HP, 0);
    EXPECT_EQ(state.Party[0].Status, status::Unconscious);
    EXPECT_EQ(state.Party[1].HP, 0);  // 1 - 10 = -9: still only unconscious
    EXPECT_EQ(state.Party[1].Status, status::Unconscious);
    EXPECT_EQ(state.Party[2].HP, 1);
    EXPECT_EQ(state.Party[3].Status, status::Unconscious | status::Poisoned);
    EXPECT_NE(scripted.Said().find("Rhomadon is hit for 10 hit points and is knocked unconcious.\n"),
              std::string::npos);
    EXPECT_NE(scripted.Said().find("Sharah is hit for 1 hit point.\n"), std::string::npos);
    EXPECT_NE(scripted.Said().find("Whisper is hit for 1 hit point and is knocked unconcious.\n"),
              std::string::npos);
}

TEST(Traps, TheLastOneStandingFallingEndsTheParty) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\n", 1);
    GameState& state = scripted.game.state;
    state.TrapKind = trap_kind::Arrows;
    state.Party[0].HP = 1;
    ScriptedGame::Rolls({6});
    EXPECT_TRUE(HandleTrap(scripted.game));
    EXPECT_EQ(state.Party[0].HP, 0);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 You've sprung an arrow trap.\n"
              "dialog 1 Rhomadon is hit for 6 hit points and is knocked unconcious.\n");
}

}  // namespace
}  // namespace duskmoor
