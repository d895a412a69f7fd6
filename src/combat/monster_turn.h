#pragma once
// The monsters' side of a round: every monster in roster order picks one
// target and makes its attacks, each hit and each special attack confirmed by
// the player before the next.
#include <cstdint>

namespace duskmoor {

struct GameState;
struct BattleModel;
struct BattleContext;

enum class MonsterTurnEnd {
    RoundOver,  // every monster has acted; the party's next round begins
    Defeated,   // nobody in the party can fight on
    Closed,     // the screen was closed during a wait
};

MonsterTurnEnd MonsterTurn(BattleContext& battle);

// The party slot a monster attacks: 40% the first, 40% the second, 10% each
// of the others, drawn again until it names someone able to fight. -1 when
// nobody can.
int ChooseTarget(const GameState& state);
// One blow of monster `slot` (member `member` of its group) on `target`.
void DishMonsterDamage(GameState& state, BattleModel& model, int slot, int target, int member);
// Poison, acid or level drain after an attack, hit or miss.
void CheckSpecial(GameState& state, BattleModel& model, int slot, int target);
// Nobody in the party can act any more.
bool CheckForDefeat(const GameState& state);

}  // namespace duskmoor
