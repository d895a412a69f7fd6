#include "combat/monster_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "battle_test_support.h"
#include "combat/battle_roster.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;

TEST(MonsterCatalogue, ExperienceFollowsToHitAndSpecials) {
    // The experience column is the award of the level the to-hit value comes
    // from: to-hit = 19 - level, and one special ability adds twice the increment.
    std::set<std::string> names;
    for (int type = 0; type < kMonsterKinds; ++type) {
        const MonsterKind& kind = MonsterCatalogue()[type];
        SCOPED_TRACE(kind.name);
        const int level = 19 - kind.to_hit;
        EXPECT_EQ(MonsterToHitBase(level), kind.to_hit);
        EXPECT_EQ(MonsterExperience(level, kind.specials), kind.experience);
        EXPECT_EQ(kind.specials != 0,
                  kind.special != 0 || type == 13 || type == 17 || type == 18 || type == 21);
        EXPECT_GE(kind.hit_dice.count, 1);
        EXPECT_TRUE(names.insert(kind.name).second);
        EXPECT_EQ(MonsterName(type), kind.name);
    }
    EXPECT_EQ(MonsterExperience(2, 1), 30);    // Troglodyte: 20 + 5 x 2
    EXPECT_EQ(MonsterExperience(8, 1), 1750);  // Von Devever: 650 + 550 x 2
    EXPECT_EQ(MonsterExperience(9, 1), 2300);  // Devil
    EXPECT_EQ(MonsterExperience(10, 0), 900);  // levels 9 and 10 share a row
    EXPECT_EQ(MonsterExperience(3, -1), 35);
    EXPECT_EQ(MonsterExperience(11, 0), 0);
    EXPECT_EQ(MonsterToHitBase(-1), 0);
    EXPECT_EQ(MonsterToHitBase(0), 19);
    EXPECT_EQ(MonsterToHitBase(10), 9);
    // The Ghoul fights as a level-4 monster but is turned as level 2.
    EXPECT_EQ(MonsterLevel(17), 2);
    EXPECT_EQ(MonsterCatalogue()[17].to_hit, 15);
}

TEST(MonsterCatalogue, NamesPicturesAndArticles) {
    EXPECT_EQ(MonsterName(-1), "");
    EXPECT_EQ(MonsterName(26), "");
    EXPECT_EQ(MonsterLevel(26), 0);
    EXPECT_EQ(MonsterName(0), "Kobold");
    EXPECT_EQ(MonsterName(25), "Town Guard");
    EXPECT_EQ(MonsterPicture(23), "VampireBmp");
    EXPECT_EQ(MonsterPicture(22), "MonsterBmp");
    std::set<int> with_an;
    for (int type = 0; type < kMonsterKinds; ++type)
        if (MonsterArticle(type) == "an ")
            with_an.insert(type);
        else
            EXPECT_EQ(MonsterArticle(type), "a ");
    // "an Orc", "an Anhkheg", "an Axe Beak", "an Ettin" -- but "a Ogre".
    EXPECT_EQ(with_an, (std::set<int>{6, 9, 10, 15}));
    std::set<int> undead;
    for (int type = 0; type < kMonsterKinds; ++type)
        if (IsUndead(type)) undead.insert(type);
    EXPECT_EQ(undead, (std::set<int>{4, 5, 17, 18, 21, 23}));
}

TEST(MonsterCatalogue, CarriedItemsComeFromWeaponAndKit) {
    auto carried = [](int type) {
        Monster monster;
        monster.WeaponCarried = MonsterCatalogue()[type].weapon;
        monster.ArmorKit = MonsterCatalogue()[type].armor_kit;
        monster.CarriedItems.fill(99);
        FillCarriedItems(monster);
        return std::vector<int16_t>(monster.CarriedItems.begin(), monster.CarriedItems.begin() + 4);
    };
    EXPECT_EQ(carried(8), (std::vector<int16_t>{1, 14, 13, 0}));    // Ogre: club, leather, shield
    EXPECT_EQ(carried(25), (std::vector<int16_t>{10, 18, 13, 0}));  // Town Guard: sword, plate, shield
    EXPECT_EQ(carried(4), (std::vector<int16_t>{7, 0, 0, 0}));      // Skeleton: a short sword only
    EXPECT_EQ(carried(12), (std::vector<int16_t>{10, 16, 0, 0}));   // Bugbear: chain mail alone
    EXPECT_EQ(carried(7), (std::vector<int16_t>{0, 0, 0, 0}));      // Giant Scorpion: nothing
    Monster kit_only;
    kit_only.ArmorKit = 17;
    FillCarriedItems(kit_only);
    EXPECT_EQ(kit_only.CarriedItems[0], 16);
    EXPECT_EQ(kit_only.CarriedItems[1], 13);
}

