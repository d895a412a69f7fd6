#include "magic/spells.h"

#include <algorithm>
#include <array>

#include "core/codepage.h"
#include "core/dice.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"
#include "shell/party_changes.h"

namespace duskmoor {
namespace {

struct SpellRow {
    const char* name;
    int16_t caster_class;
    int16_t level;
    double rest_hours;
    bool combat;
};

// Codes 1..16 in order; the clerics' eight first, then the magic-users'.
constexpr std::array<SpellRow, 16> kSpells{{
    {"Cure Light Wounds", class_code::Cleric, 1, 0.25, false},
    {"Cause Light Wounds", class_code::Cleric, 1, 0.25, true},
    {"Cure Serious Wounds", class_code::Cleric, 2, 0.5, false},
    {"Cure Poison", class_code::Cleric, 2, 0.25, false},
    {"Cure Critical Wounds", class_code::Cleric, 3, 0.5, false},
    {"Cure Disease", class_code::Cleric, 3, 0.5, false},
    {"Raise Dead", class_code::Cleric, 4, 1.0, false},
    {"Touch of Death", class_code::Cleric, 4, 0.75, true},
    {"Magic Missile", class_code::MagicUser, 1, 0.25, true},
    {"Sleep", class_code::MagicUser, 1, 0.25, true},
    {"Lightening", class_code::MagicUser, 2, 0.5, true},
    {"Burning Touch", class_code::MagicUser, 2, 0.25, true},
    {"Fireball", class_code::MagicUser, 3, 0.5, true},
    {"Wind Storm", class_code::MagicUser, 3, 0.5, true},
    {"Ice Storm", class_code::MagicUser, 4, 0.75, true},
    {"Destroy", class_code::MagicUser, 4, 0.75, true},
}};

const SpellRow* Row(int spell) {
    if (spell < spell::kFirst || spell > spell::kLast) return nullptr;
    return &kSpells[static_cast<size_t>(spell - 1)];
}

std::string NameOf(const PLAYER& character) {
    return Cp1252ToUtf8(character.Name);
}

// Turns every pair in state `from` of every Cleric and Magic-User in play into `to`.
void ChangeChosenPairs(GameState& state, int16_t to) {
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& caster = state.Party[slot];
        if (caster.Class != class_code::Cleric && caster.Class != class_code::MagicUser) continue;
        for (int pair = 0; pair < spell::kPairs; ++pair) {
            if (caster.Spells[2 * pair] == spell::Chosen) caster.Spells[2 * pair] = to;
        }
    }
}

void Wake(PLAYER& character) {
    if (character.HP > 0 && (character.Status & status::Unconscious)) {
        character.Status = static_cast<int16_t>((character.Status & ~status::Unconscious) | status::Ok);
    }
}

std::string HealedText(const PLAYER& target, int heal) {
    return NameOf(target) + " is healed for " + std::to_string(heal) +
           (heal == 1 ? " hit point." : " hit points.");
}

std::string Heal(PLAYER& target, int heal) {
    std::string text;
    if (target.HP + heal < target.MaxHP) {
        target.HP = static_cast<int16_t>(target.HP + heal);
        text = HealedText(target, heal);
    } else {
        target.HP = target.MaxHP;
        text = NameOf(target) + " is fully healed.";
    }
    Wake(target);
    return text;
}

std::string RaiseDeadOn(GameState& state, int target) {
    PLAYER& character = state.Party[target];
    if (!(character.Status & status::Dead)) return {};
    const std::string name = NameOf(character);
    if (RollDice(1, 100) > 15) {
        character.HP = 1;
        character.Status = status::Ok;
        return name + " has been raised from the dead.";
    }
    RemovePartyMember(state, target);
    return name + " has been destroyed.";
}

std::string CureEffect(GameState& state, int spell, int target) {
    PLAYER& character = state.Party[target];
    switch (spell) {
        case spell::CureLightWounds:
            return Heal(character, RollDice(1, 6) + 1);
        case spell::CureSeriousWounds:
            return Heal(character, RollDice(2, 6) + 2);
        case spell::CureCriticalWounds:
            return Heal(character, character.MaxHP - character.HP);
        case spell::CurePoison:
            if (!(character.Status & status::Poisoned)) return {};
            character.Status = static_cast<int16_t>(character.Status & ~status::Poisoned);
            return "Poision has been removed from " + NameOf(character) + "'s blood.";
        case spell::CureDisease:
            if (!(character.Status & status::Diseased)) return {};
            character.Status = static_cast<int16_t>(character.Status & ~status::Diseased);
            return NameOf(character) + " is no longer diseased.";
        case spell::RaiseDead:
            return RaiseDeadOn(state, target);
        default:
            return {};
    }
}

}  // namespace

std::string SpellName(int spell) {
    const SpellRow* row = Row(spell);
    return row ? row->name : "";
}

int16_t SpellCode(const std::string& name) {
    for (int spell = spell::kFirst; spell <= spell::kLast; ++spell) {
        if (name == Row(spell)->name) return static_cast<int16_t>(spell);
    }
    return 0;
}

int16_t ScrollItemCode(int spell) {
    return static_cast<int16_t>(spell + 199);
}

int16_t ScrollSpell(int item) {
    return Row(item - 199) ? static_cast<int16_t>(item - 199) : int16_t{0};
}

int16_t MaxSpells(int level) {
    switch (level) {
        case 1:
            return 2;
        case 2:
            return 3;
        case 3:
            return 6;
        case 4:
            return 9;
        case 5:
            return 12;
        case 6:
        case 7:
        case 8:
        case 9:
            return 13;
        default:
            return 0;
    }
}

