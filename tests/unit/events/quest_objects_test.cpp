#include "events/quest_objects.h"

#include <gtest/gtest.h>

#include <set>

#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "events/scripted_game.h"
#include "world/block_tables.h"

namespace duskmoor {
namespace {

TEST(QuestObjects, EveryObjectLiesInTheRuinsAndPaysMoreThanTheOneBefore) {
    std::set<int> placed;
    for (int block = 1; block < kBlockCount; ++block)
        for (const EncounterContent& entry : EncounterContentOf(block).entries)
            if (entry.quest_object > 0) placed.insert(entry.quest_object);
    EXPECT_EQ(placed.size(), static_cast<size_t>(kQuestObjects));
    int32_t reward = 0;
    for (int object = 1; object <= kQuestObjects; ++object) {
        EXPECT_TRUE(placed.count(object)) << object;
        const QuestObjectInfo& info = QuestObjectOf(object);
        EXPECT_GT(info.reward, reward) << object;
        reward = info.reward;
        EXPECT_FALSE(std::string(info.found_message).empty());
        EXPECT_FALSE(GetQuestName(object).empty());
        EXPECT_TRUE(IsQuestItem(static_cast<int16_t>(99 + object)));
    }
    EXPECT_FALSE(IsQuestItem(99));
    EXPECT_FALSE(IsQuestItem(114));
    EXPECT_TRUE(GetQuestName(0).empty());
    EXPECT_TRUE(GetQuestName(15).empty());
}

TEST(QuestObjects, TheFirstPackWithRoomTakesTheObjectWithoutWeight) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 2);
    GameState& state = scripted.game.state;
    state.Party[0].PackCount = 24;
    state.Party[1].PackCount = 23;
    state.Party[1].Load = 40;
    EXPECT_TRUE(RevealQuestObject(scripted.game, 7));
    EXPECT_EQ(state.Party[1].Pack[23], 106);
    EXPECT_EQ(state.Party[1].PackCount, 24);
    EXPECT_EQ(state.Party[1].Load, 40);
    EXPECT_FALSE(RevealQuestObject(scripted.game, 1));
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Next to the bodies you find the Moonsea Helm!\n"
              "dialog 1 Evro has the object.\n"
              "dialog 1 Among the bodies, you find Sir Richard's ring!\n"
              "dialog 1 No one has any room to carry this object...make room or come back later.\n");
}

TEST(QuestObjects, RedeemingTakesTheFirstObjectOnlyAndPaysEveryone) {
    ScriptedGame scripted(
        "click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n"
        "click cmdButton1\n",
        3);
    GameState& state = scripted.game.state;
    state.Party[0].Pack = {1, 2};
    state.Party[0].PackCount = 2;
    state.Party[1].Pack = {5, 110, 101, 7};
    state.Party[1].PackCount = 4;
    state.Party[1].MaxLoad = 5000;
    state.Party[2].HP = 0;
    state.Party[2].Status = status::Dead;
    RedeemQuestObject(scripted.game);
    EXPECT_EQ(state.Party[1].PackCount, 3);
    EXPECT_EQ(state.Party[1].Pack[1], 101);
    EXPECT_EQ(state.Party[1].Pack[2], 7);
    EXPECT_EQ(state.Party[1].Pack[3], 0);
    EXPECT_EQ(state.Party[1].Gold, 2200);
    EXPECT_EQ(state.Party[1].Load, 2200);
    EXPECT_TRUE(IsSet(state.QuestsDone[11]));
    EXPECT_FALSE(IsSet(state.QuestsDone[2]));
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(state.Party[slot].Experience, 200) << slot;
    state.Party[1].PackCount = 0;
    RedeemQuestObject(scripted.game);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Your reward for the Golden Flail is 2200 gold pieces!\n"
              "dialog 1 Each player earns 200 experience points.\n"
              "dialog 1 No quest objects to redeem.\n");
    EXPECT_EQ(ShowCompleted(state), "Completed quests...\n\nThe Golden Flail\n");
}

TEST(QuestObjects, AnOverloadingRewardIsSplitOrKeptToWhatFits) {
    // Yes: the 450 gold go round the party; No: the finder keeps what fits.
    ScriptedGame scripted(
        "click cmdButton1\nclick cmdButton1\nclick cmdButton1\n"
        "click cmdButton1\nclick cmdButton2\nclick cmdButton1\nclick cmdButton1\n",
        2);
    GameState& state = scripted.game.state;
    for (PLAYER& member : state.Party) member.MaxLoad = 1000;
    state.Party[0].Load = 600;
    state.Party[1].Load = 900;
    GetReward(scripted.game, 0, 100);
    EXPECT_EQ(state.Party[0].Gold, 400);
    EXPECT_EQ(state.Party[0].Load, 1000);
    EXPECT_EQ(state.Party[1].Gold, 50);
    state.Party[1].Load = 550;  // 550 + 450 reaches MaxLoad exactly: the question is asked
    state.Party[1].Gold = 0;
    GetReward(scripted.game, 1, 100);
    EXPECT_EQ(state.Party[1].Gold, 450);
    EXPECT_EQ(state.Party[1].Load, 1000);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Your reward for Sir Richard's Ring is 450 gold pieces!\n"
              "dialog 2 Rhomadon will be overloaded, split money?\n"
              "dialog 1 Each player earns 200 experience points.\n"
              "dialog 1 Your reward for Sir Richard's Ring is 450 gold pieces!\n"
              "dialog 2 Evro will be overloaded, split money?\n"
              "dialog 1 Evro received450 gold pieces.\n"
              "dialog 1 Each player earns 200 experience points.\n");
}

TEST(QuestObjects, TheQuestListNamesAllFourteenInOrder) {
    const std::string list = ShowQuests();
    EXPECT_EQ(list.rfind("If you should find any of these items in your travels, bring them back here for a "
                         "generous reward...\n\nSir Richard's Ring\nTraveller's Sword\n",
                         0),
              0u);
    EXPECT_EQ(list.substr(list.size() - 19), "The Crown of Draco\n");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 2 + kQuestObjects);
}

}  // namespace
}  // namespace duskmoor
