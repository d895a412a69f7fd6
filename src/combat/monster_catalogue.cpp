#include "combat/monster_catalogue.h"

#include <array>
#include <cctype>

#include "core/dice.h"
#include "core/random.h"
#include "core/rounding.h"

namespace duskmoor {
namespace {

using namespace special_attack;

// clang-format off
constexpr std::array<MonsterKind, kMonsterKinds> kCatalogue = {{
    // name               hit dice  AC  to-hit att die special   tr.  weapon kit specials  exp  level
    {"Kobold",            {1, 4},  7, 19, 1,  6, None,   'O',  7, 14, 0,    5,  1},
    {"Bandit",            {1, 8},  6, 18, 1,  6, None,   'U',  7, 15, 0,   10,  1},
    {"Goblin",            {1, 8},  6, 18, 1,  6, None,   'R',  7, 15, 0,   10,  1},
    {"Hobgoblin",         {1, 8},  6, 18, 1,  8, None,   'D',  7, 15, 0,   10,  1},
    {"Skeleton",          {1, 8},  7, 18, 1,  6, None,   'Z',  7,  0, 0,   10,  1},
    {"Zombie",            {2, 8},  2, 17, 1,  8, None,   'Z',  0,  0, 0,   20,  2},
    {"Orc",               {1, 8},  6, 18, 1,  6, None,   'D', 10, 15, 0,   10,  1},
    {"Giant Scorpion",    {4, 8},  2, 15, 3, 10, Poison, 'V',  0,  0, 1,  175,  5},
    {"Ogre",              {4, 8},  5, 15, 1, 10, None,   'C',  1, 15, 0,   75,  4},
    {"Anhkheg",           {4, 8},  2, 15, 1, 18, Acid,   'C',  0,  0, 1,  175,  3},
    {"Axe Beak",          {3, 8},  6, 16, 3,  3, None,   'Z',  0,  0, 0,   35,  3},
    {"Giant Fire Beetle", {1, 8},  4, 18, 1,  8, None,   'Z',  0,  0, 0,   10,  1},
    {"Bugbear",           {3, 8},  5, 16, 1,  8, None,   'B', 10, 16, 0,   35,  3},
    {"Carrion Crawler",   {3, 8},  7, 16, 8,  6, None,   'B',  0,  0, 1,   65,  3},
    {"Centaur",           {4, 8},  5, 15, 3,  6, None,   'A',  8, 16, 0,   75,  4},
    {"Ettin",            {10, 8},  3,  9, 2, 16, None,   'C',  1,  0, 0,  900, 10},
    {"Gargoyle",          {4, 8},  5, 15, 4,  3, None,   'M',  0,  0, 0,   75,  4},
    {"Ghoul",             {2, 8},  5, 15, 3,  3, None,   'C',  0,  0, 1,  175,  2},
    {"Ghast",             {4, 8},  4, 15, 3,  4, None,   'B',  0,  0, 1,  175,  4},
    {"Gnoll",             {2, 8},  5, 17, 1,  8, None,   'D',  8, 16, 0,   20,  2},
    {"Lizard Man",        {2, 8},  5, 17, 1,  8, None,   'D',  6,  0, 0,   20,  2},
    {"Mummy",             {6, 8},  3, 13, 1, 12, None,   'D',  0,  0, 1,  725,  6},
    {"Troglodyte",        {2, 8},  5, 17, 3,  4, Poison, 'A',  0,  0, 1,   30,  2},
    {"Von Devever",       {8, 8},  1, 11, 1, 10, Drain,  'F',  0,  0, 1, 1750,  8},
    {"Devil",             {9, 8}, -1, 10, 1, 12, Poison, 'Z',  8,  0, 1, 2300,  9},
    {"Town Guard",        {4, 8},  2, 15, 1,  6, None,   'D', 10, 19, 0,   75,  4},
}};
// clang-format on

struct Level {
    int16_t base;
    int16_t increment;
};
// Levels 9 and 10 share a row.
constexpr std::array<Level, 11> kExperience = {{
    {5, 1},
    {10, 3},
    {20, 5},
    {35, 15},
    {75, 50},
    {175, 125},
    {275, 225},
    {450, 400},
    {650, 550},
    {900, 700},
    {900, 700},
}};

struct CoinDice {
    int16_t count = 0, sides = 0, chance = 0;  // chance in percent; 0 = never
};
struct TreasureType {
    char letter;
    std::array<CoinDice, 3> coins;  // gold, silver, copper
};
// Letters not listed (I, L, N, O, R, T, Z and the rest) carry nothing.
constexpr std::array<TreasureType, 16> kTreasure = {{
    {'A', {{{2, 6, 25}, {1, 6, 30}, {1, 6, 25}}}},
    {'B', {{{1, 3, 25}, {1, 6, 25}, {1, 8, 50}}}},
    {'C', {{{}, {1, 6, 25}, {1, 12, 20}}}},
    {'D', {{{1, 6, 60}, {1, 12, 15}, {1, 8, 10}}}},
    {'E', {{{1, 8, 25}, {1, 12, 30}, {1, 10, 5}}}},
    {'F', {{{1, 12, 45}, {2, 10, 10}, {}}}},
    {'G', {{{10, 4, 50}, {}, {}}}},
    {'H', {{{10, 6, 50}, {1, 100, 50}, {3, 8, 25}}}},
    {'J', {{{}, {1, 3, 10}, {1, 4, 25}}}},
    {'K', {{{}, {1, 6, 30}, {}}}},
    {'M', {{{2, 4, 40}, {}, {}}}},
    {'P', {{{}, {}, {3, 8, 100}}}},
    {'Q', {{{}, {3, 6, 100}, {}}}},
    {'S', {{{2, 4, 100}, {}, {}}}},
    {'U', {{{1, 100, 5}, {1, 100, 10}, {1, 100, 10}}}},
    {'V', {{{1, 100, 10}, {1, 100, 10}, {}}}},
}};

CoinDice CoinDiceOf(char letter, int coin_index) {
    if (coin_index < 1 || coin_index > 3) return {};
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const TreasureType& type : kTreasure)
        if (type.letter == upper) return type.coins[coin_index - 1];
    return {};
}

}  // namespace

