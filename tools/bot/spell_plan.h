#pragma once
// Which spells the casters learn, where the magic screen lists them, and
// which one a caster casts in battle.
#include <vector>

#include "shell/game_state.h"
#include "tactics.h"

namespace duskmoor::bot {

namespace spell_code {
constexpr int CureLight = 1, CureSerious = 3, CurePoison = 4, CureCritical = 5, TouchOfDeath = 8, Sleep = 10,
              Destroy = 16;
}  // namespace spell_code

// The spell book's label on the magic screen (13..20) of a spell the caster's class lists; -1 otherwise.
int BookLabel(const PLAYER& caster, int spell);
// The spells to choose for `slots` free slots, given what the caster holds already:
// magic-users sleep, and from level 4 destroy; clerics cure, and from level 4 touch.
std::vector<int> SpellsToLearn(const PLAYER& caster, int slots);

// A spell a caster casts this turn: the spell, the group it falls on, and for
// a cure the party slot it heals (-1 otherwise).
struct Cast {
    int spell = 0;
    int group = -1;
    int patient = -1;
};
// What the caster in `slot` casts, if anything is worth it.
Cast ChooseCast(const GameState& state, int slot, const std::vector<GroupSight>& groups);

}  // namespace duskmoor::bot
