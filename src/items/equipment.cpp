#include "items/equipment.h"

#include <algorithm>
#include <initializer_list>

#include "core/codepage.h"
#include "items/item_catalogue.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

namespace character_class {
constexpr int Fighter = 0, MagicUser = 1, Thief = 2, Cleric = 3;
}

constexpr int16_t kShield = 13;
constexpr int16_t kBattleAxe = 11, kTwoHandedSword = 12;

bool OneOf(int value, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), value) != codes.end();
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Body armour and the code it becomes when a shield is worn with it.
struct ShieldPair {
    int16_t armor;
    int16_t with_shield;
};
constexpr ShieldPair kShieldPairs[] = {{14, 15},   {16, 17},   {18, 19},   {608, 700},
                                       {609, 701}, {610, 702}, {611, 703}, {612, 704}};

struct ArmorClassRow {
    int16_t armor;
    int16_t ac;
};
constexpr ArmorClassRow kArmorClasses[] = {
    {0, 9},   {13, 8},  {14, 7},  {15, 6},  {16, 5},  {17, 4},  {18, 3},  {19, 2},  {608, 6},
    {609, 5}, {610, 3}, {611, 2}, {612, 1}, {700, 5}, {701, 4}, {702, 2}, {703, 1}, {704, 0},
};

bool IsTwoHanded(int item) {
    return item == kBattleAxe || item == kTwoHandedSword;
}

bool IsBodyArmor(int item) {
    return WithShieldOf(item) != 0;
}

bool IsHeldItem(int item) {
    return InRange(item, 1, 12) || InRange(item, 20, 26) || InRange(item, 600, 607);
}

// A magic-user fights only with blunt weapons and wears nothing.
bool MagicUserMayUse(int item) {
    return OneOf(item, {1, 2, 3, 6, 9, 603, 604, 605, 606, 607});
}

// A thief moves quietly: no shield and nothing heavier than leather.
bool ThiefMayUse(int item) {
    return !OneOf(item, {13, 16, 18, 610, 611, 612});
}

// A cleric sheds no blood with an edge.
bool ClericMayUse(int item) {
    return !OneOf(item, {3, 4, 5, 7, 8, 10, 11, 12, 600, 601, 602});
}

EquipResult PutOnArmor(PLAYER& character, int item) {
    if (character.Armor == 0) {
        character.Armor = static_cast<int16_t>(item);
        return EquipResult::Equipped;
    }
    if (item == kShield) {
        if (IsTwoHanded(character.Weapon)) return EquipResult::TwoHandedInTheWay;
        const int16_t combined = WithShieldOf(character.Armor);
        if (combined == 0) return EquipResult::Unchanged;  // a shield is already worn
        character.Armor = combined;
        return EquipResult::Equipped;
    }
    if (!IsBodyArmor(item)) return EquipResult::Unchanged;
    if (character.Armor == kShield) {
        character.Armor = WithShieldOf(item);
        return EquipResult::Equipped;
    }
    if (character.Armor == item || character.Armor == WithShieldOf(item)) return EquipResult::Unchanged;
    // New body armour replaces the old, and a shield worn with the old comes off with it.
    character.Armor = static_cast<int16_t>(item);
    return EquipResult::Equipped;
}

std::string DisplayName(int item) {
    const bool special = InRange(item, 200, 215) || InRange(item, 600, 612);
    return special ? SpecialItemName(item) : ItemName(item);
}

}  // namespace

bool CanUse(const GameState& state, int slot, int item) {
    switch (state.Party[slot].Class) {
        case character_class::Fighter:
            return true;
        case character_class::MagicUser:
            return MagicUserMayUse(item);
        case character_class::Thief:
            return ThiefMayUse(item);
        case character_class::Cleric:
            return ClericMayUse(item);
        default:
            return false;
    }
}

bool ArmorClassOf(int armor, int16_t& ac) {
    for (const ArmorClassRow& row : kArmorClasses) {
        if (row.armor != armor) continue;
        ac = row.ac;
        return true;
    }
    return false;
}

void SetArmorClass(GameState& state, int slot) {
    PLAYER& character = state.Party[slot];
    ArmorClassOf(character.Armor, character.AC);
}

int16_t ArmorPartOf(int armor) {
    for (const ShieldPair& pair : kShieldPairs)
        if (pair.with_shield == armor) return pair.armor;
    return 0;
}

int16_t WithShieldOf(int armor) {
    for (const ShieldPair& pair : kShieldPairs)
        if (pair.armor == armor) return pair.with_shield;
    return 0;
}

EquipResult EquipItem(GameState& state, int slot, int index) {
    PLAYER& character = state.Party[slot];
    if (index < 0 || index >= character.PackCount) return EquipResult::Unchanged;
    const int item = character.Pack[index];
    if (!CanUse(state, slot, item)) return EquipResult::CannotUse;
    if (InRange(item, 100, 599)) return EquipResult::Unchanged;
    // Only these three codes and only with empty hands: the old game's check, kept as it was.
    if (character.Weapon == 0 && IsTwoHanded(item) && OneOf(character.Armor, {15, 17, 19}))
        return EquipResult::ShieldInTheWay;
    EquipResult result = EquipResult::Unchanged;
    if (IsHeldItem(item)) {
        character.Weapon = static_cast<int16_t>(item);
        result = EquipResult::Equipped;
    } else if (InRange(item, 13, 19) || InRange(item, 608, 612)) {
        result = PutOnArmor(character, item);
    } else {
        return EquipResult::Unchanged;
    }
    if (result == EquipResult::Equipped) SetArmorClass(state, slot);
    return result;
}

std::string EquipRefusal(EquipResult result, const PLAYER& character, int item) {
    const std::string name = Cp1252ToUtf8(character.Name);
    switch (result) {
        case EquipResult::CannotUse:
            if (OneOf(item, {14, 16, 18})) return name + " cannot use " + DisplayName(item) + " armor.";
            return name + " cannot use a " + DisplayName(item) + ".";
        case EquipResult::ShieldInTheWay:
            return "You must unequip your shield to use a two-handed weapon.";
        case EquipResult::TwoHandedInTheWay:
            return "A shield cannot be used with a two-handed weapon equipped.";
        case EquipResult::Equipped:
        case EquipResult::Unchanged:
            break;
    }
    return {};
}

void UnequipItem(GameState& state, int slot, int index) {
    PLAYER& character = state.Party[slot];
    if (index < 0 || index >= character.PackCount) return;
    const int item = character.Pack[index];
    if (item == character.Weapon) {
        character.Weapon = 0;
    } else if (item == character.Armor) {
        character.Armor = 0;
    } else if (item == kShield) {
        if (const int16_t body = ArmorPartOf(character.Armor)) character.Armor = body;
    } else if (IsBodyArmor(item) && WithShieldOf(item) == character.Armor) {
        character.Armor = kShield;
    }
    SetArmorClass(state, slot);
}

std::array<bool, 25> EquippedEntries(const PLAYER& character) {
    std::array<bool, 25> marked{};
    const int count = std::clamp<int>(character.PackCount, 0, 25);
    auto mark_first = [&](int item) {
        if (item == 0) return;
        for (int index = 0; index < count; ++index) {
            if (character.Pack[index] != item || marked[index]) continue;
            marked[index] = true;
            return;
        }
    };
    mark_first(character.Weapon);
    if (const int16_t body = ArmorPartOf(character.Armor)) {
        mark_first(kShield);
        mark_first(body);
    } else {
        mark_first(character.Armor);
    }
    return marked;
}

}  // namespace duskmoor
