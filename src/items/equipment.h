#pragma once
// What a character holds and wears. The weapon in hand (`Weapon`) and the
// armour worn (`Armor`) are item codes; the equipped items stay in the pack,
// which marks them. One `Armor` code can stand for body armour and a shield
// together (15, 17, 19, 700..704).
#include <array>
#include <cstdint>
#include <string>

namespace duskmoor {

struct GameState;
struct PLAYER;

// Whether the class of the character in `slot` may use the item.
bool CanUse(const GameState& state, int slot, int item);

// The armour class that `Armor` gives; none for codes outside the table.
bool ArmorClassOf(int armor, int16_t& ac);
// Sets `AC` from `Armor`; other codes leave `AC` as it is.
void SetArmorClass(GameState& state, int slot);

// The body armour of a with-shield code (17 -> 16, 704 -> 612); 0 for other codes.
int16_t ArmorPartOf(int armor);
// The with-shield code of body armour (16 -> 17, 612 -> 704); 0 for other codes.
int16_t WithShieldOf(int armor);

enum class EquipResult {
    Equipped,           // `Weapon` or `Armor` changed (or was set again)
    Unchanged,          // nothing to do: a quest object, a scroll, a second shield, armour already worn
    CannotUse,          // the class may not use it
    ShieldInTheWay,     // a two-handed weapon while a shield is worn and no weapon held
    TwoHandedInTheWay,  // a shield while a two-handed weapon is held
};
// Equips the item at `index` of the pack of the character in `slot`.
EquipResult EquipItem(GameState& state, int slot, int index);
// What the player is told when equipping is refused; empty for the other results.
std::string EquipRefusal(EquipResult result, const PLAYER& character, int item);
// Takes off the item at `index` of the pack of the character in `slot`.
void UnequipItem(GameState& state, int slot, int index);

// Which pack entries are equipped: the first entry equal to the weapon in
// hand, and the first entry of each piece of armour worn (with a with-shield
// code, the first Shield and the first entry of the body armour).
std::array<bool, 25> EquippedEntries(const PLAYER& character);

}  // namespace duskmoor
