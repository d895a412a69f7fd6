#include "items/loot.h"

#include <algorithm>

#include "shell/game_state.h"

namespace duskmoor {
namespace {

constexpr size_t kMostKinds = 24;

int FoesInRoster(const GameState& state) {
    return std::clamp<int>(state.NumMonsters, 0, kRosterSize);
}

}  // namespace

std::vector<LootEntry> LootOnOffer(const GameState& state) {
    std::vector<LootEntry> offer;
    for (int foe = 0; foe < FoesInRoster(state); ++foe) {
        for (int16_t item : state.Monsters[foe].CarriedItems) {
            if (item == 0) continue;
            auto known = std::find_if(offer.begin(), offer.end(),
                                      [item](const LootEntry& entry) { return entry.item == item; });
            if (known != offer.end()) {
                ++known->count;
            } else if (offer.size() < kMostKinds) {
                offer.push_back({item, 1});
            }
        }
    }
    return offer;
}

bool TakeOneFromFoes(GameState& state, int item) {
    if (item == 0) return false;
    for (int foe = 0; foe < FoesInRoster(state); ++foe) {
        for (int16_t& carried : state.Monsters[foe].CarriedItems) {
            if (carried != item) continue;
            carried = 0;
            return true;
        }
    }
    return false;
}

void DiscardLoot(GameState& state) {
    for (Monster& foe : state.Monsters) foe.CarriedItems.fill(0);
}

}  // namespace duskmoor
