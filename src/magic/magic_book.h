#pragma once
// The magic screen's rules: whose spells are shown, what a caster may still
// choose, what choosing costs in rest, and casting from memory or a scroll.
// The screen `frmMagic` shows what these leave in `MagicModel`.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace duskmoor {

struct Game;
struct GameState;
struct PLAYER;

namespace magic_mode {
constexpr int16_t Camp = 1, Battle = 2, MainScreen = 3, Cancelled = 4;
}  // namespace magic_mode

// One line of the left-hand list: a memorised pair or a scroll in the pack.
struct SpellEntry {
    int16_t spell = 0;
    int index = 0;  // the pair of the table, or the place in the pack
};

struct MagicModel {
    int16_t mode = magic_mode::Camp;
    int caster = -1;  // party slot, -1 for none
    bool showing_scrolls = false;
    // Hours of rest the spells chosen in this visit need, per party slot.
    std::array<double, 4> rest_time{};
};

bool IsCaster(const PLAYER& character);
// The spells of the caster's class up to its level, in book order.
std::vector<int16_t> SpellBook(const PLAYER& caster);
// Ready and chosen pairs of the table, or the scrolls in the pack.
std::vector<SpellEntry> ReadiedSpells(const PLAYER& caster);
std::vector<SpellEntry> Scrolls(const PLAYER& caster);
int SpellSlotsLeft(const PLAYER& caster);
// The first caster in play from `from` on, stepping by `step` (+1 or -1) and
// wrapping round; -1 when the party has none.
int FindCaster(const GameState& state, int from, int step);
// The longest rest among the casters.
double RestNeeded(const MagicModel& model);

enum class MemorizeResult { Chosen, NotConscious, NoSlotLeft, NotInBook };
// Marks the spell as chosen in the caster's table and adds its rest time: the
// first choice of a visit costs four hours more.
MemorizeResult Memorize(GameState& state, MagicModel& model, int16_t spell);

// Takes the cast a player asked for: outside battle a cure now (with a target
// from the character picker), in battle the recorded command. Returns false
// when nothing was cast.
bool CastMemSpell(Game& game, MagicModel& model, int16_t spell);
bool CastScrollSpell(Game& game, MagicModel& model, const SpellEntry& scroll);
void NoCombatInCamp(Game& game);
// Chosen pairs of every caster in play go back to empty.
void DropChosenSpells(GameState& state, MagicModel& model);

}  // namespace duskmoor
