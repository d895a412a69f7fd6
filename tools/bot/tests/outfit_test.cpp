#include "outfit.h"

#include <gtest/gtest.h>

#include "items/equipment.h"
#include "items/item_catalogue.h"

namespace duskmoor::bot {
namespace {

// The default party's classes in marching order: fighter, thief, cleric, magic-user.
GameState Party() {
    GameState state;
    state.NumPlayers = 4;
    const int16_t classes[] = {0, 2, 3, 1};
    for (int slot = 0; slot < 4; ++slot) {
        PLAYER& p = state.Party[slot];
        p.Class = classes[slot];
        p.Position = static_cast<int16_t>(slot + 1);
        p.MaxLoad = 1600;
        p.AC = 9;
        p.Active = True;
    }
    return state;
}

void Give(GameState& state, int slot, int item) {
    PLAYER& p = state.Party[slot];
    p.Pack[p.PackCount++] = static_cast<int16_t>(item);
    p.Load = static_cast<int16_t>(p.Load + ItemWeight(item));
}

TEST(BotOutfit, BuysOnlyWhatTheClassMayUseAndThePartyCanPay) {
    for (int budget : {0, 2, 3, 9, 10, 59, 60, 125, 400}) {
        GameState state = Party();
        int spent = 0;
        for (int round = 0; round < 40; ++round) {
            auto purchase = NextPurchase(state, budget - spent);
            if (!purchase) break;
            EXPECT_LE(purchase->price, budget - spent);
            EXPECT_EQ(ShopItem(purchase->shop, purchase->entry), purchase->item);
            EXPECT_EQ(ShopPrice(purchase->shop, purchase->entry).value_or(-1), purchase->price);
            EXPECT_TRUE(CanUse(state, purchase->slot, purchase->item))
                << "slot " << purchase->slot << " item " << purchase->item;
            spent += purchase->price;
            Give(state, purchase->slot, purchase->item);
        }
        if (budget < 3) {
            EXPECT_EQ(spent, 0);
        }
        // Nobody ever buys a second copy of the same thing.
        for (int slot = 0; slot < 4; ++slot) {
            const PLAYER& p = state.Party[slot];
            for (int i = 0; i < p.PackCount; ++i)
                for (int j = i + 1; j < p.PackCount; ++j) EXPECT_NE(p.Pack[i], p.Pack[j]) << "slot " << slot;
        }
    }
}

TEST(BotOutfit, WithMoneyEnoughTheFrontWearsPlateAndShieldAndHoldsASword) {
    GameState state = Party();
    for (int round = 0; round < 40; ++round) {
        auto purchase = NextPurchase(state, 1000);
        if (!purchase) break;
        Give(state, purchase->slot, purchase->item);
    }
    for (int slot = 0; slot < 4; ++slot)
        for (int index : EquipPresses(state, slot)) EquipItem(state, slot, index);
    EXPECT_EQ(state.Party[0].Weapon, 10);  // the sword: two-handed weapons would cost the shield
    EXPECT_EQ(state.Party[0].AC, 2);       // plate and shield
    EXPECT_EQ(state.Party[1].AC, 7);       // a thief wears leather and no shield
    EXPECT_EQ(state.Party[2].AC, 2);
    EXPECT_EQ(state.Party[3].AC, 9);  // a magic-user wears nothing
    EXPECT_NE(state.Party[3].Weapon, 0);
}

TEST(BotOutfit, EquipPressesWearTheBestAndNeverTakeOffWhatIsWorn) {
    GameState state = Party();
    Give(state, 0, 14);  // leather
    Give(state, 0, 16);  // chain
    Give(state, 0, 13);  // shield
    Give(state, 0, 3);   // dagger
    Give(state, 0, 10);  // sword
    std::vector<int> presses = EquipPresses(state, 0);
    for (int index : presses) ASSERT_EQ(EquipItem(state, 0, index), EquipResult::Equipped);
    EXPECT_EQ(state.Party[0].Armor, 17);
    EXPECT_EQ(state.Party[0].Weapon, 10);
    // Everything is on: nothing more to press.
    EXPECT_TRUE(EquipPresses(state, 0).empty());

    // Leather and a shield for a thief: only the leather goes on.
    Give(state, 1, 13);
    Give(state, 1, 14);
    presses = EquipPresses(state, 1);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(state.Party[1].Pack[presses[0]], 14);
}

TEST(BotOutfit, WorthOfWeaponsAndArmour) {
    EXPECT_GT(WeaponWorth(10), WeaponWorth(7));    // sword over short sword
    EXPECT_GT(WeaponWorth(601), WeaponWorth(10));  // magic counts
    EXPECT_EQ(WeaponWorth(13), 0);                 // a shield is no weapon
    EXPECT_EQ(BodyArmorClass(18), 3);
    EXPECT_EQ(BodyArmorClass(13), 9);  // a shield alone is no body armour
    EXPECT_DOUBLE_EQ(BlowShare(1) + BlowShare(2) + BlowShare(3) + BlowShare(4), 1.0);
}

}  // namespace
}  // namespace duskmoor::bot
