#include "items/item_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "items/can_carry.h"
#include "shell/game.h"
#include "ui/script_host.h"

namespace duskmoor {
namespace {

TEST(ItemCatalogue, NamesComeFromTheRightLookup) {
    EXPECT_EQ(ItemName(1), "Club");
    EXPECT_EQ(ItemName(12), "2-Handed Sword");
    EXPECT_EQ(ItemName(20), "Potion of Healing");
    EXPECT_EQ(SpecialItemName(20), "Healing Potion");
    EXPECT_EQ(ItemName(113), "Crown of Draco");
    // Scrolls and magic items have no pack name, only the special one.
    EXPECT_EQ(ItemName(200), "");
    EXPECT_EQ(SpecialItemName(200), "Cure Light Wounds");
    EXPECT_EQ(SpecialItemName(210), "Lightening");
    EXPECT_EQ(SpecialItemName(215), "Destroy");
    EXPECT_EQ(ItemName(611), "");
    EXPECT_EQ(SpecialItemName(611), "Plate +1");
    EXPECT_EQ(SpecialItemName(607), "Flail +2");
    // Ordinary items have no special name; codes without a row have neither.
    EXPECT_EQ(SpecialItemName(1), "");
    for (int code : {0, 15, 21, 22, 27, 99, 114, 199, 216, 599, 613, 700, -1}) {
        EXPECT_EQ(ItemName(code), "") << code;
        EXPECT_EQ(SpecialItemName(code), "") << code;
    }
}

TEST(ItemCatalogue, WeaponAndArmorNames) {
    EXPECT_EQ(WeaponNameOf(0), "None");
    EXPECT_EQ(WeaponNameOf(10), "Sword");
    EXPECT_EQ(WeaponNameOf(602), "Sword +3");
    EXPECT_EQ(WeaponNameOf(13), "");  // a shield is not a weapon
    EXPECT_EQ(WeaponNameOf(20), "");
    EXPECT_EQ(ArmorNameOf(0), "None");
    EXPECT_EQ(ArmorNameOf(13), "Shield");
    EXPECT_EQ(ArmorNameOf(14), "Leather Armor");
    EXPECT_EQ(ArmorNameOf(15), "Leather Armor, Shield");
    EXPECT_EQ(ArmorNameOf(17), "Chain Mail, Shield");
    EXPECT_EQ(ArmorNameOf(19), "Plate Mail, Shield");
    EXPECT_EQ(ArmorNameOf(608), "Leather +1");
    EXPECT_EQ(ArmorNameOf(610), "Chain +2");
    EXPECT_EQ(ArmorNameOf(611), "Plate Mail +1");
    EXPECT_EQ(ArmorNameOf(612), "Plate Mail +2");
    EXPECT_EQ(ArmorNameOf(700), "Leather +1, Shield");
    EXPECT_EQ(ArmorNameOf(704), "Plate Mail +2, Shield");
    for (int code : {1, 20, 21, 100, 200, 600, 705, -1}) EXPECT_EQ(ArmorNameOf(code), "") << code;

    GameState state;
    state.Party[2].Weapon = 605;
    state.Party[2].Armor = 702;
    EXPECT_EQ(WeaponName(state, 2), "War Hammer +1");
    EXPECT_EQ(ArmorName(state, 2), "Chain +2, Shield");
}

TEST(ItemCatalogue, WeightsValuesAndShopPrices) {
    EXPECT_EQ(ItemWeight(12), 150);
    EXPECT_EQ(ItemWeight(18), 500);
    EXPECT_EQ(ItemWeight(607), 20);
    EXPECT_EQ(ItemWeight(208), 0);
    EXPECT_EQ(ItemWeight(105), 0);  // quest objects weigh nothing
    EXPECT_EQ(ItemWeight(21), 0);
    EXPECT_EQ(ItemValue(4), 30);
    EXPECT_EQ(ItemValue(206), 5000);
    EXPECT_EQ(ItemValue(612), 2000);
    EXPECT_EQ(ItemValue(100), std::nullopt);
    EXPECT_EQ(ItemValue(22), std::nullopt);
    EXPECT_EQ(ItemValue(17), std::nullopt);

    EXPECT_EQ(ShopPrice(shop::Weapons, 0), 3);
    EXPECT_EQ(ShopPrice(shop::Weapons, 3), 30);
    EXPECT_EQ(ShopPrice(shop::Weapons, 11), 15);
    EXPECT_EQ(ShopPrice(shop::Weapons, 12), std::nullopt);
    EXPECT_EQ(ShopPrice(shop::Weapons, -1), std::nullopt);
    EXPECT_EQ(ShopPrice(shop::Armor, 0), 10);
    EXPECT_EQ(ShopPrice(shop::Armor, 3), 60);
    EXPECT_EQ(ShopPrice(shop::Armor, 4), std::nullopt);
    EXPECT_EQ(ShopPrice(shop::Temple, 0), 50);
    EXPECT_EQ(ShopPrice(shop::Temple, 3), 250);
    EXPECT_EQ(ShopPrice(shop::Temple, 6), 10000);
    EXPECT_EQ(ShopPrice(shop::Temple, 7), std::nullopt);
    EXPECT_EQ(ShopPrice(shop::Magic, 0), std::nullopt);
    EXPECT_EQ(ShopPrice(5, 0), std::nullopt);
    EXPECT_EQ(ShopItem(shop::Armor, 2), 16);
    EXPECT_EQ(ShopItem(shop::Magic, 4), 201);
    EXPECT_EQ(ShopItem(shop::Magic, 17), 0);
}

TEST(ItemCatalogue, EveryCodeOnceInTheRangesItsKindSays) {
    std::set<int> codes;
    int named = 0;
    for (const ItemInfo& item : ItemCatalogue()) {
        EXPECT_TRUE(codes.insert(item.code).second) << item.code;
        EXPECT_EQ(FindItem(item.code), &item);
        bool worn_only =
            item.kind == ItemKind::ArmorWithShield || item.kind == ItemKind::MagicArmorWithShield;
        if (!worn_only) ++named;
        EXPECT_EQ(worn_only, item.item_name == nullptr && item.special_name == nullptr) << item.code;
    }
    // 21 ordinary items, 14 quest objects, 16 scrolls, 13 magic items.
    EXPECT_EQ(named, 21 + 14 + 16 + 13);
    EXPECT_EQ(codes.size(), 64u + 3u + 5u);
}

struct CarryGame {
    explicit CarryGame(const std::string& script) : input(script), host(input, transcript, "/nonexistent/") {
        PLAYER& evro = game.state.Party[0];
        evro.Name = "Evro";
        evro.MaxLoad = 1600;
    }
    std::istringstream input;
    std::ostringstream transcript;
    ScriptHost host;
    Game game{host};
};

TEST(CanCarry, PackRoomAndLoadAtTheirLimits) {
    CarryGame carry("click cmdButton1\nclick cmdButton1\n");
    PLAYER& evro = carry.game.state.Party[0];
    evro.Load = 1590;
    EXPECT_TRUE(CanCarry(carry.game, 3, 0));  // a Dagger: exactly 1600
    evro.PackCount = 23;
    EXPECT_TRUE(CanCarry(carry.game, 200, 0));
    EXPECT_EQ(carry.transcript.str(), "");
    EXPECT_FALSE(CanCarry(carry.game, 1, 0));  // a Club: 1640
    // Twenty-four items fill the pack, even for a scroll that weighs nothing.
    evro.PackCount = 24;
    evro.Load = 0;
    EXPECT_FALSE(CanCarry(carry.game, 200, 0));
    EXPECT_EQ(carry.transcript.str(), "dialog 1 Evro is overloaded.\ndialog 1 No room in Evro's pack.\n");
}

}  // namespace
}  // namespace duskmoor
