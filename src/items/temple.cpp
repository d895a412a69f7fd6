#include "items/temple.h"

#include "core/codepage.h"
#include "core/dice.h"
#include "items/pack.h"
#include "shell/game_state.h"
#include "shell/party_changes.h"

namespace duskmoor {
namespace {

bool IsDead(const PLAYER& character) {
    return (character.Status & status::Dead) != 0;
}

std::string HealWounds(PLAYER& character, int service, const std::string& name) {
    int heal = 0;
    if (service == service::LightWounds) heal = RollDice(1, 6) + 1;
    if (service == service::SeriousWounds) heal = RollDice(2, 6) + 2;
    if (service == service::CriticalWounds) heal = character.MaxHP - character.HP;
    std::string message;
    if (character.HP + heal < character.MaxHP) {
        character.HP = static_cast<int16_t>(character.HP + heal);
        message = HealedText(name, heal);
    } else {
        character.HP = character.MaxHP;
        message = name + " is fully healed.";
    }
    if (character.HP > 0) character.Status = static_cast<int16_t>(character.Status & ~status::Unconscious);
    return message;
}

// Clears one condition; empty when the character did not have it.
std::string Lift(PLAYER& character, int16_t condition, const std::string& message) {
    if ((character.Status & condition) == 0) return {};
    character.Status = static_cast<int16_t>(character.Status & ~condition);
    return message;
}

std::string Raise(GameState& state, int slot, const std::string& name) {
    PLAYER& character = state.Party[slot];
    if (!IsDead(character)) return {};
    // Fifteen in a hundred do not come back.
    if (RollDice(1, 100) < 16) {
        RemoveFromParty(state, slot);
        return name + " has been destroyed.";
    }
    character.HP = 1;
    character.Status = status::Ok;
    return name + " has been raised from the dead.";
}

}  // namespace

std::string HealedText(const std::string& name, int heal) {
    return name + " is healed for " + std::to_string(heal) + (heal == 1 ? " hit point." : " hit points.");
}

std::string Cure(GameState& state, int service) {
    const int slot = state.PackOwner;
    if (slot < 0 || slot >= state.NumPlayers || slot > 3) return {};
    PLAYER& character = state.Party[slot];
    const std::string name = Cp1252ToUtf8(character.Name);
    if (IsDead(character) && service != service::RaiseDead)
        return name + " is dead.  This spell will have no effect.";
    switch (service) {
        case service::LightWounds:
        case service::SeriousWounds:
        case service::CriticalWounds:
            return HealWounds(character, service, name);
        case service::CurePoison:
            return Lift(character, status::Poisoned, "Poision has been removed from " + name + "'s blood.");
        case service::CureDisease:
            return Lift(character, status::Diseased, name + " is no longer diseased.");
        case service::LiftCurse:
            return Lift(character, status::Cursed, name + " is no longer cursed.");
        case service::RaiseDead:
            return Raise(state, slot, name);
        default:
            return {};
    }
}

std::string DrinkPotion(GameState& state, int slot, int index) {
    PLAYER& character = state.Party[slot];
    int heal = RollDice(2, 6) + 2;
    if (character.HP + heal > character.MaxHP) {
        heal = character.MaxHP - character.HP;
        character.HP = character.MaxHP;
    } else {
        character.HP = static_cast<int16_t>(character.HP + heal);
    }
    RemovePackEntry(character, index);
    return Cp1252ToUtf8(character.Name) + " is healed for " + std::to_string(heal) + " hit points.";
}

}  // namespace duskmoor
