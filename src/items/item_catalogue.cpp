#include "items/item_catalogue.h"

#include <algorithm>
#include <array>

#include "core/codepage.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

using enum ItemKind;

// Leather armour worn together with a shield has no name of its own in the
// game's tables; it is named like the other armour-and-shield pairs:
// "Leather Armor, Shield".
constexpr std::array kCatalogue = {
    ItemInfo{1, Weapon, "Club", nullptr, nullptr, 50, 3},
    ItemInfo{2, Weapon, "Staff", nullptr, nullptr, 40, 3},
    ItemInfo{3, Weapon, "Dagger", nullptr, nullptr, 10, 3},
    ItemInfo{4, Weapon, "Silver Dagger", nullptr, nullptr, 10, 30},
    ItemInfo{5, Weapon, "Hand Axe", nullptr, nullptr, 30, 4},
    ItemInfo{6, Weapon, "Mace", nullptr, nullptr, 30, 5},
    ItemInfo{7, Weapon, "Short Sword", nullptr, nullptr, 30, 7},
    ItemInfo{8, Weapon, "Spear", nullptr, nullptr, 30, 3},
    ItemInfo{9, Weapon, "War Hammer", nullptr, nullptr, 30, 5},
    ItemInfo{10, Weapon, "Sword", nullptr, nullptr, 60, 10},
    ItemInfo{11, Weapon, "Battle Axe", nullptr, nullptr, 50, 7},
    ItemInfo{12, Weapon, "2-Handed Sword", nullptr, nullptr, 150, 15},
    ItemInfo{13, Armor, "Shield", nullptr, nullptr, 100, 10},
    ItemInfo{14, Armor, "Leather Armor", nullptr, nullptr, 200, 20},
    ItemInfo{15, ArmorWithShield, nullptr, nullptr, "Leather Armor, Shield", kNoWeight, kNoValue},
    ItemInfo{16, Armor, "Chain Mail", nullptr, nullptr, 400, 40},
    ItemInfo{17, ArmorWithShield, nullptr, nullptr, "Chain Mail, Shield", kNoWeight, kNoValue},
    ItemInfo{18, Armor, "Plate Mail", nullptr, nullptr, 500, 60},
    ItemInfo{19, ArmorWithShield, nullptr, nullptr, "Plate Mail, Shield", kNoWeight, kNoValue},
    ItemInfo{20, Potion, "Potion of Healing", "Healing Potion", nullptr, 10, 100},
    ItemInfo{23, Equipment, "Rope", nullptr, nullptr, 80, 10},
    ItemInfo{24, Equipment, "Torch", nullptr, nullptr, 80, 15},
    ItemInfo{25, Equipment, "Mirror", nullptr, nullptr, 20, 5},
    ItemInfo{26, Equipment, "Wolfsbane", nullptr, nullptr, 10, 10},
    // Quest objects weigh nothing and cannot be sold.
    ItemInfo{100, QuestObject, "Sir Richard's Ring", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{101, QuestObject, "Traveller's Sword", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{102, QuestObject, "Rizevoz's Royalty", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{103, QuestObject, "Chalice of Therah", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{104, QuestObject, "Khalan's Tapestry", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{105, QuestObject, "Golden Key of Teshukh", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{106, QuestObject, "Moonsea Helm", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{107, QuestObject, "Lea's Golden Mace", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{108, QuestObject, "Magi Staff", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{109, QuestObject, "Statue of Ehl-Delahn", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{110, QuestObject, "The Golden Flail", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{111, QuestObject, "Baron's Lantern", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{112, QuestObject, "The Fire Gem", nullptr, nullptr, kNoWeight, kNoValue},
    ItemInfo{113, QuestObject, "Crown of Draco", nullptr, nullptr, kNoWeight, kNoValue},
    // Scrolls weigh nothing; each carries one spell (code = spell + 199).
    ItemInfo{200, Scroll, nullptr, "Cure Light Wounds", nullptr, 0, 200},
    ItemInfo{201, Scroll, nullptr, "Cause Light Wounds", nullptr, 0, 200},
    ItemInfo{202, Scroll, nullptr, "Cure Serious Wounds", nullptr, 0, 400},
    ItemInfo{203, Scroll, nullptr, "Cure Poison", nullptr, 0, 300},
    ItemInfo{204, Scroll, nullptr, "Cure Critical Wounds", nullptr, 0, 500},
    ItemInfo{205, Scroll, nullptr, "Cure Disease", nullptr, 0, 400},
    ItemInfo{206, Scroll, nullptr, "Raise Dead", nullptr, 0, 5000},
    ItemInfo{207, Scroll, nullptr, "Touch of Death", nullptr, 0, 750},
    ItemInfo{208, Scroll, nullptr, "Magic Missile", nullptr, 0, 200},
    ItemInfo{209, Scroll, nullptr, "Sleep", nullptr, 0, 200},
    ItemInfo{210, Scroll, nullptr, "Lightening", nullptr, 0, 400},
    ItemInfo{211, Scroll, nullptr, "Burning Touch", nullptr, 0, 400},
    ItemInfo{212, Scroll, nullptr, "Fireball", nullptr, 0, 600},
    ItemInfo{213, Scroll, nullptr, "Windstorm", nullptr, 0, 600},
    ItemInfo{214, Scroll, nullptr, "Ice Storm", nullptr, 0, 1000},
    ItemInfo{215, Scroll, nullptr, "Destroy", nullptr, 0, 1500},
    ItemInfo{600, MagicWeapon, nullptr, "Sword +1", nullptr, 60, 450},
    ItemInfo{601, MagicWeapon, nullptr, "Sword +2", nullptr, 60, 600},
    ItemInfo{602, MagicWeapon, nullptr, "Sword +3", nullptr, 60, 1200},
    ItemInfo{603, MagicWeapon, nullptr, "Mace +1", nullptr, 30, 375},
    ItemInfo{604, MagicWeapon, nullptr, "Mace +2", nullptr, 30, 500},
    ItemInfo{605, MagicWeapon, nullptr, "War Hammer +1", nullptr, 30, 400},
    ItemInfo{606, MagicWeapon, nullptr, "War Hammer +2", nullptr, 30, 500},
    ItemInfo{607, MagicWeapon, nullptr, "Flail +2", nullptr, 20, 480},
    ItemInfo{608, MagicArmor, nullptr, "Leather +1", nullptr, 200, 300},
    ItemInfo{609, MagicArmor, nullptr, "Leather +2", nullptr, 200, 500},
    ItemInfo{610, MagicArmor, nullptr, "Chain +2", nullptr, 400, 700},
    ItemInfo{611, MagicArmor, nullptr, "Plate +1", "Plate Mail +1", 500, 1200},
    ItemInfo{612, MagicArmor, nullptr, "Plate +2", "Plate Mail +2", 500, 2000},
    ItemInfo{700, MagicArmorWithShield, nullptr, nullptr, "Leather +1, Shield", kNoWeight, kNoValue},
    ItemInfo{701, MagicArmorWithShield, nullptr, nullptr, "Leather +2, Shield", kNoWeight, kNoValue},
    ItemInfo{702, MagicArmorWithShield, nullptr, nullptr, "Chain +2, Shield", kNoWeight, kNoValue},
    ItemInfo{703, MagicArmorWithShield, nullptr, nullptr, "Plate Mail +1, Shield", kNoWeight, kNoValue},
    ItemInfo{704, MagicArmorWithShield, nullptr, nullptr, "Plate Mail +2, Shield", kNoWeight, kNoValue},
};

static_assert(std::is_sorted(kCatalogue.begin(), kCatalogue.end(),
                             [](const ItemInfo& a, const ItemInfo& b) { return a.code < b.code; }));

// What each shop entry sells. The weapon and armour shops ask the item's
// value; the magic shop has no price list and charges the value too.
constexpr std::array<int16_t, 12> kWeaponShopItems = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
constexpr std::array<int16_t, 4> kArmorShopItems = {13, 14, 16, 18};
constexpr std::array<int16_t, 17> kMagicShopItems = {20,  200, 202, 204, 201, 203, 206, 205, 207,
                                                     208, 209, 210, 211, 212, 213, 214, 215};
// Light, serious and critical wounds, poison, disease, lifting a curse, raising the dead.
constexpr std::array<int32_t, 7> kTemplePrices = {50, 100, 300, 250, 750, 800, 10000};

std::string Text(const char* name) {
    return name ? std::string(name) : std::string();
}

constexpr int16_t kNoneCode = 0;

}  // namespace

std::span<const ItemInfo> ItemCatalogue() {
    return kCatalogue;
}

const ItemInfo* FindItem(int code) {
    auto found = std::lower_bound(kCatalogue.begin(), kCatalogue.end(), code,
                                  [](const ItemInfo& item, int wanted) { return item.code < wanted; });
    return found != kCatalogue.end() && found->code == code ? &*found : nullptr;
}

std::string ItemName(int code) {
    const ItemInfo* item = FindItem(code);
    return item ? Text(item->item_name) : std::string();
}

std::string SpecialItemName(int code) {
    const ItemInfo* item = FindItem(code);
    return item ? Text(item->special_name) : std::string();
}

std::string WeaponNameOf(int weapon_code) {
    if (weapon_code == kNoneCode) return "None";
    const ItemInfo* item = FindItem(weapon_code);
    if (!item) return {};
    if (item->kind == ItemKind::Weapon) return Text(item->item_name);
    if (item->kind == ItemKind::MagicWeapon) return Text(item->special_name);
    return {};
}

std::string ArmorNameOf(int armor_code) {
    if (armor_code == kNoneCode) return "None";
    const ItemInfo* item = FindItem(armor_code);
    if (!item) return {};
    switch (item->kind) {
        case ItemKind::Armor:
        case ItemKind::ArmorWithShield:
        case ItemKind::MagicArmor:
        case ItemKind::MagicArmorWithShield:
            if (item->worn_name) return item->worn_name;
            return item->item_name ? Text(item->item_name) : Text(item->special_name);
        default:
            return {};
    }
}

std::string WeaponName(const GameState& state, int slot) {
    return WeaponNameOf(state.Party[slot].Weapon);
}

std::string ArmorName(const GameState& state, int slot) {
    return ArmorNameOf(state.Party[slot].Armor);
}

int16_t ItemWeight(int code) {
    const ItemInfo* item = FindItem(code);
    return item && item->weight != kNoWeight ? item->weight : 0;
}

std::optional<int32_t> ItemValue(int code) {
    const ItemInfo* item = FindItem(code);
    if (!item || item->value == kNoValue) return std::nullopt;
    return item->value;
}

int16_t ShopItem(int kind, int index) {
    std::span<const int16_t> items;
    if (kind == shop::Weapons) items = kWeaponShopItems;
    if (kind == shop::Armor) items = kArmorShopItems;
    if (kind == shop::Magic) items = kMagicShopItems;
    if (index < 0 || index >= static_cast<int>(items.size())) return 0;
    return items[index];
}

std::optional<int32_t> ShopPrice(int kind, int index) {
    if (kind == shop::Weapons || kind == shop::Armor) {
        int16_t item = ShopItem(kind, index);
        return item ? ItemValue(item) : std::nullopt;
    }
    if (kind == shop::Temple && index >= 0 && index < static_cast<int>(kTemplePrices.size()))
        return kTemplePrices[index];
    return std::nullopt;
}

}  // namespace duskmoor
