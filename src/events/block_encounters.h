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

    // Every field by name, in order, for `VisitFields`.
    template <typename Visitor, typename... Self>
    static void FieldsOf(Visitor& visit, Self&... block) {
        visit.Field("Cell", block.Cell...);
        visit.Field("Pending", block.Pending...);
        visit.Field("RandomLeft", block.RandomLeft...);
    }
};

constexpr int kEncounterBlocks = 26;

// A monster type and how many of it make one group of a battle.
struct EncounterGroup {
    int16_t MonsterType = 0;
    int16_t Count = 0;

    bool operator==(const EncounterGroup&) const = default;

    // Every field by name, in order, for `VisitFields`.
    template <typename Visitor, typename... Self>
    static void FieldsOf(Visitor& visit, Self&... group) {
        visit.Field("MonsterType", group.MonsterType...);
        visit.Field("Count", group.Count...);
    }
};

}  // namespace duskmoor
