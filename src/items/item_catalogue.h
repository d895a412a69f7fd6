#pragma once
// Every object a character can carry is a 16-bit item code. The catalogue
// gives each code its names, its weight and its value; it is fixed data of
// the game, read by the screens, the rules, the tools and the tests alike.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace duskmoor {

struct GameState;

enum class ItemKind {
    Weapon,                // 1..12
    Armor,                 // 13, 14, 16, 18: shield and armour, carried in a pack
    ArmorWithShield,       // 15, 17, 19: only ever worn (an `Armor` value), never packed
    Potion,                // 20
    Equipment,             // 23..26
    QuestObject,           // 100..113
    Scroll,                // 200..215: one per spell, spell code + 199
    MagicWeapon,           // 600..607
    MagicArmor,            // 608..612
    MagicArmorWithShield,  // 700..704: only ever worn
};

constexpr int16_t kNoWeight = -1;
constexpr int32_t kNoValue = -1;

struct ItemInfo {
    int16_t code;
    ItemKind kind;
    const char* item_name;     // the pack name (`ItemName`), or null
    const char* special_name;  // the name of potions, scrolls and magic items (`SpecialItemName`), or null
    const char* worn_name;     // the name as armour worn, where it differs from the others, or null
    int16_t weight;            // kNoWeight for none
    int32_t value;             // in gold; kNoValue for none
};

// The whole catalogue, in code order.
std::span<const ItemInfo> ItemCatalogue();
// The row of `code`, or null for a code without one (21, 22 and every code not listed).
const ItemInfo* FindItem(int code);

// Each name lookup gives an empty text for a code it does not know.
std::string ItemName(int code);
std::string SpecialItemName(int code);
// The names of the weapon in hand and the armour worn by the character in `slot`.
std::string WeaponName(const GameState& state, int slot);
std::string ArmorName(const GameState& state, int slot);
// The same by code: 0 is "None".
std::string WeaponNameOf(int weapon_code);
std::string ArmorNameOf(int armor_code);

// Weight in units of `Load`; 0 for a code without a weight.
int16_t ItemWeight(int code);
// Value in gold pieces; none for quest objects and codes without a row.
std::optional<int32_t> ItemValue(int code);

// The town's shop lists (0-based entries).
namespace shop {
constexpr int Weapons = 1, Armor = 2, Magic = 3, Temple = 4;
}
// The item sold by entry `index` of the weapon, armour or magic shop; 0 for none.
int16_t ShopItem(int kind, int index);
// Price in gold of entry `index` of the weapon shop, the armour shop or the
// temple; none outside a list. The magic shop keeps no list: it charges
// `ItemValue`.
std::optional<int32_t> ShopPrice(int kind, int index);

}  // namespace duskmoor
