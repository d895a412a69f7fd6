#include "town/training.h"

#include <gtest/gtest.h>

#include "core/random.h"
#include "support/scripted_game.h"

namespace duskmoor {
namespace {

constexpr int kFighter = 0, kMagicUser = 1, kThief = 2, kCleric = 3;

using TrainingHall = ScriptedGame;

// A draw that the dice turn into `face` (a uniform value times 100, rounded).
double DrawFor(int face) {
    return face / 100.0;
}

TEST(Training, TheExperienceTableRisesWithLevelAndEndsAtSix) {
    for (int character_class : {kFighter, kMagicUser, kThief, kCleric}) {
        EXPECT_EQ(ExpForLevel(character_class, 1), -1);
        EXPECT_EQ(ExpForLevel(character_class, 7), -1);
        for (int level = 3; level <= 6; ++level)
            EXPECT_GT(ExpForLevel(character_class, level), ExpForLevel(character_class, level - 1));
    }
    EXPECT_EQ(ExpForLevel(kFighter, 2), 2000);
    EXPECT_EQ(ExpForLevel(kMagicUser, 6), 40000);
    EXPECT_EQ(ExpForLevel(kThief, 4), 5000);
    EXPECT_EQ(ExpForLevel(kCleric, 6), 25000);
    EXPECT_EQ(ExpForLevel(4, 2), -1);

    GameState state;
    state.Party[0].Experience = 2400;
    EXPECT_TRUE(ReadyToAdvance(state, kThief, 2, 0)) << "exactly the table value is enough";
    state.Party[0].Experience = 2399;
    EXPECT_FALSE(ReadyToAdvance(state, kThief, 2, 0));
    state.Party[0].Experience = 1000000;
    EXPECT_FALSE(ReadyToAdvance(state, kThief, 6, 0)) << "there is no level 7";
}

TEST(Training, ALevelBringsAHitAbilitiesAndHitPointsByClass) {
    GameState state;
    PLAYER& mage = state.Party[0];
    mage.Class = kMagicUser;
    mage.Level = 1;
    mage.ToHit = 4;
    mage.MaxHP = 4;
    mage.HP = 2;
    mage.Strength = 18;
    mage.Wisdom = 17;
    mage.Intelligence = 3;
    mage.Dexterity = 18;
    mage.Constitution = 10;
    mage.Charisma = 19;
    Random().Force(DrawFor(1));
    LevelUp(state, 0);
    EXPECT_EQ(mage.Level, 2);
    EXPECT_EQ(mage.ToHit, 3);
    EXPECT_EQ(mage.MaxHP, 4 + 3) << "a 1 on the four-sided die is raised to 3";
    EXPECT_EQ(mage.HP, 2);
    EXPECT_EQ(mage.Strength, 18);
    EXPECT_EQ(mage.Wisdom, 18);
    EXPECT_EQ(mage.Intelligence, 4);
    EXPECT_EQ(mage.Dexterity, 18);
    EXPECT_EQ(mage.Constitution, 11);
    EXPECT_EQ(mage.Charisma, 19);

    PLAYER& fighter = state.Party[1];
    fighter.Class = kFighter;
    fighter.MaxHP = 10;
    Random().Force(DrawFor(7));
    LevelUp(state, 1);
    EXPECT_EQ(fighter.MaxHP, 17);
    Random().Force(DrawFor(2));
    LevelUp(state, 1);
    EXPECT_EQ(fighter.MaxHP, 22) << "a fighter gains at least 5";
}

TEST(Training, OnlyThoseReadyAreOfferedAndOnlyThosePaidAdvance) {
    // Rhomadon is ready and trains; Evro is ready but declines; Sharah is at
    // the top level; Whisper is ready but the money has run out.
    TrainingHall hall(
        "click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n"
        "click cmdButton1\nclick cmdButton2\n"
        "click cmdButton1\nclick cmdButton1\nclick cmdButton1\n"
        "click cmdButton1\n");
    GameState& state = hall.game.state;
    state.NumPlayers = 4;
    const char* names[] = {"Rhomadon", "Evro", "Sharah", "Whisper"};
    const int classes[] = {kFighter, kThief, kCleric, kMagicUser};
    const int levels[] = {5, 1, 6, 1};
    const int32_t experience[] = {32000, 1200, 999999, 2500};
    for (int slot = 0; slot < 4; ++slot) {
        PLAYER& member = state.Party[slot];
        member.Name = names[slot];
        member.Class = static_cast<int16_t>(classes[slot]);
        member.Level = static_cast<int16_t>(levels[slot]);
        member.Experience = experience[slot];
        member.MaxLoad = 1600;
    }
    state.Party[2].Gold = 1500;
    state.Party[2].Load = 1500;
    TrainParty(hall.game);
    EXPECT_EQ(state.Party[0].Level, 6);
    EXPECT_EQ(state.Party[1].Level, 1);
    EXPECT_EQ(state.Party[2].Level, 6);
    EXPECT_EQ(state.Party[3].Level, 1);
    EXPECT_EQ(state.Party[2].Gold, 500);
    EXPECT_EQ(state.Party[2].Load, 500);
    EXPECT_EQ(hall.transcript.str(),
              "dialog 1 Rhomadon is ready for advancement.\n"
              "dialog 2 Training will cost 1000 gps...train Rhomadon?\n"
              "dialog 1 Transaction completed.\n"
              "dialog 1 Rhomadon has advanced one level.\n"
              "dialog 1 Evro is ready for advancement.\n"
              "dialog 2 Training will cost 1000 gps...train Evro?\n"
              "dialog 1 Whisper is ready for advancement.\n"
              "dialog 2 Training will cost 1000 gps...train Whisper?\n"
              "dialog 1 Not enough money!\n"
              "dialog 1 No other characters are ready for advancement.\n");
}

TEST(Training, NobodyReadyIsToldSo) {
    TrainingHall hall("click cmdButton1\n");
    hall.game.state.NumPlayers = 1;
    hall.game.state.Party[0].Name = "Evro";
    hall.game.state.Party[0].Level = 1;
    TrainParty(hall.game);
    EXPECT_EQ(hall.transcript.str(), "dialog 1 No characters are ready for advancement.\n");
}

}  // namespace
}  // namespace duskmoor
