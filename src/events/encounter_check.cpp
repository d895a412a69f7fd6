#include "events/encounter_check.h"

#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "events/random_encounters.h"
#include "events/set_battles.h"
#include "events/set_events.h"
#include "shell/game.h"
#include "town/encounter_town.h"
#include "world/block_change.h"

namespace duskmoor {
namespace {

constexpr int kScannedEntries = 16;
// Every entry of the town's block is a building.
constexpr int kTownBlock = 0;

const EncounterContent* ContentOfEntry(int block, int entry) {
    for (const EncounterContent& content : EncounterContentOf(block).entries)
        if (content.entry == entry) return &content;
    return nullptr;
}

void ClearEncounter(GameState& state) {
    state.NoteNumber = 0;
    state.EncounterKind = encounter_kind::Nothing;
    state.QuestObject = 0;
    state.TrapKind = 0;
    state.EncounterGold = state.EncounterSilver = state.EncounterCopper = 0;
    state.EncounterItems.fill(0);
}

// What waits on entry `entry` of the current block becomes the pending
// encounter; a battle writes all four of its groups.
void FillPendingEncounter(GameState& state, int entry) {
    const EncounterContent* content = ContentOfEntry(state.CurrentBlock, entry);
    if (!content) return;
    state.EncounterKind = content->kind;
    state.EncounterGold = content->gold;
    state.EncounterSilver = content->silver;
    state.EncounterCopper = content->copper;
    state.EncounterItems = content->items;
    state.NoteNumber = content->note < 0 ? 0 : content->note;
    state.QuestObject = content->quest_object;
    state.TrapKind = content->trap;
    if (content->groups[0].Count > 0) state.EncounterGroups = content->groups;
}

void HandleSetEncounter(Game& game, int entry) {
    GameState& state = game.state;
    ClearEncounter(state);
    FillPendingEncounter(state, entry);
    const int16_t kind = state.EncounterKind;
    if (kind == encounter_kind::StairsUp || kind == encounter_kind::StairsDown) {
        StairsToLevel(game, kind);
        return;
    }
    if (!HandleSetEvent(game, entry)) HandleSetBattle(game, entry);
}

}  // namespace

// The first pending entry on the cell is the one met; an entry that is done
// does not hide a later one on the same cell. Only when none is met do
// wandering monsters get their chance.
void CheckEncounter(Game& game, int block) {
    if (block < 0 || block >= kEncounterBlocks) return;
    const BlockEncounters& encounters = game.state.Encounters[block];
    for (int entry = 0; entry < kScannedEntries; ++entry) {
        if (encounters.Cell[entry] != game.state.PosCell || !IsSet(encounters.Pending[entry])) continue;
        if (block == kTownBlock) {
            HandleTownEncounter(game, entry);
        } else {
            HandleSetEncounter(game, entry);
        }
        return;
    }
    CheckRandomEncounter(game, block);
}

}  // namespace duskmoor