std::span<const MonsterKind> MonsterCatalogue() {
    return kCatalogue;
}

const MonsterKind* FindMonster(int type) {
    if (!IsMonsterType(type)) return nullptr;
    return &kCatalogue[type];
}

std::string MonsterName(int type) {
    const MonsterKind* kind = FindMonster(type);
    return kind ? kind->name : "";
}

int16_t MonsterLevel(int type) {
    const MonsterKind* kind = FindMonster(type);
    return kind ? kind->level : 0;
}

std::string MonsterArticle(int type) {
    using namespace monster;
    // Only these four are said with "an"; the Ogre stays "a Ogre".
    return (type == Orc || type == Anhkheg || type == AxeBeak || type == Ettin) ? "an " : "a ";
}

bool IsUndead(int type) {
    using namespace monster;
    return type == Skeleton || type == Zombie || type == Ghoul || type == Ghast || type == Mummy ||
           type == VonDevever;
}

std::string MonsterPicture(int type) {
    return type == monster::VonDevever ? "VampireBmp" : "MonsterBmp";
}

int16_t MonsterToHitBase(int level) {
    if (level < 0 || level > 10) return 0;
    return static_cast<int16_t>(19 - level);
}

int16_t MonsterExperience(int level, int specials) {
    if (level < 0 || level > 10) return 0;
    const Level& row = kExperience[level];
    if (specials <= 0) return row.base;
    return static_cast<int16_t>(row.base + row.increment * (specials + 1));
}

int32_t TreasureRoll(char letter, int coin_index) {
    const CoinDice dice = CoinDiceOf(letter, coin_index);
    if (dice.chance <= 0) return 0;
    if (dice.chance < 100) {
        const long long r = RoundHalfEven(Random().Next() * 100.0);
        if (r < 1 || r > dice.chance) return 0;
    }
    return static_cast<int32_t>(RollDice(dice.count, dice.sides)) * 10;
}

void FillCarriedItems(Monster& monster) {
    monster.CarriedItems.fill(0);
    int next = 0;
    if (monster.WeaponCarried != 0) monster.CarriedItems[next++] = monster.WeaponCarried;
    switch (monster.ArmorKit) {
        case 0:
            break;
        case 15:  // leather armour with a shield
            monster.CarriedItems[next++] = 14;
            monster.CarriedItems[next++] = 13;
            break;
        case 17:  // chain mail with a shield
            monster.CarriedItems[next++] = 16;
            monster.CarriedItems[next++] = 13;
            break;
        case 19:  // plate mail with a shield
            monster.CarriedItems[next++] = 18;
            monster.CarriedItems[next++] = 13;
            break;
        default:
            monster.CarriedItems[next++] = monster.ArmorKit;
            break;
    }
}

}  // namespace duskmoor
