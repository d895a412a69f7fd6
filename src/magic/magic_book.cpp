#include "magic/magic_book.h"

#include <algorithm>

#include "items/pack.h"
#include "magic/spells.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "town/frm_trade.h"
#include "town/trade.h"
#include "ui/host.h"

namespace duskmoor {
namespace {

constexpr double kFirstChoiceHours = 4.0;

// The character picker's choice of whom to cure, or -1.
int ChooseTarget(Game& game) {
    GameState& state = game.state;
    state.TradeMode = trade::PickSpellTarget;
    frmTrade picker(game);
    game.host.RunModal(picker);
    const int target = state.TradeMode;
    state.TradeMode = 0;
    return target >= 0 && target < state.NumPlayers && target < 4 ? target : -1;
}

// Outside battle a cure runs at once on the chosen character. Returns false
// when no one was chosen. A failed raise takes a character out of the party,
// and the caster moves down a slot when it stood behind.
bool CureInCamp(Game& game, MagicModel& model, int16_t spell) {
    const int target = ChooseTarget(game);
    if (target < 0) return false;
    const int16_t players_before = game.state.NumPlayers;
    ApplyCureSpell(game, spell, target, spell::ShowInDialog);
    if (game.state.NumPlayers < players_before && target < model.caster) --model.caster;
    if (game.view) game.view->RefreshPartyPanel();
    return true;
}

// In battle the cast is recorded for the round; a cure also needs its target.
bool RecordBattleCast(Game& game, MagicModel& model, int16_t spell, int16_t source) {
    PLAYER& caster = game.state.Party[model.caster];
    caster.CastSpell = spell;
    caster.CastSource = source;
    if (caster.Class == class_code::Cleric && !IsCombatSpell(spell)) {
        const int target = ChooseTarget(game);
        if (target < 0) {
            caster.CastSpell = caster.CastSource = 0;
            return false;
        }
        caster.CastIndex = static_cast<int16_t>(500 + target);
    }
    return true;
}

bool CombatOnly(const PLAYER& caster, int16_t spell) {
    return caster.Class == class_code::MagicUser || IsCombatSpell(spell);
}

}  // namespace

bool IsCaster(const PLAYER& character) {
    return character.Class == class_code::Cleric || character.Class == class_code::MagicUser;
}

std::vector<int16_t> SpellBook(const PLAYER& caster) {
    std::vector<int16_t> book;
    if (!IsCaster(caster)) return book;
    for (int16_t spell = spell::kFirst; spell <= spell::kLast; ++spell)
        if (SpellClass(spell) == caster.Class && SpellLevel(spell) <= std::max<int>(caster.Level, 1))
            book.push_back(spell);
    return book;
}

std::vector<SpellEntry> ReadiedSpells(const PLAYER& caster) {
    std::vector<SpellEntry> list;
    for (int pair = 0; pair < spell::kPairs; ++pair) {
        const int16_t state = caster.Spells[2 * pair];
        if (state == spell::Ready || state == spell::Chosen)
            list.push_back({caster.Spells[2 * pair + 1], pair});
    }
    return list;
}

std::vector<SpellEntry> Scrolls(const PLAYER& caster) {
    std::vector<SpellEntry> list;
    const int count = std::clamp<int>(caster.PackCount, 0, static_cast<int>(caster.Pack.size()));
    for (int place = 0; place < count; ++place)
        if (int16_t spell = ScrollSpell(caster.Pack[place])) list.push_back({spell, place});
    return list;
}

int SpellSlotsLeft(const PLAYER& caster) {
    return MaxSpells(caster.Level) - SpellsHeld(caster);
}

int FindCaster(const GameState& state, int from, int step) {
    const int count = std::clamp<int>(state.NumPlayers, 0, 4);
    for (int tried = 0; tried < count; ++tried) {
        const int slot = ((from + step * tried) % count + count) % count;
        if (IsCaster(state.Party[slot])) return slot;
    }
    return -1;
}

double RestNeeded(const MagicModel& model) {
    return *std::max_element(model.rest_time.begin(), model.rest_time.end());
}

MemorizeResult Memorize(GameState& state, MagicModel& model, int16_t spell) {
    if (model.caster < 0) return MemorizeResult::NotInBook;
    PLAYER& caster = state.Party[model.caster];
    if (caster.Status & (status::Dead | status::Unconscious)) return MemorizeResult::NotConscious;
    if (SpellSlotsLeft(caster) <= 0) return MemorizeResult::NoSlotLeft;
    const std::vector<int16_t> book = SpellBook(caster);
    if (std::find(book.begin(), book.end(), spell) == book.end()) return MemorizeResult::NotInBook;
    if (!AddToMemory(caster, spell)) return MemorizeResult::NoSlotLeft;
    double& hours = model.rest_time[static_cast<size_t>(model.caster)];
    if (hours <= 0) hours = kFirstChoiceHours;
    hours += MemorizeHours(spell);
    return MemorizeResult::Chosen;
}

void NoCombatInCamp(Game& game) {
    ShowDialog(game, "Cannot cast combat spells in camp.");
}

bool CastMemSpell(Game& game, MagicModel& model, int16_t spell) {
    PLAYER& caster = game.state.Party[model.caster];
    if (model.mode == magic_mode::Battle) return RecordBattleCast(game, model, spell, 1);
    if (CombatOnly(caster, spell)) {
        NoCombatInCamp(game);
        return false;
    }
    if (!CureInCamp(game, model, spell)) return false;
    ForgetSpell(game.state.Party[model.caster], spell);
    return true;
}

bool CastScrollSpell(Game& game, MagicModel& model, const SpellEntry& scroll) {
    if (!VerifySpellLevel(game, model.caster, scroll.spell)) return false;
    if (model.mode == magic_mode::Battle) return RecordBattleCast(game, model, scroll.spell, 2);
    PLAYER& caster = game.state.Party[model.caster];
    if (CombatOnly(caster, scroll.spell)) {
        NoCombatInCamp(game);
        return false;
    }
    if (!CureInCamp(game, model, scroll.spell)) return false;
    RemoveFirstOf(game.state.Party[model.caster], ScrollItemCode(scroll.spell));
    return true;
}

void DropChosenSpells(GameState& state, MagicModel& model) {
    WipeOutSpells(state);
    model.rest_time.fill(0.0);
}

}  // namespace duskmoor
