#include "items/equipment.h"

#include <gtest/gtest.h>

#include "items/item_catalogue.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr int kFighter = 0, kMagicUser = 1, kThief = 2, kCleric = 3;

// A character of `character_class` carrying `items`, nothing equipped.
GameState WithPack(int character_class, std::initializer_list<int16_t> items) {
    GameState state;
    state.NumPlayers = 1;
    PLAYER& character = state.Party[0];
    character.Name = "Evro";
    character.Class = static_cast<int16_t>(character_class);
    character.AC = 9;
    for (int16_t item : items) character.Pack[character.PackCount++] = item;
    return state;
}

int IndexOf(const PLAYER& character, int item) {
    for (int index = 0; index < character.PackCount; ++index)
        if (character.Pack[index] == item) return index;
    return -1;
}

EquipResult Equip(GameState& state, int item) {
    return EquipItem(state, 0, IndexOf(state.Party[0], item));
}

TEST(Equipment, ClassesKeepToTheirOwnGear) {
    // Every class may use what the fighter may; the others each lose a set.
    for (const ItemInfo& info : ItemCatalogue()) {
        GameState state = WithPack(kFighter, {});
        EXPECT_TRUE(CanUse(state, 0, info.code)) << info.code;
    }
    GameState state = WithPack(kMagicUser, {});
    for (int item : {1, 2, 3, 6, 9, 603, 604, 605, 606, 607}) EXPECT_TRUE(CanUse(state, 0, item)) << item;
    for (int item : {4, 5, 7, 8, 10, 11, 12, 13, 14, 16, 18, 20, 24, 600, 608, 612})
        EXPECT_FALSE(CanUse(state, 0, item)) << item;
    state.Party[0].Class = kThief;
    for (int item : {13, 16, 18, 610, 611, 612}) EXPECT_FALSE(CanUse(state, 0, item)) << item;
    for (int item : {14, 608, 609, 12, 602}) EXPECT_TRUE(CanUse(state, 0, item)) << item;
    state.Party[0].Class = kCleric;
    for (int item : {3, 4, 5, 7, 8, 10, 11, 12, 600, 601, 602}) EXPECT_FALSE(CanUse(state, 0, item)) << item;
    for (int item : {1, 6, 9, 13, 18, 612, 607}) EXPECT_TRUE(CanUse(state, 0, item)) << item;
}

TEST(Equipment, RefusalsNameTheCharacterAndTheItem) {
    GameState thief = WithPack(kThief, {13});
    EquipResult result = Equip(thief, 13);
    EXPECT_EQ(result, EquipResult::CannotUse);
    EXPECT_EQ(EquipRefusal(result, thief.Party[0], 13), "Evro cannot use a Shield.");
    GameState mage = WithPack(kMagicUser, {16, 600});
    EXPECT_EQ(EquipRefusal(Equip(mage, 16), mage.Party[0], 16), "Evro cannot use Chain Mail armor.");
    EXPECT_EQ(EquipRefusal(Equip(mage, 600), mage.Party[0], 600), "Evro cannot use a Sword +1.");
    EXPECT_EQ(mage.Party[0].Armor, 0);
    EXPECT_EQ(mage.Party[0].Weapon, 0);
    EXPECT_EQ(EquipRefusal(EquipResult::Equipped, mage.Party[0], 600), "");
}

TEST(Equipment, ShieldAndBodyArmourCombineAndComeApart) {
    GameState state = WithPack(kFighter, {16, 13, 14});
    PLAYER& fighter = state.Party[0];
    EXPECT_EQ(Equip(state, 16), EquipResult::Equipped);
    EXPECT_EQ(fighter.AC, 5);
    EXPECT_EQ(Equip(state, 13), EquipResult::Equipped);
    EXPECT_EQ(fighter.Armor, 17);
    EXPECT_EQ(fighter.AC, 4);
    EXPECT_EQ(Equip(state, 13), EquipResult::Unchanged) << "a second shield changes nothing";
    UnequipItem(state, 0, IndexOf(fighter, 16));
    EXPECT_EQ(fighter.Armor, 13);
    EXPECT_EQ(fighter.AC, 8);
    UnequipItem(state, 0, IndexOf(fighter, 13));
    EXPECT_EQ(fighter.Armor, 0);
    EXPECT_EQ(fighter.AC, 9);
    // Armour put on over a shield joins it; other armour over armour and shield loses the shield.
    Equip(state, 13);
    Equip(state, 14);
    EXPECT_EQ(fighter.Armor, 15);
    EXPECT_EQ(fighter.AC, 6);
    EXPECT_EQ(Equip(state, 14), EquipResult::Unchanged);
    Equip(state, 16);
    EXPECT_EQ(fighter.Armor, 16);
    EXPECT_EQ(fighter.AC, 5);

    GameState plate = WithPack(kFighter, {612, 13});
    plate.Party[0].Armor = 704;
    plate.Party[0].AC = 0;
    UnequipItem(plate, 0, 0);
    EXPECT_EQ(plate.Party[0].Armor, 13);
    EXPECT_EQ(plate.Party[0].AC, 8);
}

