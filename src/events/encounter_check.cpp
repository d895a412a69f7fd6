#include "events/encounter_check.h"

#include "events/encounter_content.h"
#include "events/encounter_kinds.h"
#include "shell/game.h"
#include "world/block_change.h"

namespace duskmoor {
namespace {

constexpr int kScannedEntries = 16;

int16_t KindOfEntry(int block, int entry) {
    for (const EncounterContent& content : EncounterContentOf(block).entries)
        if (content.entry == entry) return content.kind;
    return encounter_kind::Nothing;
}

}  // namespace

// Battles, treasure, notes, traps, quest objects, town buildings and random
// encounters are not carried out yet: for now only the staircases work, so
// that the party can already walk the whole world. As in the full check, the
// first pending entry on the cell is the one met, and a staircase stays
// pending.
void CheckEncounter(Game& game, int block) {
    if (block < 0 || block >= kEncounterBlocks) return;
    const BlockEncounters& encounters = game.state.Encounters[block];
    for (int entry = 0; entry < kScannedEntries; ++entry) {
        if (encounters.Cell[entry] != game.state.PosCell || !IsSet(encounters.Pending[entry])) continue;
        int16_t kind = KindOfEntry(block, entry);
        if (kind == encounter_kind::StairsUp || kind == encounter_kind::StairsDown) StairsToLevel(game, kind);
        return;
    }
}

}  // namespace duskmoor
