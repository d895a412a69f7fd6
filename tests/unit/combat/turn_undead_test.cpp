#include "combat/turn_undead.h"

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "combat/battle_model.h"
#include "combat/battle_roster.h"
#include "combat/monster_catalogue.h"

namespace duskmoor {
namespace {

using battle_test::ForceRolls;
using battle_test::Member;

class TurnUndead : public ::testing::Test {
  protected:
    void SetUp() override {
        battle_test::ClearForcedRolls();
        battle_test::SetParty(state, {Member("Sharah", battle_test::kCleric, 18, 6, 6)});
    }
    void TearDown() override { battle_test::ClearForcedRolls(); }

    // A cleric of `level` against `groups`; the turning draws budget, then roll.
    bool Turn(int16_t level, std::initializer_list<EncounterGroup> groups, int budget, int roll) {
        battle_test::SetGroups(state, groups);
        BuildBattleRoster(state);
        state.Party[0].Level = level;
        model = BattleModel{};
        ForceRolls({budget, roll});
        return TurnAttack(state, model, 0);
    }

    int CountTurned() const {
        int turned = 0;
        for (int slot = 0; slot < state.NumMonsters; ++slot)
            if (state.Monsters[slot].MonsterStatus == monster_status::Turned) ++turned;
        return turned;
    }

