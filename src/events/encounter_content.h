#pragma once
// What waits on the set-encounter cells of every block: declared once, read by
// the encounter rules, the map checker and the tests.
#include <array>
#include <cstdint>
#include <span>

#include "events/block_encounters.h"

namespace duskmoor {

struct EncounterContent {
    int16_t entry = 0;  // index 0..14 in the block's row of `Encounters`
    int16_t cell = -1;
    int16_t kind = 0;  // `EncounterKind`: 1 battle ... 13 ambush; 5 a town building
    int32_t gold = 0, silver = 0, copper = 0;
    std::array<int16_t, 4> items{};
    std::array<EncounterGroup, 4> groups{};  // monster type and count; count 0 = unused
    int16_t note = -1;                       // note number 0..32, -1 none
    int16_t quest_object = 0;                // 1..14, 0 none
    int16_t trap = 0;                        // trap kind 1..3, 0 none
};

struct BlockContent {
    int16_t random_allowance = 0;
    std::span<const EncounterContent> entries;
};

// Block 0..21; an empty block for any other number.
BlockContent EncounterContentOf(int block);

}  // namespace duskmoor