TEST(MonsterCatalogue, TreasureRollsAtTheChanceBoundary) {
    battle_test::ClearForcedRolls();
    // Hobgoblin gold (D): 1d6 x 10 with 60%: the chance draw 60 still rolls.
    ForceRolls({60, 4});
    EXPECT_EQ(TreasureRoll('D', 1), 40);
    Random().Force(0.605);  // 60.5 rounds to the even 60
    ForceRolls({6});
    EXPECT_EQ(TreasureRoll('d', 1), 60);
    ForceRolls({61});
    EXPECT_EQ(TreasureRoll('D', 1), 0);
    Random().Force(0.004);  // rounds to 0: never a treasure
    EXPECT_EQ(TreasureRoll('D', 1), 0);
    // A sure treasure (P copper) draws no chance; letters without coins draw nothing.
    ForceRolls({1, 2, 3});
    EXPECT_EQ(TreasureRoll('P', 3), 60);
    EXPECT_EQ(TreasureRoll('O', 1), 0);
    EXPECT_EQ(TreasureRoll('Z', 2), 0);
    EXPECT_EQ(TreasureRoll('C', 1), 0);
    EXPECT_EQ(TreasureRoll('A', 4), 0);
    ForceRolls({55});
    EXPECT_EQ(Random().Next(), 0.55);  // nothing above consumed this draw
    // The Bandit's gold: 10..1000 with 5%.
    ForceRolls({5, 100});
    EXPECT_EQ(TreasureRoll('U', 1), 1000);
    battle_test::ClearForcedRolls();
}

TEST(BattleRoster, GroupsBecomeNumberedMembers) {
    battle_test::ClearForcedRolls();
    GameState state;
    battle_test::SetGroups(state, {{3, 3}, {0, 2}});
    BuildBattleRoster(state);
    EXPECT_EQ(state.NumGroups, 2);
    EXPECT_EQ(state.NumMonsters, 5);
    const int members[] = {1, 2, 3, 1, 2};
    for (int slot = 0; slot < 5; ++slot) {
        const Monster& m = state.Monsters[slot];
        EXPECT_EQ(m.MonsterType, slot < 3 ? 3 : 0);
        EXPECT_EQ(GetGroupIndex(state, slot), members[slot]);
        EXPECT_EQ(m.MonsterStatus, monster_status::Active);
        EXPECT_GE(m.HitPoints, 1);
        EXPECT_LE(m.HitPoints, slot < 3 ? 8 : 4);
        if (slot >= 3) {
            EXPECT_EQ(m.GoldCarried + m.SilverCarried + m.CopperCarried, 0);  // Kobolds: O
        }
        EXPECT_EQ(m.GoldCarried % 10, 0);
    }
    EXPECT_EQ(LiveOfType(state, 3), 3);
    state.Monsters[0].MonsterStatus = monster_status::Dead;
    state.Monsters[1].MonsterStatus = monster_status::Turned;
    EXPECT_EQ(LiveOfType(state, 3), 1);
    EXPECT_EQ(FirstLiveOfType(state, 3), 2);
    EXPECT_EQ(FirstOfType(state, 3), 0);
}

TEST(BattleRoster, ImpossibleTablesStayInsideTheRoster) {
    GameState state;
    battle_test::SetGroups(state, {{0, 30}, {4, 30}, {99, 5}, {-3, 2}});
    BuildBattleRoster(state);
    EXPECT_EQ(state.NumGroups, 4);
    EXPECT_EQ(state.NumMonsters, kRosterSize);
    EXPECT_EQ(state.Monsters[40].MonsterType, 4);
    // A type outside the catalogue takes a slot with no values.
    battle_test::SetGroups(state, {{99, 1}});
    BuildBattleRoster(state);
    EXPECT_EQ(state.Monsters[0].MonsterType, 99);
    EXPECT_EQ(state.Monsters[0].HitPoints, 0);
    EXPECT_EQ(state.Monsters[0].NumAttacks, 0);
    // Counts from a damaged save are clamped by every reader.
    state.NumMonsters = 500;
    state.NumGroups = -2;
    EXPECT_EQ(RosterSize(state), kRosterSize);
    EXPECT_EQ(GroupsInUse(state), 0);
    EXPECT_EQ(GetGroupIndex(state, 3), 0);
    EXPECT_EQ(GroupType(state, 7), -1);
    state.NumMonsters = -4;
    EXPECT_FALSE(AnyMonsterLeft(state));
}

}  // namespace
}  // namespace duskmoor