    GameState state;
    BattleModel model;
};

TEST_F(TurnUndead, TheTableGrowsEasierWithLevelAndTheAutomaticLevelMatchesIt) {
    const int undead[] = {monster::Skeleton, monster::Zombie, monster::Ghoul,
                          monster::Ghast,    monster::Mummy,  monster::VonDevever};
    for (int type : undead) {
        SCOPED_TRACE(MonsterName(type));
        ASSERT_TRUE(IsUndead(type));
        const int automatic = AutoTurnLevel(type);
        EXPECT_GE(automatic, 2);
        // Never harder at a higher level, and nothing needed from the last column on.
        for (int level = 2; level <= 12; ++level)
            EXPECT_LE(TurnNeeded(type, level), TurnNeeded(type, level - 1));
        EXPECT_EQ(TurnNeeded(type, 9), 0);
        EXPECT_EQ(TurnNeeded(type, 20), 0);
        // Below the automatic level a roll is always needed.
        EXPECT_GT(TurnNeeded(type, automatic - 1), 0);
    }
    // Where the rows differ: the Mummy is handled outright from level 5
    // though its row still asks for 9 and 7; the vampire only from 9.
    EXPECT_EQ(AutoTurnLevel(monster::Mummy), 5);
    EXPECT_EQ(TurnNeeded(monster::Mummy, 3), turning::kNever);
    EXPECT_EQ(TurnNeeded(monster::Mummy, 4), 11);
    EXPECT_EQ(TurnNeeded(monster::Mummy, 6), 7);
    EXPECT_EQ(TurnNeeded(monster::VonDevever, 5), turning::kNever);
    EXPECT_EQ(TurnNeeded(monster::VonDevever, 8), 7);
    EXPECT_EQ(AutoTurnLevel(monster::VonDevever), 9);
    // The living are never turned; a cleric of no level turns nothing.
    EXPECT_EQ(TurnNeeded(monster::Orc, 9), turning::kNever);
    EXPECT_EQ(AutoTurnLevel(monster::Orc), 0);
    EXPECT_EQ(TurnNeeded(monster::Skeleton, 0), turning::kNever);
}

TEST_F(TurnUndead, ALevelOneClericAgainstThreeSkeletons) {
    // A roll of 7 turns as many as the budget of 2 pays for.
    EXPECT_FALSE(Turn(1, {{monster::Skeleton, 3}}, 2, 7));
    EXPECT_EQ(model.message, "Sharah turns 2 skeletons.");
    EXPECT_EQ(state.Monsters[0].MonsterStatus, monster_status::Turned);
    EXPECT_EQ(state.Monsters[1].MonsterStatus, monster_status::Turned);
    EXPECT_EQ(state.Monsters[2].MonsterStatus, monster_status::Active);
    EXPECT_EQ(LiveOfType(state, monster::Skeleton), 1);
    // One below the score turns nothing, whatever the budget.
    EXPECT_FALSE(Turn(1, {{monster::Skeleton, 3}}, 12, 6));
    EXPECT_EQ(model.message, "Sharah fails to turn any undead.");
    EXPECT_EQ(CountTurned(), 0);
    // A budget of one: one skeleton, named in the singular.
    EXPECT_FALSE(Turn(1, {{monster::Skeleton, 3}}, 1, 12));
    EXPECT_EQ(model.message, "Sharah turns 1 skeleton.");
    // Turning the last of them wins the battle.
    EXPECT_TRUE(Turn(1, {{monster::Skeleton, 3}}, 3, 7));
    EXPECT_EQ(model.message, "Sharah turns 3 skeletons.");
    EXPECT_EQ(model.tomb, (std::array<bool, 4>{true, true, true, true}));
}

TEST_F(TurnUndead, ALevelFourClericTurnsGhoulsOutrightAndMummiesOnElevenOrTwelve) {
    const std::initializer_list<EncounterGroup> foes = {{monster::Ghoul, 2}, {monster::Mummy, 1}};
    // Ghouls (level 2 each) go without a roll; 10 does not reach a Mummy's 11.
    EXPECT_FALSE(Turn(4, foes, 12, 10));
    EXPECT_EQ(model.message, "Sharah turns 2 ghouls.");
    EXPECT_EQ(state.Monsters[2].MonsterStatus, monster_status::Active);
    // 11 does, and the budget left (12 - 4 = 8) covers the Mummy's 6.
    EXPECT_TRUE(Turn(4, foes, 12, 11));
    EXPECT_EQ(model.message, "Sharah turns 2 ghouls, 1 mummy.");
    // With 9 of budget only 5 is left after the ghouls: not enough for a Mummy.
    EXPECT_FALSE(Turn(4, foes, 9, 12));
    EXPECT_EQ(model.message, "Sharah turns 2 ghouls.");
    // The automatic pass spends the budget in roster order: 3 pays one ghoul.
    EXPECT_FALSE(Turn(4, foes, 3, 12));
    EXPECT_EQ(model.message, "Sharah turns 1 ghoul.");
}

TEST_F(TurnUndead, ALowClericCannotTurnMummiesOrTheVampire) {
    EXPECT_FALSE(Turn(1, {{monster::Mummy, 1}, {monster::VonDevever, 1}}, 12, 12));
    EXPECT_EQ(model.message, "Sharah fails to turn any undead.");
    // A Mummy ahead of the skeletons stops the rolled pass before it reaches them.
    EXPECT_FALSE(Turn(1, {{monster::Mummy, 1}, {monster::Skeleton, 2}}, 12, 12));
    EXPECT_EQ(model.message, "Sharah fails to turn any undead.");
    // Behind the skeletons it only stops the turning after them.
    EXPECT_FALSE(Turn(1, {{monster::Skeleton, 2}, {monster::Mummy, 1}}, 12, 12));
    EXPECT_EQ(model.message, "Sharah turns 2 skeletons.");
    // The vampire's word carries its own full stop; at level 9 it needs no roll.
    EXPECT_TRUE(Turn(9, {{monster::VonDevever, 1}}, 8, 1));
    EXPECT_EQ(model.message, "Sharah turns 1 vampire.");
    EXPECT_FALSE(Turn(9, {{monster::VonDevever, 1}}, 7, 12));
    EXPECT_EQ(model.message, "Sharah fails to turn any undead.");
    // At level 8 the roll must reach 7.
    EXPECT_FALSE(Turn(8, {{monster::Skeleton, 1}, {monster::VonDevever, 1}}, 12, 6));
    EXPECT_EQ(model.message, "Sharah turns 1 skeleton.");
    EXPECT_TRUE(Turn(8, {{monster::Skeleton, 1}, {monster::VonDevever, 1}}, 12, 7));
    EXPECT_EQ(model.message, "Sharah turns 1 skeleton, 1 vampire.");
}

TEST_F(TurnUndead, KindsAreNamedInTheirOrderAndOnlyTheStandingAreTurned) {
    // A level-2 cleric: skeletons outright, zombies on a 7; ghouls need 9.
    battle_test::SetGroups(state, {{monster::Ghoul, 1}, {monster::Zombie, 2}, {monster::Skeleton, 3}});
    BuildBattleRoster(state);
    state.Party[0].Level = 2;
    state.Monsters[3].MonsterStatus = monster_status::Dead;
    ForceRolls({7, 9});
    EXPECT_FALSE(TurnAttack(state, model, 0));
    // Two standing skeletons (2), then the rolled pass in roster order: the
    // ghoul (2) and one zombie (2); the 1 left pays for no second zombie.
    EXPECT_EQ(model.message, "Sharah turns 2 skeletons, 1 zombie, 1 ghoul.");
    EXPECT_EQ(state.Monsters[3].MonsterStatus, monster_status::Dead);
    EXPECT_EQ(state.Monsters[2].MonsterStatus, monster_status::Active);
    // With no undead at all there is nothing to turn.
    EXPECT_FALSE(Turn(9, {{monster::Orc, 2}}, 12, 12));
    EXPECT_EQ(model.message, "Sharah fails to turn any undead.");
    EXPECT_EQ(CountTurned(), 0);
}

}  // namespace
}  // namespace duskmoor
