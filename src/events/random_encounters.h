#pragma once
// Wandering monsters: the five tiers of random battles, how one is drawn,
// and the chance of meeting one after a step in the ruins.
#include <array>
#include <cstdint>
#include <string>

namespace duskmoor {

struct Game;
struct GameState;

struct RandomTier {
    int16_t max_groups;
    int16_t max_number;
    std::array<int16_t, 5> types;  // monster type of each pick value 0..4
};

// Tier 1..5; any other number gives tier 5's row.
const RandomTier& TierTable(int tier);
// The tier of a maze block: 1 for blocks 0..5 up to 5 for block 18 and beyond.
int TierOfBlock(int block);

// A number of groups, uniform in 1..max_groups.
int16_t RandomGroups(int max_groups);
// Fills `EncounterGroups`: `num_groups` groups of different types of the tier,
// each of 1..max_number monsters.
void BuildRandom(GameState& state, int num_groups, int tier, int max_number);
// One of the five opening lines of a random battle.
std::string GetBattleString();
// Draws and fights one random battle.
void HandleRandom(Game& game);
// After a step with no set encounter: about one step in twenty meets
// wandering monsters while the block still allows them.
void CheckRandomEncounter(Game& game, int block);

}  // namespace duskmoor
