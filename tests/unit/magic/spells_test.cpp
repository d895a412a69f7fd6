#include "magic/spells.h"

#include <gtest/gtest.h>

#include "events/scripted_game.h"

namespace duskmoor {
namespace {

constexpr int kCleric = 2, kMagicUser = 3;  // Sharah and Whisper in the default party

TEST(Spells, CatalogueKeepsItsShape) {
    for (int spell = spell::kFirst; spell <= spell::kLast; ++spell) {
        EXPECT_EQ(SpellCode(SpellName(spell)), spell);
        EXPECT_EQ(ScrollSpell(ScrollItemCode(spell)), spell);
        // Every class list climbs two spells a level, four levels deep.
        const int first = SpellClass(spell) == class_code::Cleric ? 1 : 9;
        EXPECT_EQ(SpellLevel(spell), (spell - first) / 2 + 1) << spell;
        EXPECT_GT(MemorizeHours(spell), 0.0);
    }
    EXPECT_EQ(ScrollItemCode(16), 215);
    EXPECT_EQ(SpellCode("Fireball"), 13);
    EXPECT_EQ(SpellCode("Windstorm"), 0);
    EXPECT_EQ(SpellCode("fireball"), 0);
    EXPECT_EQ(SpellName(0), "");
    EXPECT_EQ(SpellName(17), "");
    EXPECT_EQ(ScrollSpell(199), 0);
    EXPECT_EQ(ScrollSpell(216), 0);
    EXPECT_EQ(MemorizeHours(17), 0.0);
    // Of the clerics' list only the six cures work outside battle.
    int cures = 0;
    for (int spell = spell::kFirst; spell <= spell::kLast; ++spell) cures += IsCombatSpell(spell) ? 0 : 1;
    EXPECT_EQ(cures, 6);
}

TEST(Spells, SlotsAndChancesByLevel) {
    const int slots[] = {0, 2, 3, 6, 9, 12, 13, 13, 13, 13, 0};
    for (int level = 0; level <= 10; ++level) EXPECT_EQ(MaxSpells(level), slots[level]) << level;
    EXPECT_EQ(MaxSpells(-1), 0);
    const int chances[] = {0, 85, 88, 90, 95, 97, 99, 99};
    for (int level = 0; level <= 7; ++level) EXPECT_EQ(SpellSuccessChance(level), chances[level]);
    using Range = std::pair<int16_t, int16_t>;
    EXPECT_EQ(SpellDamageRange(spell::Destroy), Range(500, 500));
    EXPECT_EQ(SpellDamageRange(spell::TouchOfDeath), Range(500, 500));
    EXPECT_EQ(SpellDamageRange(spell::MagicMissile), Range(3, 8));
    EXPECT_EQ(SpellDamageRange(spell::Fireball), Range(0, 0));
}

TEST(Spells, DamageIsRaisedToTheLeast) {
    ScriptedGame::Rolls({1, 9, 2, 5, 3, 50});
    EXPECT_EQ(OneTargetDamage(spell::MagicMissile), 3);  // 1 raised to 3
    EXPECT_EQ(GroupDamagePool(spell::Lightening), 9);
    EXPECT_EQ(GroupDamagePool(spell::Fireball), 6);   // 2 raised to 6
    EXPECT_EQ(GroupDamagePool(spell::WindStorm), 8);  // 5 raised to 8
    EXPECT_EQ(GroupDamagePool(spell::IceStorm), 12);  // 3 raised to 12
    EXPECT_EQ(OneTargetDamage(spell::Destroy), 500);  // any roll of the 500-sided die is raised
    EXPECT_EQ(GroupDamagePool(spell::Sleep), 0);
    EXPECT_EQ(OneTargetDamage(spell::Sleep), 0);
}

TEST(Spells, TheTableFillsInOrderAndForgetsOneReadyCopy) {
    PLAYER caster;
    for (int pair = 0; pair < spell::kPairs; ++pair) EXPECT_TRUE(AddToMemory(caster, spell::Sleep));
    EXPECT_FALSE(AddToMemory(caster, spell::Sleep));
    EXPECT_EQ(SpellsHeld(caster), 13);
    caster.Spells = {};
    AddToMemory(caster, spell::MagicMissile);
    AddToMemory(caster, spell::Sleep);
    AddToMemory(caster, spell::MagicMissile);
    EXPECT_EQ(caster.Spells[0], spell::Chosen);
    EXPECT_EQ(caster.Spells[1], spell::MagicMissile);
    EXPECT_EQ(caster.Spells[3], spell::Sleep);
    // A chosen spell cannot be cast: forgetting needs a ready copy.
    ForgetSpell(caster, spell::MagicMissile);
    EXPECT_EQ(SpellsHeld(caster), 3);
    caster.Spells[4] = spell::Ready;
    ForgetSpell(caster, spell::MagicMissile);
    EXPECT_EQ(caster.Spells[0], spell::Chosen);
    EXPECT_EQ(caster.Spells[4], spell::Empty);
    // The freed pair is the next one filled.
    AddToMemory(caster, spell::Fireball);
    EXPECT_EQ(caster.Spells[5], spell::Fireball);
}

TEST(Spells, RestingLearnsOrWipesTheCastersChoicesOnly) {
    ScriptedGame scripted("", 4);
    GameState& state = scripted.game.state;
    for (int slot = 0; slot < 4; ++slot) state.Party[slot].Spells = {3, 1, 1, 9, 3, 10};
    LearnChosenSpells(state);
    EXPECT_EQ(state.Party[kCleric].Spells[0], spell::Ready);
    EXPECT_EQ(state.Party[kMagicUser].Spells[4], spell::Ready);
    EXPECT_EQ(state.Party[0].Spells[0], spell::Chosen);  // a fighter's table is not touched
    state.Party[kCleric].Spells = {3, 1, 1, 9, 3, 10};
    WipeOutSpells(state);
    EXPECT_EQ(state.Party[kCleric].Spells[0], spell::Empty);
    EXPECT_EQ(state.Party[kCleric].Spells[2], spell::Ready);
    EXPECT_EQ(state.Party[kCleric].Spells[4], spell::Empty);
    EXPECT_EQ(state.Party[kCleric].Spells[5], 10);
}

TEST(Spells, ScrollsObeyClassAndLevel) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 4);
    GameState& state = scripted.game.state;
    Game& game = scripted.game;
    state.Party[kCleric].Level = 2;
    EXPECT_TRUE(VerifySpellLevel(game, kCleric, spell::CurePoison));
    EXPECT_FALSE(VerifySpellLevel(game, kCleric, spell::CureCriticalWounds));
    EXPECT_FALSE(VerifySpellLevel(game, kCleric, spell::Fireball));
    state.Party[kMagicUser].Level = 1;
    EXPECT_TRUE(VerifySpellLevel(game, kMagicUser, spell::Sleep));
    EXPECT_FALSE(VerifySpellLevel(game, kMagicUser, spell::Lightening));
    EXPECT_FALSE(VerifySpellLevel(game, kMagicUser, spell::CureLightWounds));
    // Level 7 and above, and level 0, read no scroll and say nothing; neither do fighters.
    state.Party[kMagicUser].Level = 7;
    EXPECT_FALSE(VerifySpellLevel(game, kMagicUser, spell::MagicMissile));
    state.Party[kMagicUser].Level = 0;
    EXPECT_FALSE(VerifySpellLevel(game, kMagicUser, spell::MagicMissile));
    EXPECT_FALSE(VerifySpellLevel(game, 0, spell::MagicMissile));
    state.Party[kMagicUser].Level = 4;
    EXPECT_TRUE(VerifySpellLevel(game, kMagicUser, spell::Destroy));
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Spell is too advanced for Sharah.\n"
              "dialog 1 Sharah cannot cast magic-user spells.\n"
              "dialog 1 Spell is too advanced for Whisper.\n"
              "dialog 1 Whisper cannot cast clerical spells.\n");
}

