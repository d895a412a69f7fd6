#pragma once
// The spells: their codes, who may use them from which level, how many a
// caster holds, the rest each one costs to learn, the memorised-spell table
// inside the character record and the curing spells' effect.
#include <cstdint>
#include <string>
#include <utility>

namespace duskmoor {

struct Game;
struct GameState;
struct PLAYER;

namespace spell {
constexpr int16_t CureLightWounds = 1, CauseLightWounds = 2, CureSeriousWounds = 3, CurePoison = 4,
                  CureCriticalWounds = 5, CureDisease = 6, RaiseDead = 7, TouchOfDeath = 8, MagicMissile = 9,
                  Sleep = 10, Lightening = 11, BurningTouch = 12, Fireball = 13, WindStorm = 14,
                  IceStorm = 15, Destroy = 16;
constexpr int16_t kFirst = 1, kLast = 16;
// States of a pair of the memorised-spell table.
constexpr int16_t Empty = 0, Ready = 1, Chosen = 3;
constexpr int kPairs = 13;
// Where a cure's text goes: the message dialog or the battle's message line.
constexpr int16_t ShowInDialog = 505, ShowInBattle = 504;
}  // namespace spell

namespace class_code {
constexpr int16_t MagicUser = 1, Cleric = 3;
}  // namespace class_code

std::string SpellName(int spell);
int16_t SpellCode(const std::string& name);
int16_t ScrollItemCode(int spell);
// The spell a scroll item holds, or 0 for any other item.
int16_t ScrollSpell(int item);
int16_t MaxSpells(int level);
double MemorizeHours(int spell);
// The class that casts the spell (0 for no spell) and the caster level from
// which it is in the spell book.
int16_t SpellClass(int spell);
int16_t SpellLevel(int spell);
// Spells that work only against monsters.
bool IsCombatSpell(int spell);

// Pairs in state ready or chosen: what counts against `MaxSpells`.
int SpellsHeld(const PLAYER& caster);
// Puts the spell into the first empty pair as chosen; false when none is free.
bool AddToMemory(PLAYER& caster, int spell);
void ForgetSpell(PLAYER& caster, int spell);
// Every chosen pair of every caster in play becomes ready (`learn`) or empty.
void LearnChosenSpells(GameState& state);
void WipeOutSpells(GameState& state);

// May the character read a scroll of this spell; refusals show their message.
bool VerifySpellLevel(Game& game, int slot, int spell);
void CannotCast(Game& game, int slot);

// What a curing spell did to its target: the text to show (empty when there
// is nothing to say), and whether it must reach the message dialog wherever
// the spell was cast (a spell wasted on the dead).
struct CureOutcome {
    std::string text;
    bool always_dialog = false;
};
CureOutcome CureTarget(GameState& state, int spell, int target);
// The effect of a curing spell on the character in `target`. The text goes to
// the dialog for `ShowInDialog`; for `ShowInBattle` it is returned for the
// battle's message line (empty when there is nothing to say there).
std::string ApplyCureSpell(Game& game, int spell, int target, int display);

int16_t SpellSuccessChance(int level);
// Least and greatest damage of the one-monster spells; {0, 0} for the others.
std::pair<int16_t, int16_t> SpellDamageRange(int spell);
// The damage of a one-monster spell, and the pool of a group damage spell.
int16_t OneTargetDamage(int spell);
int16_t GroupDamagePool(int spell);

void RemovePartyMember(GameState& state, int slot);

}  // namespace duskmoor
