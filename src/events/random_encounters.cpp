#include "events/random_encounters.h"

#include <algorithm>

#include "combat/fight_battle.h"
#include "combat/monster_codes.h"
#include "core/dice.h"
#include "core/random.h"
#include "core/rounding.h"
#include "events/block_encounters.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {
namespace {

using namespace monster;

constexpr std::array<RandomTier, 5> kTiers = {{
    {2, 4, {Kobold, Bandit, Skeleton, Orc, Goblin}},
    {2, 5, {Zombie, Hobgoblin, Centaur, Ghoul, Gnoll}},
    {3, 5, {CarrionCrawler, Gargoyle, Ghast, LizardMan, Troglodyte}},
    {3, 5, {AxeBeak, GiantFireBeetle, Bugbear, Mummy, Anhkheg}},
    {4, 6, {GiantScorpion, Ogre, Ettin, Devil, Gnoll}},
}};

constexpr int kTierCount = 5;

// A draw scaled by `scale` and rounded half to even, drawn again until it
// lies in low..high.
int DrawBetween(int low, int high, double scale = 100.0) {
    for (;;) {
        const long long value = RoundHalfEven(Random().Next() * scale);
        if (value >= low && value <= high) return static_cast<int>(value);
    }
}

}  // namespace

const RandomTier& TierTable(int tier) {
    return kTiers[std::clamp(tier, 1, kTierCount) - 1];
}

int TierOfBlock(int block) {
    if (block <= 5) return 1;
    if (block <= 9) return 2;
    if (block <= 13) return 3;
    if (block <= 17) return 4;
    return 5;
}

int16_t RandomGroups(int max_groups) {
    return static_cast<int16_t>(DrawBetween(1, std::clamp(max_groups, 1, 4)));
}

void BuildRandom(GameState& state, int num_groups, int tier, int max_number) {
    std::array<int16_t, 4> sizes{};
    for (int group = 0; group < 4; ++group) {
        state.EncounterGroups[group] = {};
        sizes[group] = static_cast<int16_t>(DrawBetween(1, std::max(max_number, 1)));
    }
    const RandomTier& row = TierTable(tier);
    std::array<bool, 5> taken{};
    for (int group = 0; group < std::clamp(num_groups, 0, 4); ++group) {
        int pick = 0;
        do {
            pick = DrawBetween(0, 4);
        } while (taken[pick]);
        taken[pick] = true;
        state.EncounterGroups[group] = {row.types[pick], sizes[group]};
    }
}

std::string GetBattleString() {
    static const char* const kLines[] = {"A battle begins...", "Monsters attack!",
                                         "You stumble into an encounter...", "You are attacked!",
                                         "Draw your weapons..."};
    return kLines[DrawBetween(1, 5, 10.0) - 1];
}

void HandleRandom(Game& game) {
    GameState& state = game.state;
    // In the wilderness anything may come out of the dark.
    const int tier = IsSet(state.InWilderness) ? RollDice(1, 5) : TierOfBlock(state.CurrentBlock);
    const RandomTier& row = TierTable(tier);
    state.MaxGroups = row.max_groups;
    state.MaxNumber = row.max_number;
    state.NumGroups = RandomGroups(row.max_groups);
    BuildRandom(state, state.NumGroups, tier, row.max_number);
    Battle(game);
}

void CheckRandomEncounter(Game& game, int block) {
    if (block < 0 || block >= kEncounterBlocks) return;
    if (game.state.Encounters[block].RandomLeft <= 0) return;
    if (RoundHalfEven(Random().Next() * 10.0) != 0) return;
    ShowDialog(game, GetBattleString());
    HandleRandom(game);
    // A party that ran away has not used up the block's wandering monsters.
    if (game.state.BattleOutcome != 7) --game.state.Encounters[block].RandomLeft;
}

}  // namespace duskmoor
