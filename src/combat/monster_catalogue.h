#pragma once
// The 26 kinds of monster the party can meet, with everything a battle needs
// to know of each: declared once here and read by the roster, the battle
// rules, the experience award, the tools and the tests.
#include <cstdint>
#include <span>
#include <string>

#include "combat/monster.h"
#include "combat/monster_codes.h"

namespace duskmoor {

// A number of dice of one size: 4d8 is {4, 8}.
struct Dice {
    int16_t count = 0;
    int16_t sides = 0;
};

struct MonsterKind {
    const char* name;
    Dice hit_dice;
    int16_t armor_class;
    int16_t to_hit;  // the d20 score needed to hit armour class 0
    int16_t attacks;
    int16_t attack_die;
    int16_t special;  // 0 none, 1 poison, 2 acid, 3 drain
    char treasure;
    int16_t weapon;     // item code, 0 none
    int16_t armor_kit;  // 0 none, 13..19 as the item codes
    int16_t specials;   // special abilities counted for experience
    int32_t experience;
    int16_t level;
};

namespace special_attack {
constexpr int16_t None = 0, Poison = 1, Acid = 2, Drain = 3;
}  // namespace special_attack

constexpr int kMonsterKinds = kMonsterTypes;

// Every kind, in type-code order: row t is type t.
std::span<const MonsterKind> MonsterCatalogue();
// The row of `type`, or null for a code outside 0..25.
const MonsterKind* FindMonster(int type);

// The name of a type; empty for an unknown code.
std::string MonsterName(int type);
// The level turning and sleep read; 0 for an unknown code.
int16_t MonsterLevel(int type);
// "an " or "a ", as the kill message puts it before the name.
std::string MonsterArticle(int type);
bool IsUndead(int type);
// The picture resource of a live group of `type`.
std::string MonsterPicture(int type);
constexpr const char* kTombPicture = "TombBmp";

// 19 - level for levels 0..10; 0 for any other level.
int16_t MonsterToHitBase(int level);
// Base experience of the level, plus twice the increment for one special
// ability (the increment times specials + 1); 0 for a level outside 0..10.
int16_t MonsterExperience(int level, int specials);
// Coins of one kind (1 gold, 2 silver, 3 copper) a monster of treasure
// letter `letter` carries: a chance to roll dice worth ten coins a point.
int32_t TreasureRoll(char letter, int coin_index);
// The items the monster in roster `slot` leaves behind: its weapon, then the
// pieces of its armour kit.
void FillCarriedItems(Monster& monster);

}  // namespace duskmoor
