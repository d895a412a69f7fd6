#include "outfit.h"

#include <algorithm>

#include "combat/player_attacks.h"
#include "items/can_carry.h"
#include "items/equipment.h"
#include "items/item_catalogue.h"

namespace duskmoor::bot {

namespace {

constexpr int kShield = 13;

bool TwoHanded(int item) {
    return item == 11 || item == 12;
}
bool IsWeapon(int item) {
    return (item >= 1 && item <= 12) || (item >= 600 && item <= 607);
}
bool IsBodyArmor(int item) {
    return item == 14 || item == 16 || item == 18 || (item >= 608 && item <= 612);
}

// The weapon the character would choose among its pack (0 for none).
int BestWeaponCarried(const GameState& state, int slot) {
    const PLAYER& p = state.Party[slot];
    int best = 0;
    for (int i = 0; i < p.PackCount; ++i) {
        int item = p.Pack[i];
        if (!IsWeapon(item) || TwoHanded(item) || !CanUse(state, slot, item)) continue;
        if (WeaponWorth(item) > WeaponWorth(best)) best = item;
    }
    return best;
}

int BestBodyArmorCarried(const GameState& state, int slot) {
    const PLAYER& p = state.Party[slot];
    int best = 0;
    for (int i = 0; i < p.PackCount; ++i) {
        int item = p.Pack[i];
        if (IsBodyArmor(item) && CanUse(state, slot, item) && BodyArmorClass(item) < BodyArmorClass(best))
            best = item;
    }
    return best;
}

bool CarriesShield(const PLAYER& p) {
    return std::find(p.Pack.begin(), p.Pack.begin() + p.PackCount, kShield) != p.Pack.begin() + p.PackCount;
}

bool Fits(const PLAYER& p, int item) {
    return p.PackCount < 24 && p.Load + ItemWeight(item) <= p.MaxLoad;
}

// How much the party gains from the item in the hands or on the back of `slot`.
double Gain(const GameState& state, int slot, int item) {
    const PLAYER& p = state.Party[slot];
    if (!CanUse(state, slot, item) || !Fits(p, item)) return 0;
    // A magic-user rarely strikes; the others fight every round.
    double striking = p.Class == 1 ? 0.5 : 1.0;
    if (IsWeapon(item)) {
        if (TwoHanded(item)) return 0;
        return std::max(0.0, WeaponWorth(item) - WeaponWorth(BestWeaponCarried(state, slot))) * striking;
    }
    double share = BlowShare(p.Position);
    if (item == kShield) return CarriesShield(p) ? 0 : 1.0 * share * 10;
    if (IsBodyArmor(item)) {
        int better = BodyArmorClass(BestBodyArmorCarried(state, slot)) - BodyArmorClass(item);
        return std::max(0, better) * share * 10;
    }
    return 0;
}

int Find(const PLAYER& p, int item, const std::array<bool, 25>& equipped) {
    for (int i = 0; i < p.PackCount; ++i)
        if (p.Pack[i] == item && !equipped[i]) return i;
    return -1;
}

}  // namespace

double WeaponWorth(int weapon) {
    if (weapon == 0) return 1.5;
    if (!IsWeapon(weapon)) return 0;
    return (WeaponDie(weapon) + 1) / 2.0 + 2.0 * MagicWeaponBonus(weapon);
}

int BodyArmorClass(int item) {
    int16_t ac = 9;
    if (!IsBodyArmor(item) || !ArmorClassOf(item, ac)) return 9;
    return ac;
}

double BlowShare(int position) {
    switch (position) {
        case 1:
        case 2:
            return 0.4;
        case 3:
        case 4:
            return 0.1;
    }
    return 0;
}

std::optional<Purchase> NextPurchase(const GameState& state, int budget) {
    std::optional<Purchase> best;
    double best_value = 0;
    for (int slot = 0; slot < state.NumPlayers; ++slot) {
        for (int shop_kind : {shop::Weapons, shop::Armor}) {
            for (int entry = 0;; ++entry) {
                std::optional<int32_t> price = ShopPrice(shop_kind, entry);
                if (!price) break;
                int item = ShopItem(shop_kind, entry);
                if (*price > budget || *price <= 0) continue;
                double value = Gain(state, slot, item) / *price;
                if (value > best_value) {
                    best_value = value;
                    best = Purchase{slot, shop_kind, entry, item, *price};
                }
            }
        }
    }
    return best;
}

std::vector<int> EquipPresses(const GameState& state, int slot) {
    GameState copy = state;
    std::vector<int> presses;
    const auto press = [&](int item) {
        const PLAYER& p = copy.Party[slot];
        int index = Find(p, item, EquippedEntries(p));
        if (index < 0) return;
        if (EquipItem(copy, slot, index) == EquipResult::Equipped) presses.push_back(index);
    };
    int weapon = BestWeaponCarried(copy, slot);
    if (weapon != 0 && copy.Party[slot].Weapon != weapon) press(weapon);
    int body = BestBodyArmorCarried(copy, slot);
    int worn_body =
        ArmorPartOf(copy.Party[slot].Armor) ? ArmorPartOf(copy.Party[slot].Armor) : copy.Party[slot].Armor;
    if (body != 0 && worn_body != body) press(body);
    bool shield_worn = copy.Party[slot].Armor == kShield || ArmorPartOf(copy.Party[slot].Armor) != 0;
    if (!shield_worn && CarriesShield(copy.Party[slot]) && CanUse(copy, slot, kShield) &&
        !TwoHanded(copy.Party[slot].Weapon))
        press(kShield);
    return presses;
}

}  // namespace duskmoor::bot