TEST(Equipment, TwoHandedWeaponsAndShieldsExcludeEachOther) {
    GameState state = WithPack(kFighter, {12, 10, 11, 13});
    PLAYER& fighter = state.Party[0];
    fighter.Armor = 19;
    EXPECT_EQ(Equip(state, 12), EquipResult::ShieldInTheWay);
    EXPECT_EQ(EquipRefusal(EquipResult::ShieldInTheWay, fighter, 12),
              "You must unequip your shield to use a two-handed weapon.");
    EXPECT_EQ(fighter.Weapon, 0);
    // With a weapon already in hand the old check lets the two-handed one through.
    Equip(state, 10);
    EXPECT_EQ(Equip(state, 12), EquipResult::Equipped);
    EXPECT_EQ(fighter.Weapon, 12);
    // Holding a battle axe, no shield goes on, whatever is worn.
    for (int16_t worn : {0, 14, 16, 608}) {
        fighter.Armor = worn;
        Equip(state, 11);
        const EquipResult result = Equip(state, 13);
        if (worn == 0) {
            EXPECT_EQ(result, EquipResult::Equipped) << "an empty body takes the shield alone";
            continue;
        }
        EXPECT_EQ(result, EquipResult::TwoHandedInTheWay) << worn;
        EXPECT_EQ(fighter.Armor, worn);
    }
}

TEST(Equipment, AnythingHeldCountsAsTheWeaponButQuestObjectsAndScrollsDoNothing) {
    GameState state = WithPack(kFighter, {24, 20, 105, 209});
    PLAYER& fighter = state.Party[0];
    EXPECT_EQ(Equip(state, 24), EquipResult::Equipped);
    EXPECT_EQ(fighter.Weapon, 24);
    Equip(state, 20);
    EXPECT_EQ(fighter.Weapon, 20);
    EXPECT_EQ(Equip(state, 105), EquipResult::Unchanged);
    EXPECT_EQ(Equip(state, 209), EquipResult::Unchanged);
    EXPECT_EQ(fighter.Weapon, 20);
    EXPECT_EQ(fighter.AC, 9);
    // An index outside the pack equips nothing.
    EXPECT_EQ(EquipItem(state, 0, 7), EquipResult::Unchanged);
    EXPECT_EQ(EquipItem(state, 0, -1), EquipResult::Unchanged);
}

TEST(Equipment, ArmourClassFollowsEveryWornCode) {
    // Better armour never gives a worse class, and a shield always takes off one.
    GameState state = WithPack(kFighter, {});
    for (int armor : {0, 13, 14, 15, 16, 17, 18, 19, 608, 609, 610, 611, 612, 700, 701, 702, 703, 704}) {
        state.Party[0].Armor = static_cast<int16_t>(armor);
        state.Party[0].AC = 99;
        SetArmorClass(state, 0);
        EXPECT_GE(state.Party[0].AC, 0) << armor;
        EXPECT_LE(state.Party[0].AC, 9) << armor;
        if (int16_t body = ArmorPartOf(armor)) {
            int16_t alone = 0;
            ASSERT_TRUE(ArmorClassOf(body, alone));
            EXPECT_EQ(state.Party[0].AC, alone - 1) << armor;
            EXPECT_EQ(WithShieldOf(body), armor);
        }
    }
    state.Party[0].Armor = 20;
    state.Party[0].AC = 4;
    SetArmorClass(state, 0);
    EXPECT_EQ(state.Party[0].AC, 4) << "a code outside the table leaves AC alone";
}

TEST(Equipment, EachPieceWornMarksOneEntry) {
    GameState state = WithPack(kFighter, {10, 13, 10, 16, 13, 16});
    PLAYER& fighter = state.Party[0];
    fighter.Weapon = 10;
    fighter.Armor = 17;
    std::array<bool, 25> marks = EquippedEntries(fighter);
    EXPECT_TRUE(marks[0]);
    EXPECT_TRUE(marks[1]);
    EXPECT_FALSE(marks[2]);
    EXPECT_TRUE(marks[3]);
    EXPECT_FALSE(marks[4]);
    EXPECT_FALSE(marks[5]);
    fighter.Armor = 16;
    marks = EquippedEntries(fighter);
    EXPECT_FALSE(marks[1]) << "no shield is worn";
    EXPECT_TRUE(marks[3]);
    fighter.Weapon = 0;
    fighter.Armor = 0;
    marks = EquippedEntries(fighter);
    EXPECT_EQ(std::count(marks.begin(), marks.end(), true), 0);
}

}  // namespace
}  // namespace duskmoor
