#pragma once
// The 26 monster types of the catalogue, by name. Battle groups, the roster's
// `MonsterType` and the encounter tables all speak these codes.
#include <cstdint>

namespace duskmoor {

namespace monster {
enum Code : int16_t {
    Kobold = 0,
    Bandit = 1,
    Goblin = 2,
    Hobgoblin = 3,
    Skeleton = 4,
    Zombie = 5,
    Orc = 6,
    GiantScorpion = 7,
    Ogre = 8,
    Anhkheg = 9,
    AxeBeak = 10,
    GiantFireBeetle = 11,
    Bugbear = 12,
    CarrionCrawler = 13,
    Centaur = 14,
    Ettin = 15,
    Gargoyle = 16,
    Ghoul = 17,
    Ghast = 18,
    Gnoll = 19,
    LizardMan = 20,
    Mummy = 21,
    Troglodyte = 22,
    VonDevever = 23,  // the vampire
    Devil = 24,
    TownGuard = 25,
};
}  // namespace monster

constexpr int kMonsterTypes = 26;

// Whether `type` names a monster of the catalogue (0..25).
constexpr bool IsMonsterType(int type) {
    return type >= monster::Kobold && type < kMonsterTypes;
}

}  // namespace duskmoor
