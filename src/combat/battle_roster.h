#pragma once
// The battle roster: one record per monster, built from the group table when
// a battle starts, and the ways the rules look into it. Every reader clamps
// the counts it is given, so a damaged group table or a roster count from a
// saved game never reaches past the 41 slots.
#include <cstdint>

namespace duskmoor {

struct GameState;
struct Monster;

// Turns `EncounterGroups` into `Monsters`: each member of each group in use
// with its own hit points and coins. Sets `NumGroups` and `NumMonsters`.
void BuildBattleRoster(GameState& state);

// `NumMonsters` and `NumGroups` as far as the tables reach.
int RosterSize(const GameState& state);
int GroupsInUse(const GameState& state);

// Dead (exactly 256) or driven off by a cleric.
bool OutOfFight(const Monster& monster);
// The member number, 1-based, of roster `slot` within its group.
int GetGroupIndex(const GameState& state, int slot);
// Type of group `group`, or -1 for a group beyond the table.
int GroupType(const GameState& state, int group);
// Monsters of `type` still in the fight, over every group of that type.
int LiveOfType(const GameState& state, int type);
// The first roster slot of `type` still in the fight, or -1.
int FirstLiveOfType(const GameState& state, int type);
// The first roster slot of `type` whatever its state, or -1.
int FirstOfType(const GameState& state, int type);
// Any monster at all still in the fight.
bool AnyMonsterLeft(const GameState& state);

}  // namespace duskmoor
