#include "items/item_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "items/can_carry.h"
#include "shell/game.h"
#include "shell/game_state.h"
#include "script/script_host.h"

namespace duskmoor {
namespace {

bool IsWeapon(ItemKind kind) {
    return kind == ItemKind::Weapon || kind == ItemKind::MagicWeapon;
}
bool IsWornOnly(ItemKind kind) {
    return kind == ItemKind::ArmorWithShield || kind == ItemKind::MagicArmorWithShield;
}
bool IsArmor(ItemKind kind) {
    return kind == ItemKind::Armor || kind == ItemKind::MagicArmor || IsWornOnly(kind);
}
bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// What the game relies on of its catalogue: every code once, in the range its
// kind says; the lookups answer exactly the rows; weapons name themselves only
// as weapons and armour only as armour; what is only ever worn has no pack
// name; quest objects weigh nothing and cannot be sold; every shop entry is an
// item with a price, and nothing lies past a list's end.
TEST(ItemCatalogue, TheTableKeepsTheRulesTheGameReliesOn) {
    std::set<int> codes;
    int named = 0;
    for (const ItemInfo& item : ItemCatalogue()) {
        SCOPED_TRACE(item.code);
        EXPECT_TRUE(codes.insert(item.code).second);
        EXPECT_EQ(FindItem(item.code), &item);
        EXPECT_EQ(ItemName(item.code), item.item_name ? item.item_name : "");
        EXPECT_EQ(SpecialItemName(item.code), item.special_name ? item.special_name : "");
        if (!IsWornOnly(item.kind)) ++named;
        EXPECT_EQ(IsWornOnly(item.kind), item.item_name == nullptr && item.special_name == nullptr);
        EXPECT_EQ(IsWeapon(item.kind), !WeaponNameOf(item.code).empty());
        EXPECT_EQ(IsArmor(item.kind), !ArmorNameOf(item.code).empty());
        if (IsWornOnly(item.kind)) {
            EXPECT_TRUE(EndsWith(ArmorNameOf(item.code), ", Shield"));
        }
        if (item.kind == ItemKind::Scroll) {
            EXPECT_FALSE(SpecialItemName(item.code).empty());
        }
        if (item.kind == ItemKind::QuestObject) {
            EXPECT_EQ(ItemWeight(item.code), 0);
            EXPECT_EQ(ItemValue(item.code), std::nullopt);
        }
        EXPECT_EQ(ItemWeight(item.code), item.weight == kNoWeight ? 0 : item.weight);
        EXPECT_GE(ItemWeight(item.code), 0);
    }
    // 21 ordinary items, 14 quest objects, 16 scrolls, 13 magic items, and
    // the eight kinds of armour only ever worn with a shield.
    EXPECT_EQ(named, 21 + 14 + 16 + 13);
    EXPECT_EQ(codes.size(), 64u + 3u + 5u);
    // Codes between and beyond the kinds have no names, weight or value.
    for (int code : {21, 22, 27, 99, 114, 199, 216, 599, 613, 699, 705, -1, 32767}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(FindItem(code), nullptr);
        EXPECT_EQ(ItemName(code) + SpecialItemName(code) + ArmorNameOf(code) + WeaponNameOf(code), "");
        EXPECT_EQ(ItemWeight(code), 0);
        EXPECT_EQ(ItemValue(code), std::nullopt);
    }
    EXPECT_EQ(WeaponNameOf(0), "None");
    EXPECT_EQ(ArmorNameOf(0), "None");

    for (int kind : {shop::Weapons, shop::Armor}) {
        int entries = 0;
        while (ShopPrice(kind, entries)) {
            EXPECT_NE(FindItem(ShopItem(kind, entries)), nullptr) << kind << " " << entries;
            EXPECT_GT(*ShopPrice(kind, entries), 0);
            ++entries;
        }
        EXPECT_GT(entries, 3);
        EXPECT_EQ(ShopItem(kind, entries), 0);
        EXPECT_EQ(ShopPrice(kind, -1), std::nullopt);
    }
    for (int index = 0; ShopItem(shop::Magic, index) != 0; ++index)
        EXPECT_TRUE(ItemValue(ShopItem(shop::Magic, index)).has_value()) << index;
    EXPECT_EQ(ShopPrice(shop::Magic, 0), std::nullopt);
    EXPECT_EQ(ShopPrice(5, 0), std::nullopt);

    GameState state;
    state.Party[2].Weapon = 605;
    state.Party[2].Armor = 702;
    EXPECT_EQ(WeaponName(state, 2), WeaponNameOf(605));
    EXPECT_EQ(ArmorName(state, 2), ArmorNameOf(702));
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
