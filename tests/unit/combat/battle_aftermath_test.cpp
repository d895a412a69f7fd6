#include <gtest/gtest.h>

#include <set>

#include "battle_test_support.h"
#include "combat/fight_battle.h"
#include "events/random_encounters.h"
#include "items/item_catalogue.h"
#include "town/treasure_rules.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;
using battle_test::Member;

TEST(BattleAftermath, ExperienceGoesToThoseStanding) {
    GameState state;
    battle_test::SetParty(state, {Member("A", 0, 18, 5, 5), Member("B", 0, 18, 5, 5),
                                  Member("C", 0, 18, 5, 5), Member("D", 0, 18, 5, 5)});
    state.NumMonsters = 3;
    state.Monsters[0].ExperienceValue = 10;
    state.Monsters[1].ExperienceValue = 10;
    state.Monsters[2].ExperienceValue = 5;
    EXPECT_EQ(ExperienceShare(state), 6);  // 25 / 4 = 6.25
    state.Party[1].Status = status::Unconscious;
    state.Party[2].Status = status::Dead;
    EXPECT_EQ(ExperienceShare(state), 12);  // 25 / 2 = 12.5: halves go to even
    state.Monsters[2].ExperienceValue = 7;
    EXPECT_EQ(ExperienceShare(state), 14);  // 27 / 2 = 13.5: to the even 14
    state.Party[0].Status = status::Dead;
    state.Party[3].Status = status::Unconscious | status::Poisoned;
    EXPECT_EQ(ExperienceShare(state), 0);
    // A roster count beyond the table reads no further than its 41 slots.
    state.Party[0].Status = status::Ok;
    state.NumMonsters = 900;
    EXPECT_EQ(ExperienceShare(state), 27);
}

TEST(BattleAftermath, TheFallenWakeAndTheCoinsAreCounted) {
    GameState state;
    battle_test::SetParty(state, {Member("A", 0, 18, 5, 5), Member("B", 0, 18, 5, 5),
                                  Member("C", 0, 18, 5, 5), Member("D", 0, 18, 5, 5)});
    state.Party[0].Status = status::Unconscious | status::Poisoned;
    state.Party[0].HP = -7;
    state.Party[1].Status = status::Dead;
    state.Party[1].HP = -12;
    state.Party[2].Status = 0;  // neither able nor fallen
    state.Party[3].Status = status::Ok | status::Poisoned;
    WakeTheFallen(state);
    EXPECT_EQ(state.Party[0].Status, status::Ok | status::Poisoned);
    EXPECT_EQ(state.Party[0].HP, 1);
    EXPECT_EQ(state.Party[1].Status, status::Dead);
    EXPECT_EQ(state.Party[1].HP, -12);
    EXPECT_EQ(state.Party[2].Status, status::Ok);
    EXPECT_EQ(state.Party[3].Status, status::Ok | status::Poisoned);

    state.NumMonsters = 2;
    state.Monsters[0].GoldCarried = 40;
    state.Monsters[0].CopperCarried = 3;
    state.Monsters[1].GoldCarried = 20;
    state.Monsters[1].SilverCarried = 70;
    state.Monsters[1].MonsterStatus = monster_status::Turned;  // driven off, its purse still counts
    state.Monsters[2].GoldCarried = 999;                       // beyond the roster
    state.TreasureItems = {20, 0, 0, 0};
    CollectBattleCoins(state);
    EXPECT_EQ(state.TreasureGold, 60);
    EXPECT_EQ(state.TreasureSilver, 70);
    EXPECT_EQ(state.TreasureCopper, 3);
    EXPECT_EQ(state.TreasureItems, (std::array<int16_t, 4>{}));
}

TEST(RandomEncounters, TiersFollowTheBlocks) {
    EXPECT_EQ(TierOfBlock(0), 1);
    EXPECT_EQ(TierOfBlock(5), 1);
    EXPECT_EQ(TierOfBlock(6), 2);
    EXPECT_EQ(TierOfBlock(9), 2);
    EXPECT_EQ(TierOfBlock(10), 3);
    EXPECT_EQ(TierOfBlock(14), 4);
    EXPECT_EQ(TierOfBlock(17), 4);
    EXPECT_EQ(TierOfBlock(18), 5);
    EXPECT_EQ(TierOfBlock(21), 5);
    for (int tier = 1; tier <= 5; ++tier) {
        const RandomTier& row = TierTable(tier);
        EXPECT_EQ(std::set<int16_t>(row.types.begin(), row.types.end()).size(), 5u);
        EXPECT_GE(row.max_groups, 1);
        EXPECT_LE(row.max_groups, 4);
        EXPECT_LE(row.max_groups * row.max_number, 41);  // a random battle always fits the roster
    }
}

