#pragma once
// Characters gain levels only by training in town, for 1000 gold a level, up
// to level 6.
#include <cstdint>

namespace duskmoor {

struct Game;
struct GameState;

constexpr int kTopLevel = 6;
constexpr int32_t kTrainingPrice = 1000;

// Experience needed by a class (0 fighter .. 3 cleric) to reach `level` 2..6;
// none (-1) outside the table.
int32_t ExpForLevel(int character_class, int level);
// Whether `member`, of `character_class` at `level`, has the experience for the next level.
bool ReadyToAdvance(const GameState& state, int character_class, int level, int member);
// One level more: a better hit, a point in every ability below 18, and hit
// points by class (a die, raised to the class's least).
void LevelUp(GameState& state, int member);
// The training hall: offers training to every member who is ready.
void TrainParty(Game& game);

}  // namespace duskmoor
