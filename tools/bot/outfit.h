#pragma once
// What each character should carry and wear: the best weapon and armour the
// class may use, bought where they do the party the most good for the gold.
#include <optional>
#include <vector>

#include "shell/game_state.h"

namespace duskmoor::bot {

// Expected damage of a blow with the weapon, its magic counted twice over
// (it helps the roll to hit as well); 1.5 bare-handed.
double WeaponWorth(int weapon);
// The armour class the body armour gives alone (9 for a code that is none).
int BodyArmorClass(int item);
// The share of the monsters' blows that falls on a marching position (1..4).
double BlowShare(int position);

struct Purchase {
    int slot = 0;
    int shop = 0;   // shop kind: 1 weapons, 2 armour
    int entry = 0;  // 0-based entry of the shop's list
    int item = 0;
    int price = 0;
};

// The purchase that improves the party most for its price within `budget`, if any.
std::optional<Purchase> NextPurchase(const GameState& state, int budget);

// The pack entries to press E on, in order, so that the character in `slot`
// holds its best weapon and wears its best armour and shield.
std::vector<int> EquipPresses(const GameState& state, int slot);

}  // namespace duskmoor::bot