TEST(RandomEncounters, GroupsAreDrawnWithDistinctTypes) {
    battle_test::ClearForcedRolls();
    // 1..max_groups from r x 100: 3 is thrown away for a maximum of 2.
    ForceRolls({3, 0, 2});
    EXPECT_EQ(RandomGroups(2), 2);
    GameState state;
    state.EncounterGroups[3] = {9, 9};
    // Four sizes first, one for every group used or not (6 is beyond 5 and
    // drawn again), then the picks: 4, 4 again (taken: drawn anew), then 0.
    ForceRolls({5, 1, 6, 2, 4, 4, 4, 0});
    BuildRandom(state, 2, 2, 5);
    EXPECT_EQ(state.EncounterGroups[0].MonsterType, 19);  // Gnoll, pick 4 of tier 2
    EXPECT_EQ(state.EncounterGroups[0].Count, 5);
    EXPECT_EQ(state.EncounterGroups[1].MonsterType, 5);  // Zombie, pick 0
    EXPECT_EQ(state.EncounterGroups[1].Count, 1);
    EXPECT_EQ(state.EncounterGroups[2].Count, 0);
    EXPECT_EQ(state.EncounterGroups[3].Count, 0);
    // Over many seeded draws: never two groups of one type, never too many.
    battle_test::ClearForcedRolls();
    for (int run = 0; run < 300; ++run) {
        const int tier = run % 5 + 1;
        const RandomTier& row = TierTable(tier);
        const int groups = RandomGroups(row.max_groups);
        BuildRandom(state, groups, tier, row.max_number);
        std::set<int16_t> types;
        int total = 0;
        for (int g = 0; g < 4; ++g) {
            const EncounterGroup& group = state.EncounterGroups[g];
            if (g >= groups) {
                EXPECT_EQ(group.Count, 0);
                continue;
            }
            EXPECT_TRUE(types.insert(group.MonsterType).second);
            EXPECT_GE(group.Count, 1);
            EXPECT_LE(group.Count, row.max_number);
            total += group.Count;
        }
        EXPECT_LE(total, 41);
    }
    // r x 10: 0 and 5.5 (to the even 6) are thrown away.
    for (double r : {0.0, 0.1, 0.55, 0.4}) Random().Force(r);
    EXPECT_EQ(GetBattleString(), "A battle begins...");
    EXPECT_EQ(GetBattleString(), "You are attacked!");
}

TEST(TreasureRules, TakingCoinsChecksEveryBox) {
    GameState state;
    battle_test::SetParty(state, {Member("Evro", 0, 18, 5, 5)});
    PLAYER& evro = state.Party[0];
    evro.Load = 1500;
    state.TreasureGold = 60;
    state.TreasureSilver = 30;
    state.TreasureCopper = 200;
    EXPECT_EQ(LeadingNumber(" 12abc"), 12);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("2.5 coins"), 2.5);
    EXPECT_EQ(LeadingNumber("-3"), -3);
    // The silver box asks for more than there is: it alone is named, nothing moves.
    CoinTake take = TakeTreasureCoins(state, 0, 0, {"10", "31", "5"});
    EXPECT_EQ(take.result, TakeResult::AmountRefused);
    EXPECT_EQ(take.refused_box, 1);
    EXPECT_EQ(evro.Gold, 0);
    // A negative amount, or one beyond 16 bits, is refused the same way.
    EXPECT_EQ(TakeTreasureCoins(state, 0, 2, {"0", "0", "-1"}).refused_box, 2);
    state.TreasureCopper = 100000;
    EXPECT_EQ(TakeTreasureCoins(state, 0, 2, {"0", "0", "40000"}).refused_box, 2);
    state.TreasureCopper = 200;
    // 100 + 1500 is exactly the most Evro can carry; 101 is one too many.
    EXPECT_EQ(TakeTreasureCoins(state, 0, 2, {"0", "0", "101"}).result, TakeResult::Overloaded);
    take = TakeTreasureCoins(state, 0, 2, {"60", "0", "100"});
    EXPECT_EQ(take.result, TakeResult::Taken);
    EXPECT_EQ(evro.Copper, 100);
    EXPECT_EQ(evro.Load, kMaxLoad);
    EXPECT_EQ(state.TreasureCopper, 100);
    EXPECT_EQ(state.TreasureGold, 60);
    // 2.5 gold rounds to 2.
    evro.Load = 0;
    EXPECT_EQ(TakeTreasureCoins(state, 0, 0, {"2.5", "", ""}).result, TakeResult::Taken);
    EXPECT_EQ(evro.Gold, 2);
    EXPECT_EQ(state.TreasureGold, 58);
}

TEST(TreasureRules, ItemsNeedRoomAndStrength) {
    GameState state;
    battle_test::SetParty(state, {Member("Evro", 0, 18, 5, 5)});
    PLAYER& evro = state.Party[0];
    state.TreasureItems = {20, 0, 18, 0};
    EXPECT_EQ(TakeTreasureItem(state, 0, 1), TakeResult::NothingThere);
    EXPECT_EQ(TakeTreasureItem(state, 0, 7), TakeResult::NothingThere);
    evro.PackCount = 23;  // two places free, but a treasure needs more
    EXPECT_EQ(TakeTreasureItem(state, 0, 0), TakeResult::PackFull);
    evro.PackCount = 22;
    evro.Load = static_cast<int16_t>(kMaxLoad - ItemWeight(18) + 1);
    EXPECT_EQ(TakeTreasureItem(state, 0, 2), TakeResult::Overloaded);
    evro.Load = static_cast<int16_t>(kMaxLoad - ItemWeight(18));
    EXPECT_EQ(TakeTreasureItem(state, 0, 2), TakeResult::Taken);
    EXPECT_EQ(evro.Pack[22], 18);
    EXPECT_EQ(evro.PackCount, 23);
    EXPECT_EQ(evro.Load, kMaxLoad);
    EXPECT_EQ(state.TreasureItems, (std::array<int16_t, 4>{20, 0, 0, 0}));
    EXPECT_EQ(LeftoverQuestion(state), "There are items left, go back?");
    state.TreasureCopper = 1;
    EXPECT_EQ(LeftoverQuestion(state), "There are items and treasure left, go back?");
    state.TreasureItems[0] = 0;
    EXPECT_EQ(LeftoverQuestion(state), "There is treasure left, go back?");
    state.TreasureCopper = 0;
    state.TreasureGold = -5;
    EXPECT_EQ(LeftoverQuestion(state), "");
}

}  // namespace
}  // namespace duskmoor
