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
        FieldsOf(*this, visit);
    }
    template <typename Visitor>
    void Fields(Visitor& visit) const {
        FieldsOf(*this, visit);
    }

  private:
    template <typename Self, typename Visitor>
    static void FieldsOf(Self& block, Visitor& visit) {
        visit.Field("Cell", block.Cell);
        visit.Field("Pending", block.Pending);
        visit.Field("RandomLeft", block.RandomLeft);
    }
};

constexpr int kEncounterBlocks = 26;

// A monster type and how many of it make one group of a battle.
struct EncounterGroup {
    int16_t MonsterType = 0;
    int16_t Count = 0;
};

}  // namespace duskmoor
