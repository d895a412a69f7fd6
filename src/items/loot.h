#pragma once
// What the beaten foes leave behind: the items each monster of the roster
// still carries, offered by kind with a count.
#include <cstdint>
#include <vector>

namespace duskmoor {

struct GameState;

struct LootEntry {
    int16_t item = 0;
    int count = 0;
};

// One entry per distinct item code carried, in the order first met, at most 24.
std::vector<LootEntry> LootOnOffer(const GameState& state);
// Takes one such item from the first foe carrying it; false when none does.
bool TakeOneFromFoes(GameState& state, int item);
// Leaves the rest behind: every foe's item places are emptied.
void DiscardLoot(GameState& state);

}  // namespace duskmoor
