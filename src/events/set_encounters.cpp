#include "events/set_encounters.h"

#include "events/encounter_content.h"
#include "shell/game_state.h"

namespace duskmoor {
namespace {

// Entries 0..15 start pending; only 0..14 ever get a cell.
constexpr int kPendingEntries = 16;

}  // namespace

void SetEncounters(GameState& state) {
    for (int block = 0; block < kEncounterBlocks; ++block) {
        BlockEncounters& encounters = state.Encounters[block];
        encounters.Cell.fill(-1);
        encounters.Pending.fill(False);
        encounters.RandomLeft = 0;
        // Blocks 22..25 have no map and stay empty.
        if (block >= kBlockCount) continue;
        for (int entry = 0; entry < kPendingEntries; ++entry) encounters.Pending[entry] = True;
        BlockContent content = EncounterContentOf(block);
        for (const EncounterContent& entry : content.entries) encounters.Cell[entry.entry] = entry.cell;
        encounters.RandomLeft = content.random_allowance;
    }
}

}  // namespace duskmoor
