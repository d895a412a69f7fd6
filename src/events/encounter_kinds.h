#pragma once
// What a set encounter is (`EncounterKind`). A kind outside 1..13 does nothing
// and leaves its entry pending.
#include <cstdint>

namespace duskmoor {

namespace encounter_kind {
constexpr int16_t Nothing = 0;
constexpr int16_t Battle = 1;
constexpr int16_t Treasure = 2;
constexpr int16_t Note = 3;  // paperwork found on the ground
constexpr int16_t Trap = 4;
constexpr int16_t Town = 5;  // a building of the town; every entry of block 0
constexpr int16_t TreasureAndNote = 6;
constexpr int16_t BattleAndNote = 7;
constexpr int16_t BattleAndQuestObject = 8;
constexpr int16_t QuestObject = 9;
constexpr int16_t StairsUp = 10;
constexpr int16_t StairsDown = 11;
constexpr int16_t VonDevever = 12;  // the vampire's battle, then the finale
constexpr int16_t Ambush = 13;      // a battle announced by a fixed message
}  // namespace encounter_kind

// Whether `kind` is one that has an effect (1..13).
constexpr bool IsEncounterKind(int kind) {
    return kind >= encounter_kind::Battle && kind <= encounter_kind::Ambush;
}

}  // namespace duskmoor
