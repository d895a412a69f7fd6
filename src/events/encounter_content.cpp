#include "events/encounter_content.h"

#include <initializer_list>
#include <iterator>

#include "combat/monster_codes.h"
#include "events/encounter_kinds.h"

namespace duskmoor {
namespace {

using enum monster::Code;

// How many of one monster, written as the battle lists read: "6 Bandit".
struct Band {
    int16_t count;
    monster::Code type;
};

struct Coins {
    int32_t gold, silver, copper;
};

namespace kind = encounter_kind;

constexpr EncounterContent Entry(int16_t entry, int16_t cell, int16_t what) {
    EncounterContent content;
    content.entry = entry;
    content.cell = cell;
    content.kind = what;
    return content;
}

constexpr EncounterContent WithBattle(EncounterContent content, std::initializer_list<Band> bands) {
    int group = 0;
    for (const Band& band : bands) content.groups[group++] = {band.type, band.count};
    return content;
}

constexpr EncounterContent WithTreasure(EncounterContent content, Coins coins,
                                        std::initializer_list<int16_t> items) {
    content.gold = coins.gold;
    content.silver = coins.silver;
    content.copper = coins.copper;
    int slot = 0;
    for (int16_t item : items) content.items[slot++] = item;
    return content;
}

constexpr EncounterContent Town(int16_t entry, int16_t cell) {
    return Entry(entry, cell, kind::Town);
}
constexpr EncounterContent Nothing(int16_t entry, int16_t cell) {
    return Entry(entry, cell, kind::Nothing);
}
constexpr EncounterContent Fight(int16_t entry, int16_t cell, std::initializer_list<Band> bands) {
    return WithBattle(Entry(entry, cell, kind::Battle), bands);
}
constexpr EncounterContent Treasure(int16_t entry, int16_t cell, Coins coins,
                                    std::initializer_list<int16_t> items) {
    return WithTreasure(Entry(entry, cell, kind::Treasure), coins, items);
}
constexpr EncounterContent Note(int16_t entry, int16_t cell, int16_t note) {
    EncounterContent content = Entry(entry, cell, kind::Note);
    content.note = note;
    return content;
}
constexpr EncounterContent Trap(int16_t entry, int16_t cell, int16_t trap) {
    EncounterContent content = Entry(entry, cell, kind::Trap);
    content.trap = trap;
    return content;
}
constexpr EncounterContent TreasureAndNote(int16_t entry, int16_t cell, Coins coins,
                                           std::initializer_list<int16_t> items, int16_t note) {
    EncounterContent content = WithTreasure(Entry(entry, cell, kind::TreasureAndNote), coins, items);
    content.note = note;
    return content;
}
constexpr EncounterContent FightForNote(int16_t entry, int16_t cell, std::initializer_list<Band> bands,
                                        int16_t note) {
    EncounterContent content = WithBattle(Entry(entry, cell, kind::BattleAndNote), bands);
    content.note = note;
    return content;
}
constexpr EncounterContent FightForQuestObject(int16_t entry, int16_t cell, std::initializer_list<Band> bands,
                                               int16_t quest_object) {
    EncounterContent content = WithBattle(Entry(entry, cell, kind::BattleAndQuestObject), bands);
    content.quest_object = quest_object;
    return content;
}
constexpr EncounterContent QuestObject(int16_t entry, int16_t cell, int16_t quest_object) {
    EncounterContent content = Entry(entry, cell, kind::QuestObject);
    content.quest_object = quest_object;
    return content;
}
constexpr EncounterContent StairsUp(int16_t entry, int16_t cell) {
    return Entry(entry, cell, kind::StairsUp);
}
constexpr EncounterContent StairsDown(int16_t entry, int16_t cell) {
    return Entry(entry, cell, kind::StairsDown);
}
constexpr EncounterContent VonDeveverFight(int16_t entry, int16_t cell, std::initializer_list<Band> bands) {
    return WithBattle(Entry(entry, cell, kind::VonDevever), bands);
}
constexpr EncounterContent Ambush(int16_t entry, int16_t cell, std::initializer_list<Band> bands) {
    return WithBattle(Entry(entry, cell, kind::Ambush), bands);
}

// Block 0, the town of Verezeve: every entry is a building (inn, temple, bank,
// magic shop twice, council, the king, his hall, the armory, training twice,
// armor shop, weapon shop, pawn shop, wagon).
constexpr EncounterContent kTown[] = {
    Town(0, 33),   Town(1, 46),   Town(2, 104),  Town(3, 114),  Town(4, 129),
    Town(5, 163),  Town(6, 180),  Town(7, 182),  Town(8, 185),  Town(9, 188),
    Town(10, 190), Town(11, 226), Town(12, 228), Town(13, 234), Town(14, 254),
};

// Block 1, The Garden.
constexpr EncounterContent kBlock1[] = {
    FightForQuestObject(0, 16, {{6, Bandit}, {5, Kobold}}, 1),
    Treasure(1, 63, {27, 32, 6}, {209}),
    Fight(2, 67, {{3, Orc}, {2, Kobold}}),
    Fight(3, 84, {{4, Kobold}, {2, Bandit}}),
    Note(4, 92, 0),
    Fight(5, 128, {{3, Bandit}, {3, Kobold}, {2, Orc}}),
    Fight(6, 161, {{3, Kobold}, {3, Hobgoblin}, {1, Orc}}),
    TreasureAndNote(7, 163, {9, 15, 77}, {208}, 1),
    Fight(8, 195, {{3, Bandit}, {4, Kobold}}),
    Fight(9, 208, {{4, Kobold}, {2, Skeleton}, {1, Orc}}),
    Treasure(10, 213, {15, 21, 11}, {200}),
    Fight(11, 234, {{5, Kobold}, {4, Skeleton}, {2, Orc}}),
    Fight(12, 237, {{6, Orc}, {2, Kobold}}),
    Treasure(13, 240, {25, 31, 3}, {20}),
    Fight(14, 247, {{3, Goblin}, {3, Hobgoblin}}),
};

// Block 2, The West Garden.
constexpr EncounterContent kBlock2[] = {
    Fight(0, 15, {{3, Kobold}, {3, Bandit}}),
    Treasure(1, 20, {27, 41, 4}, {200, 209}),
    Fight(2, 26, {{2, Skeleton}, {2, Orc}}),
    Fight(3, 49, {{4, Hobgoblin}}),
    TreasureAndNote(4, 51, {21, 6, 11}, {}, 2),
    Fight(5, 62, {{4, Orc}, {2, Kobold}}),
    Fight(6, 127, {{1, Bugbear}}),
    Note(7, 137, 3),
    Treasure(8, 141, {11, 33, 21}, {208}),
    Fight(9, 169, {{6, Bandit}}),
    FightForNote(10, 198, {{3, Skeleton}, {3, Orc}, {3, Kobold}}, 4),
    FightForQuestObject(11, 189, {{4, Kobold}, {3, Hobgoblin}, {1, Ogre}}, 2),
    Treasure(12, 195, {4, 31, 26}, {}),
    Trap(13, 207, 1),
    Fight(14, 237, {{3, Skeleton}, {2, Zombie}, {2, Goblin}}),
};

// Block 3, The Estate.
constexpr EncounterContent kBlock3[] = {
    Fight(0, 14, {{5, Kobold}, {4, Hobgoblin}}),
    Fight(1, 30, {{4, Orc}, {7, Kobold}}),
    Treasure(2, 49, {40, 25, 76}, {}),
    Fight(3, 56, {{2, Ogre}, {3, Zombie}}),
    Fight(4, 107, {{2, Bugbear}, {4, Goblin}}),
    FightForNote(5, 132, {{8, Kobold}, {3, Goblin}}, 5),
    TreasureAndNote(6, 135, {7, 54, 121}, {601}, 6),
    Fight(7, 145, {{4, Skeleton}, {3, Zombie}, {3, Kobold}}),
    QuestObject(8, 159, 3),
    Treasure(9, 171, {36, 15, 84}, {209}),
    Fight(10, 194, {{5, Kobold}}),
    Fight(11, 222, {{3, Bugbear}}),
    Treasure(12, 226, {10, 26, 15}, {}),
    Fight(13, 248, {{6, Orc}, {1, Centaur}}),
    Fight(14, 253, {{8, Kobold}}),
};

// Block 4, The Temple.
constexpr EncounterContent kBlock4[] = {
    Treasure(0, 13, {8, 37, 85}, {}),
    Fight(1, 19, {{5, Skeleton}, {4, Zombie}}),
    Note(2, 28, 7),
    Fight(3, 31, {{5, Skeleton}, {2, Ghoul}}),
    QuestObject(4, 48, 4),
    Fight(5, 80, {{3, Ogre}, {4, Skeleton}, {2, Zombie}}),
    Treasure(6, 103, {44, 121, 250}, {}),
    Fight(7, 124, {{3, Bugbear}, {4, Kobold}}),
    Fight(8, 158, {{4, Zombie}}),
    Fight(9, 181, {{7, Bandit}, {5, Kobold}, {3, Orc}}),
    Treasure(10, 191, {3, 0, 55}, {203}),
    FightForNote(11, 199, {{5, Orc}, {4, Hobgoblin}}, 8),
    Fight(12, 227, {{2, Ogre}, {4, Skeleton}, {2, Zombie}}),
    Treasure(13, 237, {200, 200, 200}, {}),
};

// Block 5, The Theater.
constexpr EncounterContent kBlock5[] = {
    Fight(0, 1, {{4, Kobold}, {6, Orc}, {1, Anhkheg}}),
    Fight(1, 45, {{1, Ettin}, {2, Kobold}}),
    Fight(2, 57, {{4, Hobgoblin}, {3, Bugbear}}),
    Fight(3, 83, {{1, Centaur}, {2, Ogre}, {3, Orc}}),
    Fight(4, 105, {{7, Bandit}, {4, Skeleton}, {2, Zombie}}),
    TreasureAndNote(5, 116, {112, 105, 17}, {}, 9),
    Fight(6, 164, {{6, Skeleton}, {3, Zombie}, {2, Ghoul}}),
    Treasure(7, 173, {12, 117, 500}, {}),
    Treasure(8, 197, {87, 141, 93}, {}),
    Treasure(9, 198, {18, 51, 48}, {20}),
    FightForQuestObject(10, 201, {{2, Bugbear}, {5, Skeleton}, {4, Zombie}}, 5),
    Treasure(11, 202, {24, 86, 113}, {}),
    FightForNote(12, 205, {{2, Centaur}, {8, Kobold}, {2, Orc}}, 10),
    Trap(13, 225, 3),
    Fight(14, 239, {{10, Orc}, {5, Skeleton}}),
};

// Block 6, The Prison Yard.
constexpr EncounterContent kBlock6[] = {
    Fight(0, 17, {{7, Skeleton}, {5, Zombie}}),
    Treasure(1, 20, {45, 66, 90}, {}),
    Treasure(2, 26, {11, 55, 3}, {603}),
    Treasure(3, 53, {100, 105, 95}, {}),
    FightForQuestObject(4, 55, {{8, Skeleton}, {4, Ogre}, {3, Orc}, {2, Kobold}}, 6),
    Fight(5, 60, {{4, Bugbear}}),
    Fight(6, 63, {{2, GiantFireBeetle}, {6, Goblin}, {5, Kobold}}),
    FightForNote(7, 106, {{4, Zombie}, {3, Ghoul}}, 11),
    TreasureAndNote(8, 124, {86, 300, 506}, {}, 12),
    Fight(9, 168, {{7, Orc}, {4, Bandit}}),
    Fight(10, 177, {{5, Skeleton}, {1, Ghast}, {1, Mummy}}),
    Fight(11, 206, {{3, Gnoll}, {4, Orc}, {2, Kobold}}),
    Fight(12, 228, {{9, Kobold}, {2, Ettin}}),
    Fight(13, 234, {{1, GiantScorpion}, {4, Hobgoblin}, {2, Bandit}}),
};

// Block 7, The Barracks.
constexpr EncounterContent kBlock7[] = {
    Fight(0, 15, {{6, Hobgoblin}, {3, Ogre}, {5, Goblin}}),
    Fight(1, 16, {{8, Skeleton}, {5, Zombie}, {3, Ghoul}}),
    FightForNote(2, 40, {{4, Bugbear}, {7, Orc}, {7, Kobold}}, 13),
    FightForQuestObject(3, 47, {{1, Mummy}, {2, Ettin}, {4, Orc}}, 7),
    Fight(4, 96, {{3, GiantFireBeetle}, {4, CarrionCrawler}, {6, Bandit}}),
    Treasure(5, 111, {7, 81, 106}, {202}),
    Fight(6, 124, {{7, Skeleton}, {5, Zombie}, {1, Ghoul}}),
    Treasure(7, 136, {36, 3, 9}, {}),
    Fight(8, 186, {{5, Gnoll}, {3, LizardMan}, {4, Orc}}),
    Fight(9, 192, {{3, Gargoyle}, {2, Ettin}}),
    Fight(10, 197, {{6, Goblin}, {7, Kobold}, {4, Bandit}}),
    Treasure(11, 201, {250, 300, 600}, {}),
    Note(12, 225, 14),
    Fight(13, 248, {{6, Gnoll}, {5, Hobgoblin}, {7, Zombie}}),
    Treasure(14, 253, {3, 21, 6}, {608}),
};

// Block 8, The Maze.
constexpr EncounterContent kBlock8[] = {
    Treasure(0, 17, {16, 84, 112}, {}),
    Fight(1, 23, {{2, CarrionCrawler}, {4, Bugbear}, {3, Orc}}),
    TreasureAndNote(2, 49, {8, 0, 4}, {}, 15),
    Fight(3, 62, {{8, Skeleton}, {6, Zombie}, {3, Ghoul}, {3, Kobold}}),
    Fight(4, 64, {{4, LizardMan}, {6, Gnoll}}),
    Fight(5, 132, {{10, Skeleton}, {4, Zombie}, {1, Ghast}}),
    Treasure(6, 142, {48, 96, 0}, {}),
    Note(7, 167, 16),
    FightForQuestObject(8, 172, {{2, Mummy}, {3, Gargoyle}, {2, Ettin}}, 8),
    Fight(9, 214, {{5, Skeleton}, {6, Zombie}, {6, Goblin}}),
    Fight(10, 233, {{2, Ogre}, {2, Ettin}, {4, Gnoll}}),
    Treasure(11, 243, {48, 108, 43}, {}),
    Fight(12, 255, {{3, Centaur}, {4, LizardMan}, {3, Hobgoblin}}),
};

// Block 9, The Chamber.
constexpr EncounterContent kBlock9[] = {
    Fight(0, 4, {{5, Zombie}, {1, Mummy}, {9, Bandit}}),
    FightForQuestObject(1, 31, {{5, Ogre}, {3, Ettin}, {1, Devil}}, 9),
    TreasureAndNote(2, 36, {300, 550, 180}, {}, 17),
    Note(3, 40, 18),
    Fight(4, 45, {{8, Skeleton}, {6, Zombie}, {3, Ghoul}, {2, Ghast}}),
};

// Block 10, The Park.
constexpr EncounterContent kBlock10[] = {
    Fight(0, 38, {{4, Centaur}, {5, Gnoll}, {4, Hobgoblin}}),
    Treasure(1, 55, {48, 101, 250}, {204}),
    Fight(2, 57, {{8, Skeleton}, {7, Zombie}, {2, Ghoul}}),
    Treasure(3, 83, {6, 11, 42}, {205}),
    Treasure(4, 102, {84, 69, 106}, {212}),
    StairsDown(5, 136),
    Treasure(6, 173, {19, 36, 41}, {}),
    FightForNote(7, 216, {{1, Mummy}, {5, LizardMan}, {9, Kobold}}, 19),
    Treasure(8, 226, {27, 106, 23}, {}),
    Note(9, 246, 20),
    QuestObject(10, 250, 10),
};

// Block 11, The Crypt.
constexpr EncounterContent kBlock11[] = {
    FightForQuestObject(0, 7, {{9, Skeleton}, {7, Zombie}, {3, Ghoul}}, 11),
    Treasure(1, 16, {24, 49, 17}, {612}),
    Fight(2, 17, {{6, Skeleton}, {2, Mummy}}),
    Fight(3, 19, {{12, Skeleton}, {6, Zombie}}),
    FightForNote(4, 22, {{2, Mummy}, {2, Devil}, {5, LizardMan}}, 21),
    Fight(5, 25, {{1, Mummy}, {3, Centaur}, {2, Ettin}}),
    Fight(6, 31, {{7, Skeleton}, {5, Zombie}, {3, Ghast}}),
    Fight(7, 33, {{7, Zombie}, {5, Gnoll}, {1, Mummy}, {3, Ogre}}),
    TreasureAndNote(8, 42, {48, 101, 250}, {}, 22),
};

// Block 12, The Pit.
constexpr EncounterContent kBlock12[] = {
    Fight(0, 3, {{4, CarrionCrawler}, {2, Centaur}}),
    Fight(1, 22, {{6, LizardMan}, {5, Gnoll}, {6, Orc}}),
    FightForQuestObject(2, 44, {{2, Ettin}, {5, Bugbear}, {3, Gnoll}, {5, Hobgoblin}}, 12),
    Fight(3, 57, {{5, GiantScorpion}}),
    FightForNote(4, 65, {{4, GiantFireBeetle}, {8, Bandit}, {10, Kobold}}, 23),
    StairsUp(5, 81),
    Fight(6, 77, {{4, Bugbear}, {8, Hobgoblin}, {7, Goblin}}),
    TreasureAndNote(7, 86, {55, 104, 111}, {}, 24),
    Fight(8, 87, {{11, Skeleton}, {14, Kobold}}),
};

// Block 13, The Ruins.
constexpr EncounterContent kBlock13[] = {
    Treasure(0, 9, {11, 18, 39}, {}),
    Nothing(1, 11),
    Fight(2, 17, {{14, Skeleton}, {9, Zombie}, {3, Ghoul}}),
    Fight(3, 24, {{4, Ettin}, {6, Skeleton}}),
    Fight(4, 35, {{9, Skeleton}, {6, Zombie}, {2, Mummy}}),
    Fight(5, 85, {{7, Skeleton}, {4, Ogre}, {8, Goblin}, {11, Kobold}}),
    FightForNote(6, 126, {{6, LizardMan}, {5, Gnoll}, {7, Hobgoblin}}, 25),
    TreasureAndNote(7, 129, {24, 98, 7}, {}, 26),
    Treasure(8, 182, {9, 14, 17}, {214}),
    Fight(9, 187, {{19, Kobold}, {11, Goblin}}),
    Treasure(10, 172, {250, 550, 850}, {}),
    QuestObject(11, 204, 13),
    Treasure(12, 240, {62, 41, 7}, {20, 604}),
    Treasure(13, 255, {3, 19, 104}, {}),
};

// Block 14, The Foyer.
constexpr EncounterContent kBlock14[] = {
    FightForQuestObject(0, 3, {{12, Skeleton}, {8, Zombie}, {3, Ghast}, {3, Mummy}}, 14),
    StairsDown(1, 5),
    Fight(2, 53, {{4, Devil}, {7, Gnoll}, {4, Centaur}}),
    Fight(3, 56, {{9, Bugbear}, {11, Orc}}),
    Treasure(4, 90, {103, 132, 118}, {215}),
    FightForNote(5, 92, {{12, Skeleton}, {13, Kobold}, {2, Mummy}}, 27),
    Fight(6, 94, {{3, Ettin}, {4, Ogre}}),
    FightForNote(7, 96, {{12, Orc}, {7, Goblin}, {11, Kobold}}, 28),
};

// Block 15, Rizevoz level 1.
constexpr EncounterContent kBlock15[] = {
    Fight(1, 39, {{14, Skeleton}, {6, Zombie}}),
    Fight(2, 55, {{8, Skeleton}, {3, Mummy}, {6, Orc}}),
    FightForNote(3, 115, {{9, Hobgoblin}, {7, Orc}, {11, Kobold}}, 29),
    Fight(4, 117, {{3, Ettin}, {3, Devil}}),
    Fight(5, 120, {{11, Skeleton}, {8, Goblin}, {7, Hobgoblin}}),
    Treasure(6, 147, {112, 185, 48}, {}),
    Fight(7, 152, {{11, Skeleton}, {8, Zombie}, {4, Ghoul}, {4, Ghast}}),
    Fight(8, 175, {{9, Gnoll}, {7, Skeleton}, {4, Ogre}}),
    Trap(9, 178, 3),
    Fight(10, 180, {{9, Bugbear}, {6, Kobold}, {8, Goblin}}),
    Fight(11, 210, {{4, Gargoyle}, {3, Ettin}}),
    Fight(12, 217, {{10, Skeleton}, {6, Ghast}, {3, Mummy}}),
    StairsUp(13, 238),
};

// Block 16, Rizevoz level 2.
constexpr EncounterContent kBlock16[] = {
    Fight(1, 47, {{6, Ettin}}),
    FightForNote(2, 57, {{9, Skeleton}, {7, Zombie}, {3, Ghast}, {2, Mummy}}, 30),
    StairsUp(3, 67),
    Fight(4, 72, {{7, Mummy}}),
    Fight(5, 91, {{22, Kobold}, {6, Goblin}}),
    Treasure(6, 95, {48, 142, 482}, {}),
    StairsDown(7, 98),
    Fight(8, 106, {{7, Gnoll}, {5, Ogre}, {6, GiantFireBeetle}}),
};

// Block 17, Rizevoz level 3.
constexpr EncounterContent kBlock17[] = {
    Fight(1, 1, {{12, Orc}, {8, Hobgoblin}, {11, Bandit}}),
    StairsDown(2, 5),
    FightForNote(3, 10, {{3, Ettin}, {5, Ogre}, {7, Hobgoblin}}, 31),
    StairsUp(4, 25),
};

// Block 18, Rizevoz level 4.
constexpr EncounterContent kBlock18[] = {
    FightForNote(1, 6, {{13, Skeleton}, {7, Zombie}, {4, Ghoul}}, 32),
    StairsDown(2, 11),
    Fight(3, 23, {{9, Zombie}, {5, Centaur}, {8, Goblin}}),
    Fight(4, 33, {{14, Skeleton}, {11, Zombie}, {4, Ghast}, {2, Mummy}}),
};

// Block 19, North Caves.
constexpr EncounterContent kBlock19[] = {
    Nothing(0, 7),
    Treasure(1, 10, {18, 36, 41}, {}),
    Fight(2, 18, {{13, Goblin}, {8, Kobold}, {4, Hobgoblin}}),
    Fight(3, 37, {{5, Ogre}, {7, Kobold}}),
    Fight(4, 50, {{4, GiantFireBeetle}, {2, GiantScorpion}}),
    Treasure(5, 56, {81, 211, 66}, {}),
    Treasure(6, 79, {38, 39, 108}, {606}),
    Treasure(7, 94, {27, 81, 4}, {}),
};

// Block 20, Trog Camp.
constexpr EncounterContent kBlock20[] = {
    Fight(0, 34, {{8, Troglodyte}}),    Fight(1, 43, {{11, Troglodyte}}),
    Fight(2, 53, {{12, Troglodyte}}),   Treasure(3, 78, {125, 223, 481}, {}),
    Fight(4, 126, {{14, Troglodyte}}),  Fight(5, 113, {{1, Troglodyte}, {3, Ettin}, {2, Ogre}}),
    Fight(6, 174, {{8, Troglodyte}}),   Treasure(7, 182, {1200, 3000, 5521}, {}),
    Ambush(8, 216, {{17, Troglodyte}}),
};

// Block 21, Underground Passage.
constexpr EncounterContent kBlock21[] = {
    StairsUp(0, 10),
    Fight(1, 13, {{13, Skeleton}, {8, Zombie}, {5, Ghast}, {2, Mummy}}),
    VonDeveverFight(2, 24, {{2, Ettin}, {2, Mummy}, {1, VonDevever}}),
};

constexpr BlockContent kBlocks[] = {
    {0, kTown},    {10, kBlock1},  {10, kBlock2},  {10, kBlock3}, {10, kBlock4},  {10, kBlock5},
    {10, kBlock6}, {10, kBlock7},  {10, kBlock8},  {3, kBlock9},  {10, kBlock10}, {3, kBlock11},
    {2, kBlock12}, {10, kBlock13}, {4, kBlock14},  {5, kBlock15}, {4, kBlock16},  {2, kBlock17},
    {2, kBlock18}, {4, kBlock19},  {10, kBlock20}, {0, kBlock21},
};

}  // namespace

BlockContent EncounterContentOf(int block) {
    if (block < 0 || block >= static_cast<int>(std::size(kBlocks))) return {};
    return kBlocks[block];
}

}  // namespace duskmoor
