#pragma once
#include <array>
#include <cstdint>

namespace duskmoor {

// The set encounters of one block: the cell of each (-1 for none), whether it
// still waits to happen, and how many random encounters the block still allows.
struct BlockEncounters {
    std::array<int16_t, 26> Cell{};
    std::array<int16_t, 26> Pending{};
    int16_t RandomLeft = 0;

    bool operator==(const BlockEncounters&) const = default;

    template <typename Visitor>
    void Fields(Visitor& visit) {
        for (int16_t& cell : Cell) visit.Field(cell);
        for (int16_t& pending : Pending) visit.Field(pending);
        visit.Field(RandomLeft);
    }
};

constexpr int kEncounterBlocks = 26;

// A monster type and how many of it make one group of a battle.
struct EncounterGroup {
    int16_t MonsterType = 0;
    int16_t Count = 0;
};

}  // namespace duskmoor
