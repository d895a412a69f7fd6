#pragma once
// "SPELL ATTACK": the spell or scroll a caster chose on the magic screen takes
// effect. Attack spells strike one monster of the target group or the group
// as a whole; a Cleric's cures work on the party member chosen there. Every
// cast uses the spell up, whether it worked or not.
#include <cstdint>

namespace duskmoor {

struct BattleContext;
struct BattleModel;
struct GameState;

// The cast recorded in `player`'s `CastSpell`, `CastSource` and `CastIndex`.
// True when no monster is left.
bool SpellAttack(BattleContext& battle, int player);

// Magic Missile, Burning Touch, Destroy, Cause Light Wounds and Touch of
// Death: one roll for success, then the damage on the first monster of the
// group's type still standing.
bool SpellOneTarget(GameState& state, BattleModel& model, int spell, int group, int caster);
// Sleep, or a storm of damage shared out over the group.
bool SpellManyTargets(GameState& state, BattleModel& model, int spell, int group, int caster);
// Puts as many of the group to sleep as the spell's hit dice reach; the
// undead never sleep. Never ends the battle.
void SleepSpell(GameState& state, BattleModel& model, int group, int caster);
// A pool of damage kills monster after monster of the group and wounds the
// one it cannot kill.
bool DamageSpell(GameState& state, BattleModel& model, int spell, int group, int caster);

}  // namespace duskmoor