TEST(Spells, CuresHealWakeAndTellWhere) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\nclick cmdButton1\n", 4);
    GameState& state = scripted.game.state;
    Game& game = scripted.game;
    PLAYER& target = state.Party[0];
    target.MaxHP = 10;
    target.HP = 7;
    ScriptedGame::Rolls({2});  // 2 + 1 = 3 fills the gap exactly
    EXPECT_EQ(ApplyCureSpell(game, spell::CureLightWounds, 0, spell::ShowInBattle),
              "Rhomadon is fully healed.");
    target.HP = 0;
    target.Status = status::Unconscious;
    ScriptedGame::Rolls({1});  // a 1 heals 2
    EXPECT_EQ(ApplyCureSpell(game, spell::CureLightWounds, 0, spell::ShowInBattle),
              "Rhomadon is healed for 2 hit points.");
    EXPECT_EQ(target.Status, status::Ok);
    target.HP = -3;
    EXPECT_EQ(ApplyCureSpell(game, spell::CureCriticalWounds, 0, spell::ShowInDialog), "");
    EXPECT_EQ(target.HP, 10);
    // Poison and disease: cured when present, silent when not.
    target.Status = status::Ok | status::Poisoned | status::Diseased;
    EXPECT_EQ(ApplyCureSpell(game, spell::CurePoison, 0, spell::ShowInBattle),
              "Poision has been removed from Rhomadon's blood.");
    EXPECT_EQ(ApplyCureSpell(game, spell::CurePoison, 0, spell::ShowInBattle), "");
    EXPECT_EQ(ApplyCureSpell(game, spell::CureDisease, 0, spell::ShowInBattle),
              "Rhomadon is no longer diseased.");
    EXPECT_EQ(target.Status, status::Ok);
    EXPECT_EQ(ApplyCureSpell(game, spell::RaiseDead, 0, spell::ShowInBattle),
              "");  // the living are not raised
    EXPECT_EQ(ApplyCureSpell(game, spell::Fireball, 0, spell::ShowInBattle), "");
    target.Status = status::Dead;
    EXPECT_EQ(ApplyCureSpell(game, spell::CureSeriousWounds, 0, spell::ShowInBattle), "");
    EXPECT_EQ(target.HP, 10);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Rhomadon is fully healed.\n"
              "dialog 1 Rhomadon is dead.  This spell will have no effect.\n");
}

TEST(Spells, RaisingSucceedsAboveFifteenAndOtherwiseRemovesTheCharacter) {
    ScriptedGame scripted("click cmdButton1\nclick cmdButton1\n", 4);
    GameState& state = scripted.game.state;
    state.Party[1].Status = status::Dead;
    state.Party[1].HP = -12;
    ScriptedGame::Rolls({16});
    ApplyCureSpell(scripted.game, spell::RaiseDead, 1, spell::ShowInDialog);
    EXPECT_EQ(state.Party[1].HP, 1);
    EXPECT_EQ(state.Party[1].Status, status::Ok);
    state.Party[1].Status = status::Dead;
    ScriptedGame::Rolls({15});
    ApplyCureSpell(scripted.game, spell::RaiseDead, 1, spell::ShowInDialog);
    EXPECT_EQ(state.NumPlayers, 3);
    EXPECT_EQ(state.Party[1].Name, "Sharah");
    EXPECT_EQ(state.Party[1].Position, 2);
    EXPECT_EQ(state.Party[3].Active, 0);
    EXPECT_EQ(scripted.Said(),
              "dialog 1 Evro has been raised from the dead.\n"
              "dialog 1 Evro has been destroyed.\n");
}

}  // namespace
}  // namespace duskmoor
