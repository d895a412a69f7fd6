#include "magic/rest.h"

#include <cstdio>
#include <string>

#include "core/codepage.h"
#include "core/random.h"
#include "core/rounding.h"
#include "magic/spells.h"
#include "shell/frm_dialog.h"
#include "shell/game.h"

namespace duskmoor {
namespace {

std::string NameOf(const PLAYER& character) {
    return Cp1252ToUtf8(character.Name);
}

void Knock(PLAYER& character) {
    character.Status = static_cast<int16_t>((character.Status | status::Unconscious) & ~status::Ok);
}

void RefreshPanel(Game& game) {
    if (game.view) game.view->RefreshPartyPanel();
}

}  // namespace

double RestHoursPlus(double hours) {
    const double more = hours + 1.0;
    return more > kMaxRestHours ? 0.0 : more;
}

double RestHoursToStart(float needed) {
    if (!(needed > 0.0f)) return 0.0;  // nothing chosen, or not a number at all
    return needed > kMaxRestHours ? kMaxRestHours : needed;
}

double RestHoursMinus(double hours) {
    return hours - 1.0 < 0.0 ? 0.0 : hours - 1.0;
}

std::string RestHoursShown(double hours) {
    if (hours < 1.0) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%g", hours);
    return text;
}

bool CheckPoison(Game& game) {
    const GameState& state = game.state;
    int poisoned = 0;
    int last = -1;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        if (state.Party[slot].Status & status::Poisoned) {
            ++poisoned;
            last = slot;
        }
    }
    if (poisoned == 0) return true;
    const std::string who =
        poisoned == 1 ? NameOf(state.Party[last]) + " is poisoned" : "Members of the party are poisoned";
    return ShowDialog(game, who + " and may not survive the rest period...rest anyway?", dialog::YesNo) ==
           dialog::Yes;
}

bool RestCanBeInterrupted(const GameState& state) {
    if (state.CurrentBlock == 0) return IsSet(state.InWilderness);
    if (state.CurrentBlock < 0 || state.CurrentBlock >= kEncounterBlocks) return false;
    return state.Encounters[state.CurrentBlock].RandomLeft >= 1;
}

void UpdateTime(GameState& state) {
    state.GameHour = state.GameHour >= 23 ? int16_t{0} : static_cast<int16_t>(state.GameHour + 1);
}

void UpdatePoison(GameState& state) {
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& character = state.Party[slot];
        if (character.Status & status::Poisoned) character.HP = static_cast<int16_t>(character.HP - 6);
    }
}

void RestHeal(Game& game) {
    GameState& state = game.state;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& character = state.Party[slot];
        if ((character.Status & status::Dead) || character.HP >= character.MaxHP) continue;
        character.HP = static_cast<int16_t>(character.HP + 1);
        if (character.HP >= 1 && (character.Status & status::Unconscious)) {
            character.Status = static_cast<int16_t>((character.Status & ~status::Unconscious) | status::Ok);
        }
    }
    ShowDialog(game, "The party is healed.");
    RefreshPanel(game);
}

bool RestInterruption() {
    return RoundHalfEven(Random().Next() * 10.0) < 2;
}

void CheckDeath(Game& game) {
    GameState& state = game.state;
    for (int slot = 0; slot < state.NumPlayers && slot < 4; ++slot) {
        PLAYER& character = state.Party[slot];
        // The dead were mourned when they fell; a later rest does not announce them again.
        if (character.Status & status::Dead) continue;
        if (character.HP < -9) {
            character.Status = status::Dead;
            ShowDialog(game, NameOf(character) + " has died.");
        } else if (character.HP <= 0 && !(character.Status & status::Unconscious)) {
            Knock(character);
            ShowDialog(game, NameOf(character) + " is unconcious.");
        }
    }
}

RestTick RestHour(Game& game, RestModel& model) {
    GameState& state = game.state;
    if (model.RestHours <= 0.0) {
        model.resting = false;
        return RestTick::Idle;
    }
    model.RestHours -= 1.0;
    if (++model.RestDayCounter >= 24) {
        model.RestDayCounter = 0;
        RestHeal(game);
    }
    UpdateTime(state);
    UpdatePoison(state);
    if (model.RestHours < 1.0) {
        // A broken last hour is rested whole: 4.5 hours pass as five, and the
        // spells are learned at the fourth and again at the fifth.
        LearnChosenSpells(state);
        state.RestState = rest_state::Completed;
        return RestTick::Completed;
    }
    if (model.RestCanBeInterrupted && RestInterruption()) {
        model.resting = false;
        model.RestHours = 0.0;
        state.RestState = rest_state::Interrupted;
        WipeOutSpells(state);
        return RestTick::Interrupted;
    }
    return RestTick::HourPassed;
}

}  // namespace duskmoor
