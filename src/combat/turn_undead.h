#pragma once
// "TURN UNDEAD": a Cleric's faith drives off the walking dead. What the
// cleric can turn depends on the undead kind and the cleric's level; the
// weakest kinds flee from a seasoned cleric without a roll.
#include <cstdint>

namespace duskmoor {

struct GameState;
struct BattleModel;

namespace turning {
// A d12 score no cleric reaches: the kind cannot be turned at that level.
constexpr int16_t kNever = 99;
}  // namespace turning

// The d12 score a cleric of `level` needs to turn `type`: 0 handled without a
// roll, `turning::kNever` out of reach. Any type that is not undead is never
// turned.
int16_t TurnNeeded(int type, int level);
// The cleric level from which `type` is turned without a roll; 0 for a type
// that is not undead.
int16_t AutoTurnLevel(int type);

// The cleric in party slot `player` turns the undead of the whole battle.
// True when no monster at all is left.
bool TurnAttack(GameState& state, BattleModel& model, int player);

}  // namespace duskmoor
