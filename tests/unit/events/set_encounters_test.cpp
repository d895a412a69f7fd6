#include "events/set_encounters.h"

#include <gtest/gtest.h>

#include <set>

#include "combat/monster_codes.h"
#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "shell/game_state.h"
#include "world/block_tables.h"
#include "world/map_file.h"

namespace duskmoor {
namespace {

namespace kind = encounter_kind;

TEST(EncounterContent, EveryBlockIsWellFormed) {
    std::set<int> notes, quest_objects;
    for (int block = 0; block < kBlockCount; ++block) {
        BlockContent content = EncounterContentOf(block);
        const BlockInfo* info = FindBlock(block);
        // The map holds at most 400 cells, so a row can only be so far up.
        int width = info->map_width > 0 ? info->map_width : 1;
        int last_cell = width * (kMapFileCells / width) - 1;
        std::set<int> entries;
        for (const EncounterContent& entry : content.entries) {
            EXPECT_TRUE(entries.insert(entry.entry).second) << "block " << block << " entry " << entry.entry;
            EXPECT_GE(entry.entry, 0);
            EXPECT_LE(entry.entry, 14);
            EXPECT_GE(entry.cell, 0);
            EXPECT_LE(entry.cell, last_cell) << "block " << block << " entry " << entry.entry;
            EXPECT_EQ(entry.kind == kind::Town, block == 0);
            bool battle = entry.kind == kind::Battle || entry.kind == kind::BattleAndNote ||
                          entry.kind == kind::BattleAndQuestObject || entry.kind == kind::VonDevever ||
                          entry.kind == kind::Ambush;
            EXPECT_EQ(entry.groups[0].Count > 0, battle) << "block " << block << " entry " << entry.entry;
            // Groups in use come first, without gaps, with known monsters.
            for (int group = 1; group < 4; ++group)
                if (entry.groups[group].Count > 0) {
                    EXPECT_GT(entry.groups[group - 1].Count, 0);
                }
            for (const EncounterGroup& group : entry.groups) {
                EXPECT_TRUE(IsMonsterType(group.MonsterType));
            }
            if (entry.note >= 0) {
                EXPECT_TRUE(notes.insert(entry.note).second) << "note " << entry.note;
            }
            if (entry.quest_object > 0) {
                EXPECT_TRUE(quest_objects.insert(entry.quest_object).second);
            }
            EXPECT_EQ(entry.note >= 0, entry.kind == kind::Note || entry.kind == kind::TreasureAndNote ||
                                           entry.kind == kind::BattleAndNote);
            EXPECT_EQ(entry.quest_object > 0,
                      entry.kind == kind::BattleAndQuestObject || entry.kind == kind::QuestObject);
            EXPECT_EQ(entry.trap > 0, entry.kind == kind::Trap);
        }
    }
    // Each of the 33 notes and 14 quest objects is found exactly once.
    EXPECT_EQ(notes.size(), 33u);
    EXPECT_EQ(*notes.rbegin(), 32);
    EXPECT_EQ(quest_objects.size(), 14u);
    EXPECT_EQ(*quest_objects.rbegin(), 14);
    EXPECT_TRUE(EncounterContentOf(22).entries.empty());
    EXPECT_TRUE(EncounterContentOf(-1).entries.empty());
}

const EncounterContent& EntryOf(int block, int index) {
    for (const EncounterContent& entry : EncounterContentOf(block).entries)
        if (entry.entry == index) return entry;
    static const EncounterContent none;
    ADD_FAILURE() << "block " << block << " has no entry " << index;
    return none;
}

TEST(EncounterContent, SpotChecks) {
    // The Garden's first fight guards quest object 1: 6 Bandits and 5 Kobolds.
    const EncounterContent& garden = EntryOf(1, 0);
    EXPECT_EQ(garden.cell, 16);
    EXPECT_EQ(garden.kind, kind::BattleAndQuestObject);
    EXPECT_EQ(garden.groups[0].MonsterType, monster::Bandit);
    EXPECT_EQ(garden.groups[0].Count, 6);
    EXPECT_EQ(garden.groups[1].MonsterType, monster::Kobold);
    EXPECT_EQ(garden.groups[1].Count, 5);
    EXPECT_EQ(garden.groups[2].Count, 0);
    EXPECT_EQ(garden.quest_object, 1);

    // The Ruins: 62/41/7 with a healing potion and a magic weapon.
    const EncounterContent& ruins = EntryOf(13, 12);
    EXPECT_EQ(ruins.cell, 240);
    EXPECT_EQ(ruins.kind, kind::Treasure);
    EXPECT_EQ(ruins.gold, 62);
    EXPECT_EQ(ruins.silver, 41);
    EXPECT_EQ(ruins.copper, 7);
    EXPECT_EQ(ruins.items, (std::array<int16_t, 4>{20, 604, 0, 0}));
    EXPECT_EQ(EntryOf(13, 1).kind, kind::Nothing);  // "nothing"

    // The Foyer's guards behind the password door.
    const EncounterContent& guards = EntryOf(14, 6);
    EXPECT_EQ(guards.cell, 94);
    EXPECT_EQ(guards.kind, kind::Battle);
    EXPECT_EQ(guards.groups[0].MonsterType, monster::Ettin);
    EXPECT_EQ(guards.groups[1].MonsterType, monster::Ogre);
    EXPECT_EQ(guards.groups[1].Count, 4);

    EXPECT_EQ(EntryOf(2, 13).trap, 1);
    EXPECT_EQ(EntryOf(5, 7).copper, 500);
    EXPECT_EQ(EntryOf(20, 7).copper, 5521);
    EXPECT_EQ(EntryOf(20, 8).kind, kind::Ambush);
    EXPECT_EQ(EntryOf(20, 8).groups[0].MonsterType, monster::Troglodyte);
    EXPECT_EQ(EntryOf(20, 8).groups[0].Count, 17);
    EXPECT_EQ(EntryOf(21, 2).kind, kind::VonDevever);
    EXPECT_EQ(EntryOf(21, 2).groups[2].MonsterType, monster::VonDevever);
    EXPECT_EQ(EntryOf(18, 1).note, 32);
    EXPECT_EQ(EntryOf(0, 14).cell, 254);
    EXPECT_EQ(EntryOf(0, 6).cell, 180);
}

TEST(EncounterContent, StairsMatchTheStairsTable) {
    for (const StairsRow& row : StairsTable()) {
        int found = 0;
        for (const EncounterContent& entry : EncounterContentOf(row.from_block).entries)
            if (entry.kind == row.stairs) ++found;
        EXPECT_EQ(found, 1) << "block " << row.from_block << " stairs " << row.stairs;
    }
    int stairs_entries = 0;
    for (int block = 0; block < kBlockCount; ++block)
        for (const EncounterContent& entry : EncounterContentOf(block).entries)
            if (entry.kind == kind::StairsUp || entry.kind == kind::StairsDown) ++stairs_entries;
    EXPECT_EQ(stairs_entries, static_cast<int>(StairsTable().size()));
}

TEST(SetEncounters, FillsEveryBlock) {
    GameState state;
    state.Encounters[3].Cell[20] = 7;
    state.Encounters[23].Pending[0] = True;
    state.Encounters[24].RandomLeft = 9;
    SetEncounters(state);
    const int allowances[kBlockCount] = {0, 10, 10, 10, 10, 10, 10, 10, 10, 3,  10,
                                         3, 2,  10, 4,  5,  4,  2,  2,  4,  10, 0};
    for (int block = 0; block < kEncounterBlocks; ++block) {
        const BlockEncounters& encounters = state.Encounters[block];
        bool in_world = block < kBlockCount;
        EXPECT_EQ(encounters.RandomLeft, in_world ? allowances[block] : 0) << block;
        for (int entry = 0; entry < 26; ++entry)
            EXPECT_EQ(encounters.Pending[entry], Flag(in_world && entry < 16)) << block << " " << entry;
        EXPECT_EQ(encounters.Cell[15], -1);
        for (int entry = 16; entry < 26; ++entry) EXPECT_EQ(encounters.Cell[entry], -1);
        if (in_world) {
            for (const EncounterContent& content : EncounterContentOf(block).entries)
                EXPECT_EQ(encounters.Cell[content.entry], content.cell);
        } else {
            for (int16_t cell : encounters.Cell) EXPECT_EQ(cell, -1);
        }
    }
    // Entries a block does not use have no cell: Rizevoz's levels start at entry 1.
    EXPECT_EQ(state.Encounters[15].Cell[0], -1);
    EXPECT_EQ(state.Encounters[15].Cell[13], 238);
    EXPECT_EQ(state.Encounters[9].Cell[5], -1);
    EXPECT_EQ(state.Encounters[0].Cell[0], 33);
    EXPECT_EQ(state.Encounters[14].Cell[6], 94);
}

}  // namespace
}  // namespace duskmoor