double MemorizeHours(int spell) {
    const SpellRow* row = Row(spell);
    return row ? row->rest_hours : 0.0;
}

int16_t SpellClass(int spell) {
    const SpellRow* row = Row(spell);
    return row ? row->caster_class : int16_t{0};
}

int16_t SpellLevel(int spell) {
    const SpellRow* row = Row(spell);
    return row ? row->level : int16_t{0};
}

bool IsCombatSpell(int spell) {
    const SpellRow* row = Row(spell);
    return row && row->combat;
}

int SpellsHeld(const PLAYER& caster) {
    int held = 0;
    for (int pair = 0; pair < spell::kPairs; ++pair) {
        const int16_t state = caster.Spells[2 * pair];
        if (state == spell::Ready || state == spell::Chosen) ++held;
    }
    return held;
}

bool AddToMemory(PLAYER& caster, int spell) {
    for (int pair = 0; pair < spell::kPairs; ++pair) {
        if (caster.Spells[2 * pair] != spell::Empty) continue;
        caster.Spells[2 * pair] = spell::Chosen;
        caster.Spells[2 * pair + 1] = static_cast<int16_t>(spell);
        return true;
    }
    return false;
}

void ForgetSpell(PLAYER& caster, int spell) {
    for (int pair = 0; pair < spell::kPairs; ++pair) {
        if (caster.Spells[2 * pair + 1] == spell && caster.Spells[2 * pair] == spell::Ready) {
            caster.Spells[2 * pair] = spell::Empty;
            return;
        }
    }
}

void LearnChosenSpells(GameState& state) {
    ChangeChosenPairs(state, spell::Ready);
}

void WipeOutSpells(GameState& state) {
    ChangeChosenPairs(state, spell::Empty);
}

bool VerifySpellLevel(Game& game, int slot, int spell) {
    const PLAYER& caster = game.state.Party[slot];
    if (caster.Class == class_code::Cleric && SpellClass(spell) != class_code::Cleric) {
        ShowDialog(game, NameOf(caster) + " cannot cast magic-user spells.");
        return false;
    }
    if (caster.Class == class_code::MagicUser && SpellClass(spell) != class_code::MagicUser) {
        ShowDialog(game, NameOf(caster) + " cannot cast clerical spells.");
        return false;
    }
    if (caster.Class != class_code::Cleric && caster.Class != class_code::MagicUser) return false;
    // Scrolls are read by casters of levels 1 to 6 only.
    if (caster.Level < 1 || caster.Level > 6) return false;
    // Levels 1, 2 and 3 open two, four and six spells of the class's list; 4 to 6 all eight.
    const int allowed = std::min<int>(caster.Level, 4) * 2;
    const int first = caster.Class == class_code::Cleric ? spell::CureLightWounds : spell::MagicMissile;
    if (spell - first < allowed) return true;
    CannotCast(game, slot);
    return false;
}

void CannotCast(Game& game, int slot) {
    ShowDialog(game, "Spell is too advanced for " + NameOf(game.state.Party[slot]) + ".");
}

CureOutcome CureTarget(GameState& state, int spell, int target) {
    if (target < 0 || target >= state.NumPlayers || target >= 4) return {};
    if (spell != spell::CureLightWounds && spell != spell::CureSeriousWounds && spell != spell::CurePoison &&
        spell != spell::CureCriticalWounds && spell != spell::CureDisease && spell != spell::RaiseDead) {
        return {};
    }
    const PLAYER& character = state.Party[target];
    if ((character.Status & status::Dead) && spell != spell::RaiseDead) {
        // Said aloud even in battle: the caster should know the spell was wasted.
        return {NameOf(character) + " is dead.  This spell will have no effect.", true};
    }
    return {CureEffect(state, spell, target)};
}

std::string ApplyCureSpell(Game& game, int spell, int target, int display) {
    CureOutcome cure = CureTarget(game.state, spell, target);
    if (cure.text.empty()) return {};
    if (display == spell::ShowInBattle && !cure.always_dialog) return std::move(cure.text);
    ShowDialog(game, cure.text);
    return {};
}

int16_t SpellSuccessChance(int level) {
    if (level <= 0) return 0;
    constexpr std::array<int16_t, 5> kChance{85, 88, 90, 95, 97};
    return level <= 5 ? kChance[static_cast<size_t>(level - 1)] : int16_t{99};
}

std::pair<int16_t, int16_t> SpellDamageRange(int spell) {
    switch (spell) {
        case spell::CauseLightWounds:
            return {1, 8};
        case spell::MagicMissile:
            return {3, 8};
        case spell::BurningTouch:
            return {3, 12};
        case spell::TouchOfDeath:
        case spell::Destroy:
            return {500, 500};
        default:
            return {0, 0};
    }
}

namespace {
int16_t AtLeast(int16_t roll, int16_t least) {
    return std::max(roll, least);
}
}  // namespace

int16_t OneTargetDamage(int spell) {
    const auto [least, greatest] = SpellDamageRange(spell);
    if (greatest == 0) return 0;
    return AtLeast(RollDice(1, greatest), least);
}

int16_t GroupDamagePool(int spell) {
    switch (spell) {
        case spell::Lightening:
            return AtLeast(RollDice(1, 16), 4);
        case spell::Fireball:
            return AtLeast(RollDice(1, 24), 6);
        case spell::WindStorm:
            return AtLeast(RollDice(1, 32), 8);
        case spell::IceStorm:
            return AtLeast(RollDice(1, 36), 12);
        default:
            return 0;
    }
}

void RemovePartyMember(GameState& state, int slot) {
    RemoveFromParty(state, slot);
}

}  // namespace duskmoor
