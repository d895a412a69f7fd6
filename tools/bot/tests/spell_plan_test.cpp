#include "spell_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "magic/magic_book.h"
#include "magic/spells.h"

namespace duskmoor::bot {
namespace {

PLAYER Caster(int character_class, int level) {
    PLAYER p;
    p.Class = static_cast<int16_t>(character_class);
    p.Level = static_cast<int16_t>(level);
    p.HP = p.MaxHP = 20;
    p.Status = 1;
    return p;
}

TEST(BotSpellPlan, TheBookLabelsNameTheSpellsTheMagicScreenLists) {
    // The screen lists a caster's book in code order from label 13.
    EXPECT_EQ(BookLabel(Caster(1, 4), spell_code::Sleep), 14);
    EXPECT_EQ(BookLabel(Caster(1, 4), spell_code::Destroy), 20);
    EXPECT_EQ(BookLabel(Caster(3, 4), spell_code::CureLight), 13);
    EXPECT_EQ(BookLabel(Caster(3, 4), spell_code::TouchOfDeath), 20);
    EXPECT_EQ(BookLabel(Caster(3, 4), spell_code::Sleep), -1);  // no cleric's spell
    EXPECT_EQ(BookLabel(Caster(0, 4), spell_code::Sleep), -1);  // nor a fighter's
    // Every spell of the game's own book sits on the label the bot clicks.
    for (int cls : {1, 3}) {
        const std::vector<int16_t> book = SpellBook(Caster(cls, 6));
        ASSERT_EQ(book.size(), 8u);
        for (size_t row = 0; row < book.size(); ++row)
            EXPECT_EQ(BookLabel(Caster(cls, 6), book[row]), 13 + static_cast<int>(row))
                << SpellName(book[row]);
    }
}

TEST(BotSpellPlan, LearnsWhatTheLevelAllowsAndNoMoreThanTheSlots) {
    for (int level = 1; level <= 6; ++level) {
        for (int cls : {1, 3}) {
            PLAYER caster = Caster(cls, level);
            std::vector<int> spells = SpellsToLearn(caster, MaxSpells(level));
            EXPECT_EQ(static_cast<int>(spells.size()), MaxSpells(level));
            for (int spell : spells) {
                EXPECT_GE(BookLabel(caster, spell), 0);
                // Only what the caster's book lists at this level can be chosen.
                const std::vector<int16_t> book = SpellBook(caster);
                EXPECT_NE(std::find(book.begin(), book.end(), spell), book.end())
                    << "level " << level << " spell " << spell;
            }
        }
    }
    // Slots already holding sleep are not filled with more of it beyond the wish.
    PLAYER mage = Caster(1, 4);
    mage.Spells = {1, 10, 1, 10, 3, 10};
    std::vector<int> rest = SpellsToLearn(mage, 6);
    EXPECT_EQ(std::count(rest.begin(), rest.end(), spell_code::Sleep), 0);
    EXPECT_EQ(rest.size(), 6u);
    EXPECT_TRUE(SpellsToLearn(Caster(0, 6), 5).empty());
}

TEST(BotSpellPlan, BattleCastsHealTheFallenSleepTheLivingAndSpareTheVampire) {
    GameState state;
    state.NumPlayers = 2;
    state.Party[0] = Caster(3, 4);
    state.Party[1] = Caster(1, 4);
    state.Party[0].Spells = {1, 5, 1, 8};
    state.Party[1].Spells = {1, 10, 1, 16};
    const std::vector<GroupSight> vampire{{23, 1, false}, {15, 2, false}};
    // The magic-user sleeps the ettins; with no sleep left it destroys one, never the vampire.
    Cast cast = ChooseCast(state, 1, vampire);
    EXPECT_EQ(cast.spell, spell_code::Sleep);
    EXPECT_EQ(cast.group, 1);
    state.Party[1].Spells = {0, 10, 1, 16};
    cast = ChooseCast(state, 1, vampire);
    EXPECT_EQ(cast.spell, spell_code::Destroy);
    EXPECT_EQ(cast.group, 1);
    cast = ChooseCast(state, 1, {{23, 1, false}});
    EXPECT_EQ(cast.spell, 0);
    // The cleric touches while nobody is badly hurt, and cures when one is.
    cast = ChooseCast(state, 0, vampire);
    EXPECT_EQ(cast.spell, spell_code::TouchOfDeath);
    state.Party[1].HP = 7;  // below two fifths of 20
    cast = ChooseCast(state, 0, vampire);
    EXPECT_EQ(cast.spell, spell_code::CureCritical);
    EXPECT_EQ(cast.patient, 1);
    state.Party[1].HP = 8;  // two fifths exactly is not yet worth a cure
    EXPECT_EQ(ChooseCast(state, 0, vampire).spell, spell_code::TouchOfDeath);
}

}  // namespace
}  // namespace duskmoor::bot
