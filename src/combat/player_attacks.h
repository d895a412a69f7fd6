#pragma once
// What a character's command does to the monsters: weapon blows and the
// damage they deal, the party's flight, and the items used in battle. Each
// writes its message into the model's message line and answers true when the
// battle is decided by it. Turning undead and spells have files of their own.
#include <cstdint>

namespace duskmoor {

struct GameState;
struct BattleModel;

// Sides of the damage die of a held item; 2 with nothing in hand and for
// anything that is not a weapon.
int16_t WeaponDie(int weapon);
// The magic weapon's bonus to the attack roll and to the damage.
int16_t MagicWeaponBonus(int weapon);

// Character `player` strikes group `group` with the weapon in hand. A sleeping
// monster of the group's type makes the blow land for 300.
bool WeaponAttack(GameState& state, BattleModel& model, int player, int group);
// `damage` falls on the first monster of `type` still in the fight. True when
// no monster at all is left.
bool DishDamage(GameState& state, BattleModel& model, int type, int damage, int player);
// When no monster at all is left, every group's picture becomes the tomb and
// the answer is true: the party has won.
bool ClearFoes(const GameState& state, BattleModel& model);

// The party's chance to get away, in percent: 15 plus each member's level and
// dexterity bonus, fallen members included.
int FleeChance(const GameState& state);
// One try; on success `BattleOutcome` becomes 4.
bool AttemptToFlee(GameState& state, BattleModel& model);

// "USE ITEM": the potion chosen in the pack, or a bare-handed blow.
bool ItemAttack(GameState& state, BattleModel& model, int player, int group);
// Drinks the first healing potion in the character's pack.
void BattleHeal(GameState& state, BattleModel& model, int player);

}  // namespace duskmoor
