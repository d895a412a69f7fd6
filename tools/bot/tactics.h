#pragma once
// Judging a battle: which group to strike, and when the party had better run.
#include <vector>

#include "shell/game_state.h"

namespace duskmoor::bot {

struct GroupSight {
    int type = 0;
    int live = 0;         // the number the group's label shows
    bool asleep = false;  // a monster of the type sleeps: every blow on the group kills
};

// The chance that a d20 roll of at least `needed` succeeds (a roll is 1..20).
double D20Chance(int needed);
// Damage a monster of the type is expected to deal in one turn to a character of armour class `ac`.
double MonsterThreat(int type, int ac);
// Damage the character is expected to deal to a monster of the type in one blow.
double BlowDamage(const PLAYER& character, int type);
// Expected hit points of a monster of the type.
double MonsterHitPoints(int type);

// The chance that a cleric of `level` turns a monster of the type (0 for the living).
double TurnChance(int type, int level);
// How many monsters of the type a sleep spell is expected to put to sleep.
int SleepersPerSpell(int type, int live);

// The group whose one monster is most worth a killing spell (never the
// vampire, whom it only scratches); -1 when none is worth one.
int KillTarget(const std::vector<GroupSight>& groups);

// The group the party's weapons should fall on: a group with a sleeper, else
// the one whose blows cost the party most for the effort of killing it.
int ChooseTarget(const GameState& state, const std::vector<GroupSight>& groups);
// The battle played out on expected values, round by round: the party's
// blows fall on the chosen group, the monsters' on the front of the party.
// The share of the party's hit points left at the end; 0 or less when it
// loses. `rested` plays it as if every standing member were at full health.
double ExpectedOutcome(const GameState& state, const std::vector<GroupSight>& groups, bool rested = false);
// Whether the fight is lost unless the party runs.
bool ShouldRun(const GameState& state, const std::vector<GroupSight>& groups);
// Whether a group is worth a sleep spell: living, not undead, and dangerous.
int SleepTarget(const GameState& state, const std::vector<GroupSight>& groups);

}  // namespace duskmoor::bot
